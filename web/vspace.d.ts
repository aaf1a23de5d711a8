// The engine as the page sees it: what vspace.js (the form and the program's learner compiled to
// WebAssembly, web/bindings.cpp) offers. The page calls it once for each thing its user does and
// applies the one update it gets back (controls.js).

export type ButtonName = 'Positive' | 'Negative' | 'Predict' | 'GenText' | 'Exit' | 'Clear';
export type LearnerName = 'Program' | 'Textbook';
export type ListName = 'General' | 'Specific' | 'LearningData' | 'VersionSpace';
export type RowName = 'Training' | 'Unseen';

/** An enum of embind: each value by its name, `.value` its number. */
export type Enum<Name extends string> = { [name in Name]: { value: number } };

/** Six attribute values: an instance or a hypothesis. */
export type Row = [string, string, string, string, string, string];

export interface FieldRef { row: RowName; index: number }

/** Everything one press or key changed, in the order the page applies it. */
export interface Update {
    /** Lists drawn anew (`clear`), or cut to their first `keep` rows, then grown by the rows added. */
    lists: { list: ListName; clear: boolean; keep?: number; rows: string[] }[];
    /** Fields given a new text. */
    fields: { field: FieldRef; text: string }[];
    /** The text selected in a field, counted in UTF-16 code units. */
    selection?: { field: FieldRef; start: number; length: number };
    /** Where the focus goes. */
    focus?: { field: FieldRef } | { button: ButtonName };
    /** Buttons enabled (true) or greyed (false). */
    enabled: Partial<Record<ButtonName, boolean>>;
    /** The message boxes shown, in order. */
    messages: { title: string; text: string }[];
    /** Exit was pressed. */
    closed: boolean;
    /** Gen Text: the export file's text, to offer as hypothesis.txt. */
    download?: string;
    /** What the press taught, refused or voted; null for other presses. Absent for keys and
     * actions that press nothing. */
    outcome?: Outcome | null;
    /** Members of every update but a key's: */
    /** The Steps entries after number `keep` taken back, then those added, by their numbers. */
    steps?: { keep: number; add: [number, string][] };
    /** The Messages list of a session: its first `keep` items kept, then those added. */
    messageList?: { keep: number; add: string[] };
    /** Notes on where the two learners differ; absent while a session plays quietly. */
    differences?: string[];
    /** Whether Suggest example can suggest one. */
    suggestion?: boolean;
    learner?: LearnerName;
    /** The last action that Undo undoes, by number; 0 when there is none. */
    undoName?: number;
    canRedo?: boolean;
    /** The session opened: presses played, of how many, whether any are left, and the names of
     * the attributes when its file gives them. */
    session?: { played: number; presses: number; left: boolean; attributes?: string[] } | null;
    /** An undo or redo done: the action's number. */
    history?: { undone: number } | { redone: number };
    /** What screen readers are told of an undo or redo. */
    announced?: string;
    /** The update of a press of the session. */
    played?: boolean;
}

export type Outcome = StepOutcome | RefusalOutcome | PredictionOutcome;

/** A training step of the program's learner, and why it changed what it changed. */
export interface StepOutcome {
    kind: 'step';
    instance: Row;
    positive: boolean;
    exampleNumber: number;
    dropReason: 'RejectsPositive' | 'AcceptsNegative';
    /** G's rows that left it, by their place in G before the step (from 1). */
    dropped: { position: number; row: Row }[];
    /** G's new rows: S's value at `attribute`; the tail from the row made just before (-1), from
     * no row (0), or from G's last row as the step found it (its number). */
    made: { row: Row; attribute: number; value: string; tailFrom: number }[];
    specific: { from: Row; to: Row; replaced: boolean; generalised: number[] };
    versionSpaceBefore: Row[];
    versionSpaceAfter: Row[];
}

export interface RefusalOutcome {
    kind: 'refusal';
    refusal: 'Duplicate' | 'ExampleLimit' | 'GeneralLimit' | 'VersionSpaceLimit';
    /** Duplicate: the number of the learnt example it repeats. */
    repeats: number;
    /** A limit: the rows G or the version space would need. */
    rowsNeeded: number;
}

export interface PredictionOutcome {
    kind: 'prediction';
    answer: 'Positive' | 'Negative' | 'Undecided' | 'NothingLearnt' | 'NoConsistent';
    accepting: number;
    voting: number;
}

/** One session of the form. Every method that changes it returns an Update as JSON text. */
export interface Page {
    /** The update that draws the form as it starts. */
    start(): string;
    /** Presses a button; `fields` are the twelve field texts, training then unseen. */
    press(button: Enum<ButtonName>[ButtonName], fields: string[]): string;
    /** A key typed into a field, as its character code. */
    keyPress(row: Enum<RowName>[RowName], index: number, key: number, fields: string[]): string;
    /** Shows the program's learner or the textbook learner in the lists. */
    showLearner(learner: Enum<LearnerName>[LearnerName]): string;
    /** Fills the training fields with an example that splits the version space, as an action. */
    suggest(fields: string[]): string;
    /** Undoes the last action, or does the last undone again. */
    undo(fields: string[]): string;
    redo(fields: string[]): string;
    /** Reads a session file's bytes as vspace-replay reads them (CSV or JSON Lines) and keeps it.
     * Returns JSON: the presses it holds, the examples learnt now and the six names of the
     * attributes when the file gives them (`{presses, learnt, attributes?}`), or why it was
     * refused (`{error}`). */
    open(bytes: Uint8Array, csv: boolean): string;
    /** Starts the session read last, as an action that can be undone. */
    startSession(fields: string[]): string;
    /** Plays the session's next press, typing its values first. */
    playNext(fields: string[]): string;
    /** Plays presses quietly for about `milliseconds`; the last `explained` of the session get
     * their Steps entries. The lists are drawn at the session's end. */
    play(fields: string[], milliseconds: number, explained: number): string;
    /** Ends quiet playing: the lists drawn as they stand. */
    stopPlaying(): string;
    /** S, G and the version space in Graphviz's DOT language. */
    versionSpaceDot(): string;
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
    Page: new (texts: string[]) => Page;
    Button: Enum<ButtonName>;
    FieldRow: Enum<RowName>;
    Learner: Enum<LearnerName>;
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
}

export default function createVspace(): Promise<VspaceModule>;
