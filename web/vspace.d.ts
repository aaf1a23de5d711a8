// The engine as the page sees it: what vspace.js (the form and the program's learner compiled to
// WebAssembly, web/bindings.cpp) offers. The page calls it once for each thing its user does and
// applies the one update it gets back (controls.js).

export type ButtonName = 'Positive' | 'Negative' | 'Predict' | 'GenText' | 'Exit' | 'Clear';
export type LearnerName = 'Program' | 'Textbook';
export type ListName = 'General' | 'Specific' | 'LearningData' | 'VersionSpace';
export type RowName = 'Training' | 'Unseen';
/** Every text of the catalog by name (texts/text_catalog.h); `.value` is its number. */
export type TextName =
      'PositiveCaption' | 'NegativeCaption' | 'PredictCaption' | 'GenTextCaption' | 'ExitCaption'
    | 'ClearCaption' | 'UnseenDataFrame' | 'LearningDataFrame' | 'HypothesisFrame'
    | 'VersionSpaceLabel' | 'SpecificLabel' | 'GeneralLabel' | 'TrainingValueName'
    | 'UnseenValueName' | 'GeneralListName' | 'SpecificListName' | 'LearningDataListName'
    | 'VersionSpaceListName' | 'DuplicateTitle' | 'DuplicatePrompt' | 'CannotLearnTitle'
    | 'GeneralLimitPrompt' | 'VersionSpaceLimitPrompt' | 'ExampleLimitPrompt'
    | 'CannotPredictTitle' | 'NothingLearntPrompt' | 'NoConsistentPrompt' | 'ResultTitle'
    | 'PositivePrompt' | 'NegativePrompt' | 'UndecidedPrompt' | 'TextFileTitle' | 'ExportedPrompt'
    | 'ExportFailedPrompt' | 'NotAFolderReason' | 'FolderNotCreatedReason' | 'FolderInTheWayReason'
    | 'IncompleteWriteReason' | 'NotARegularFileReason' | 'DanglingLinkReason'
    | 'ForeignLinkReason' | 'NoDesktopReason' | 'SystemReason' | 'OkButton' | 'DiagramButton'
    | 'DiagramRegion' | 'OpenSessionButton' | 'SaveSessionButton' | 'CopyLinkButton' | 'WorksheetButton' | 'ReportButton' | 'LinkName' | 'LinkCopied' | 'LinkInAddress' | 'LinkDamagedReason' | 'LinkNewerReason' | 'NextPressButton' | 'PlayToEndButton'
    | 'MessagesList' | 'EndedText' | 'StartAgainButton' | 'BackToLessonButton' | 'SessionOpened' | 'SessionRefused'
    | 'StepsHeading' | 'TextbookSwitch' | 'ExerciseSwitch' | 'ExerciseQuestion' | 'ExerciseAddRow' | 'ExerciseDropRow' | 'ExerciseRowName' | 'ExerciseValueName' | 'ExerciseCheckButton' | 'ExerciseRevealButton' | 'ExerciseRight' | 'ExerciseWrong' | 'ExerciseMissing' | 'ExerciseScore' | 'SuggestButton' | 'SuggestedExample' | 'NoSuggestion'
    | 'DifferenceNote' | 'AddedMark' | 'LegendSpecific' | 'LegendGeneral' | 'LegendVersionSpace'
    | 'DiagramDescription' | 'UndoButton' | 'RedoButton' | 'StopButton' | 'PlayingProgress'
    | 'PressesPlayed' | 'OpenOverWork' | 'OpenButton' | 'CancelButton' | 'NoPressesReason'
    | 'DiagramLeftOut'
    | 'MessageLine' | 'MessagesLeftOut' | 'ExampleStep' | 'ExampleNotLoadedReason' | 'OutOfMemoryReason' | 'PresentButton' | 'ExamplesMenu'
    | 'AttributesButton' | 'AttributesTitle' | 'AttributesPrompt' | 'AttributeName' | 'AttributeCount' | 'ColumnsTitle' | 'ColumnsPrompt' | 'ColumnAttribute' | 'ColumnLabel' | 'ColumnNames' | 'ColumnLeftOut' | 'ColumnNumbered' | 'PositiveWordsField' | 'NegativeWordsField'
    | 'TrainingValueNamed' | 'UnseenValueNamed' | 'LegendAttributes' | 'ExplainPositive'
    | 'ExplainNegative' | 'ExplainLosesRejecting' | 'ExplainLosesAccepting'
    | 'ExplainLosesLessGeneral' | 'ExplainGainsAtAttribute' | 'ExplainGainsAtAttributes'
    | 'ExplainSpecificUnchanged' | 'ExplainSpecificReplaced' | 'ExplainSpecificAttribute'
    | 'ExplainSpecificAttributes' | 'ExplainGainsAtNamed' | 'ExplainSpecificNamed'
    | 'ExplainSpecificNamedPlural' | 'ExplainNoVersionSpace' | 'ExplainVersionSpaceOne'
    | 'ExplainVersionSpaceRows' | 'ExplainGeneralEmpty' | 'ExplainCollapse' | 'ExplainCollapsed'
    | 'ExplainDuplicate' | 'ExplainGeneralLimit' | 'ExplainVersionSpaceLimit'
    | 'ExplainExampleLimit' | 'ExplainVotePositive' | 'ExplainVoteNegative'
    | 'ExplainVoteUndecided' | 'ExplainVoteOneAccepts' | 'ExplainVoteOneRejects' | 'ExplainNoVote'
    | 'ExplainNothingConsistent' | 'ExplainGenText' | 'ExplainClear' | 'ExplainExit'
    | 'ExplainIgnored' | 'ExplainHeld' | 'ExplainHeldLearnt' | 'ExplainUndo' | 'ExplainRedo' | 'ExplainNothingToUndo'
    | 'ExplainNothingToRedo' | 'ExerciseAllRight' | 'ExerciseCounts' | 'ExerciseClosed' | 'ExerciseNotSpecific' | 'ExerciseLeavesRejecting' | 'ExerciseLeavesAccepting' | 'ExerciseLeavesLessGeneral' | 'ExerciseStaysAccepting' | 'ExerciseStaysRejecting' | 'ExerciseInGeneral' | 'ExerciseComesFrom' | 'ExerciseAttribute' | 'ExerciseNotMadeRejecting' | 'ExerciseNotMadeAccepting' | 'ExerciseNotMade' | 'ExerciseTwice' | 'ListAnd' | 'ListMore' | 'ListRowsLeftOut' | 'CompareTextbookGeneral'
    | 'CompareProgramGeneral' | 'CompareTextbookSpace' | 'CompareProgramSpace'
    | 'CompareContradiction' | 'CompareVotes' | 'CompareCollapse' | 'CompareSummary'
    | 'CompareAgreed' | 'ReportIntroduction' | 'ReportAdded' | 'ReportRemoved' | 'ReportStart'
    | 'ReportEmptyList' | 'ReportDrawingsLeftOut' | 'ReportDiagramCaption'
    | 'ReportLearningDataHeading' | 'ReportPress' | 'ReportTrainingInstance'
    | 'ReportUnseenInstance' | 'ReportMessage' | 'ReportSpecific' | 'ReportGeneral'
    | 'ReportVersionSpace' | 'ReportLearningData' | 'ReportLabel' | 'ReportAttributes' | 'ReportOneRow' | 'ReportRows'
    | 'ReportUnchanged' | 'ReportEmpty' | 'ReportNotLaidOut' | 'ReportNotDrawn'
    | 'ReportNoDiagrams' | 'WorksheetTitle' | 'WorksheetProgramIntroduction' | 'WorksheetTextbookIntroduction' | 'WorksheetPredictQuestion' | 'WorksheetKeyHeading' | 'GenericName' | 'Comment' | 'Summary';

