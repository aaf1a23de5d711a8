// The engine as the page sees it: what vspace.js (the form and the program's learner compiled to
// WebAssembly, web/bindings.cpp) offers. The page calls it once for each thing its user does and
// applies the one update it gets back (controls.js).

export type ButtonName = 'Positive' | 'Negative' | 'Predict' | 'GenText' | 'Exit' | 'Clear';
export type ListName = 'General' | 'Specific' | 'LearningData' | 'VersionSpace';
export type RowName = 'Training' | 'Unseen';

/** An enum of embind: each value by its name, `.value` its number. */
export type Enum<Name extends string> = { [name in Name]: { value: number } };

/** Six attribute values: an instance or a hypothesis. */
export type Row = [string, string, string, string, string, string];

export interface FieldRef { row: RowName; index: number }

/** Everything one press or key changed, in the order the page applies it. */
export interface Update {
    /** Lists drawn anew (`clear`) or grown, with the rows added. */
    lists: { list: ListName; clear: boolean; rows: string[] }[];
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
    /** What the press taught, refused or voted; null for other presses and keys. */
    outcome: Outcome | null;
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

export interface Command { training?: string[]; unseen?: string[]; press?: ButtonName }

export interface VspaceModule {
    Page: new (texts: string[]) => Page;
    Button: Enum<ButtonName>;
    FieldRow: Enum<RowName>;
    /** A session file's bytes, read as vspace-replay reads them. */
    readSession(bytes: Uint8Array, csv: boolean): { commands: Command[] } | { error: string };
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