/** An enum of embind: each value by its name, `.value` its number. */
export type Enum<Name extends string> = { [name in Name]: { value: number } };

/** An instance or a hypothesis: a value for each attribute (one to sixteen). */
export type Row = string[];

export interface FieldRef { row: RowName; index: number }

/** Everything one press or key changed, in the order the page applies it. */
export interface Update {
    /** Lists drawn anew (`clear`), or cut to their first `keep` rows, then grown by the rows added.
     * None while a session plays quietly: the lists are drawn at its end. */
    lists: { list: ListName; clear: boolean; keep?: number; rows: string[] }[];
    /** The fields each row has now, when that changed: the page makes them, empty, before the
     * fields below are given their texts. */
    fieldCount?: number;
    /** Fields given a new text. */
    fields: { field: FieldRef; text: string }[];
    /** The text selected in a field, counted in UTF-16 code units. */
    selection?: { field: FieldRef; start: number; length: number };
    /** Where the focus goes. */
    focus?: { field: FieldRef; button?: undefined } | { button: ButtonName; field?: undefined };
    /** Buttons enabled (true) or greyed (false): those that changed. */
    enabled: Partial<Record<ButtonName, boolean>>;
    /** The message boxes shown, in order. */
    messages: { title: string; text: string }[];
    /** Exit was pressed. */
    closed: boolean;
    /** Gen Text: the export file's text, to offer as hypothesis.txt. */
    download?: string;

    /* Every update but a key's also has the members below (each one says when it is absent). */

    /** The Steps entries after number `keep` taken back, then those added, by their numbers;
     * absent when they are as the last update left them. */
    steps?: { keep: number; add: [number, string][] };
    /** The Messages list of the sessions played, at most its last 500 items: the first `drop`
     * items taken away, the next `keep` kept, then those added; `before`, when some came before
     * the items listed, says how many. Absent when it is as the last update left it. */
    messageList?: { drop: number; keep: number; add: string[]; before?: string };
    /** Notes on where the two learners differ; absent while a session plays quietly. */
    differences?: string[];
    /** Whether Suggest example can suggest one; absent while a session plays quietly. */
    suggestion?: boolean;
    /** The learner the lists show. */
    learner?: LearnerName;
    /** The last action that Undo undoes, by number; 0 when there is none. */
    undoName?: number;
    canRedo?: boolean;
    /** The session opened: presses played, of how many, whether any are left; null when none is
     * open. */
    session?: SessionProgress | null;
    /** The attributes' names in use, one for each attribute, '' where unnamed. */
    attributes?: string[];
    /** An undo or redo done: the action's number. Absent when there was nothing to undo or redo. */
    history?: { undone: number; redone?: undefined } | { redone: number; undone?: undefined };
    /** The rows of G, S and the version space that the last press added, by their place in the
     * lists shown (from 0): marked until the next press. Sent with every press, undo and redo
     * that is not played quietly; an undo brings back the marks of the press before. */
    marks?: Record<'General' | 'Specific' | 'VersionSpace', number[]>;
    /** An undo or redo: what screen readers are told of it. */
    announced?: string;
    /** playNext(): the update of a press of the session. */
    played?: true;
    /** Whether exercises are on. */
    exercises?: boolean;
    /** With exercises on: the training steps answered, and of them those answered right. */
    answered?: { right: number; of: number };
    /** An exercise opened, or put away (null): made, revealed, or left for another action. */
    exercise?: Exercise | null;
    /** check(): the answer checked. When it is right, the press is made in the same update. */
    checked?: CheckedAnswer;
}

/** A training step to work out before it is shown: the question, and S and G as they stand, from
 * which the answer starts. */
export interface Exercise {
    positive: boolean;
    learner: LearnerName;
    question: string;
    specific: Row[];
    general: Row[];
}

/** The rows written for a list, each right or wrong, and how many of the list's were not written. */
export interface CheckedList {
    marks: ('right' | 'wrong')[];
    missing: number;
}

export interface CheckedAnswer {
    specific: CheckedList;
    general: CheckedList;
    right: boolean;
    /** The first mistake explained, or that all is right. */
    sentence: string;
    /** How many rows are right, wrong and missing, in a sentence. */
    counts: string;
}

/** A lesson to hand on in a link: a session file's bytes, whether a table and how its columns
 * were read, how many of its presses have been played, and the learner shown. */
export interface Lesson {
    bytes: Uint8Array;
    csv: boolean;
    columns: TableColumns;
    /** The file's name; '' for what was done. */
    name: string;
    played: number;
    learner: LearnerName;
}

export interface SessionProgress {
    played: number;
    presses: number;
    left: boolean;
}

/** What Page.open() says of a session file: the presses it holds and the examples learnt now; or
 * why it was refused; for a table, how its columns were read. */
export type OpenedSession =
    | { presses: number; learnt: number; error?: undefined; layout?: TableLayout }
    | { error: string; layout?: TableLayout };

/** How a table's columns were read: its first row as it stands, whether that is a header, the
 * label's column, the column that names the examples (null for none), the columns left out (by
 * their place, from 0). */
export interface TableLayout {
    firstRow: string[];
    header: boolean;
    label: number;
    names: number | null;
    ignored: number[];
}

/** How to read a table's columns, as vspace-replay's --label, --ignore, --positive and
 * --negative say: columns by their number from 1 or a header's name; `names`, the column that
 * names the examples ('' for none). */
export interface TableColumns {
    label?: string;
    names?: string;
    ignored: string[];
    positive: string[];
    negative: string[];
}

/** One session of the form. Every method that changes it returns an Update as JSON text. */
export interface Page {
    /** The update that draws the form as it starts; after Exit, what the page tells beyond the
     * window as it stands (the session's place), back to the lesson. */
    start(): string;
    /** Presses a button. `fields`, here and below: the field texts, the training row's then the
     * unseen row's, then the id of the element that has the focus ('' for none), which an action
     * keeps for its undo to give back. */
    press(button: Enum<ButtonName>[ButtonName], fields: string[]): string;
    /** A key typed into a field, as its character code. */
    keyPress(row: Enum<RowName>[RowName], index: number, key: number, fields: string[]): string;
    /** Shows the program's learner or the textbook learner in the lists. */
    showLearner(learner: Enum<LearnerName>[LearnerName]): string;
    /** Exercises on or off: with them on, a training press, typed or played, opens an exercise
     * instead; turning them on shows the textbook learner. */
    setExercises(on: boolean): string;
    /** Checks the rows written for the next S and G; an answer all right makes the press. */
    check(specific: Row[], general: Row[], fields: string[]): string;
    /** Makes the press of the exercise open, its answer shown. */
    reveal(fields: string[]): string;
    /** Gives the attributes these names, one for each ('' where unnamed), as an action that can
     * be undone: a fresh start when their number changes. */
    setAttributes(names: string[], fields: string[]): string;
    /** Fills the training fields with an example that splits the version space, as an action. */
    suggest(fields: string[]): string;
    /** Undoes the last action, or does the last undone again. */
    undo(fields: string[]): string;
    redo(fields: string[]): string;
    /** Reads a session file's bytes as vspace-replay reads them (CSV, its columns read as
     * `columns` says, or JSON Lines) and keeps it. Returns JSON: the presses it holds and the
     * examples learnt now (`{presses, learnt}`), or why it was refused (`{error}`), with how a
     * table's columns were read (`layout`): an OpenedSession. `name`: the file's, which a lesson
     * handed on keeps. */
    open(bytes: Uint8Array, csv: boolean, columns: TableColumns | undefined, name: string): string;
    /** Starts the session read last, at its width and with its names, as an action that can be
     * undone. */
    startSession(fields: string[]): string;
    /** Plays the session's next press, typing its values first. */
    playNext(fields: string[]): string;
    /** Plays presses quietly for about `milliseconds`, up to press `until` at most (Infinity for
     * all); the last `explained` of the session get their Steps entries. The lists are drawn at
     * the session's end, or at `until`. */
    play(fields: string[], milliseconds: number, explained: number, until: number): string;
    /** Ends quiet playing: the lists drawn as they stand. */
    stopPlaying(): string;
    /** What was done since the last fresh start, as a JSON Lines session: the presses that made
     * what the form shows, the attributes' names and the learner shown. */
    saveSession(): string;
    /** The lesson as it stands: the session open as it was opened, with the presses of it played;
     * or else (none open, or presses made by hand beside it) what was done, as saveSession()
     * writes it, all played. */
    lesson(): Lesson;
    /** A worksheet of the lesson in the page's language (its tag): every example with boxes for S
     * and G, every prediction asked, then the answer key; an HTML page. */
    worksheet(language: string): string;
    /** The lesson report vspace-replay writes for the lesson, in the page's language (its tag),
     * each drawing left as its DOT text in a hidden `<pre class="dot">` for the page to draw. */
    report(language: string): string;
    /** S, G and the version space in Graphviz's DOT language. */
    versionSpaceDot(): string;
    /** The engine built for benchmarks alone: S and the rows of G put in place by hand, as after
     * `examples` examples. */
    setBoundaries?(specific: Row, general: Row[], examples: number): string;
    delete(): void;
}

export interface Control {
    kind: 'frame' | 'label' | 'field' | 'list' | 'button';
    name: string;
    container: string;
    /** Catalog numbers, -1 for none. */
    caption: number;
    accessibleName: number;
    /** Twips. */
    left: number; top: number; width: number; height: number;
    tabIndex: number;
    row?: RowName; index?: number;
    list?: ListName; visibleHeight?: number;
    button?: ButtonName;
}

export interface VspaceModule {
    /** `names`: the attributes' names to start with, one for each; none for six unnamed. */
    Page: new (texts: string[], names: string[]) => Page;
    Button: Enum<ButtonName>;
    FieldRow: Enum<RowName>;
    Learner: Enum<LearnerName>;
    Text: Enum<TextName>;
    controlTable(): Control[];
    catalog(): { context: string; english: string }[];
    /** A caption's access key: "&Clear" is {before: '', key: 'C', after: 'lear'}. */
    accessKey(caption: string): { before: string; key: string; after: string };
    /** A catalog text with %1 to %9 filled in. */
    format(pattern: string, values: string[]): string;
    enterKey: number;
    twipsPerPixel: number;
    clientWidth: number;
    clientHeight: number;
    windowTitle: string;
    /** The Steps entries the page keeps, the newest. */
    keptSteps: number;
    /** The engine built for benchmarks alone: true. */
    benchmark?: true;
}

export default function createVspace(): Promise<VspaceModule>;
