// Undo and Redo: the buttons, and Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y wherever the focus is. In a
// field typed in since the last action the keys first undo and redo the typing, as the browser
// does it; then the actions.

/** @import { Observed, PageWindow } from './controls.js' */

export class HistoryKeys {
    // `announce(text)` tells screen readers what was undone or redone.
    /**
     * @param {PageWindow} vspace
     * @param {{ undo: HTMLButtonElement; redo: HTMLButtonElement }} buttons
     * @param {(text: string) => void} announce
     */
    constructor(vspace, { undo, redo }, announce) {
        this.vspace = vspace;
        this.buttons = { undo, redo };
        this.announce = announce;
        // Each field's text as the last action left it, and how many typing undos the browser
        // could redo in it.
        /** @type {Map<EventTarget, string>} */
        this.baseline = new Map();
        /** @type {Map<EventTarget, number>} */
        this.typingUndone = new Map();
        /** @type {number | undefined} */
        this.lastName = undefined;
        this.canUndo = false;
        this.canRedo = false;
        undo.addEventListener('click', () => this.step(true));
        redo.addEventListener('click', () => this.step(false));
        for (const field of [...vspace.fields.Training, ...vspace.fields.Unseen]) {
            field.addEventListener('input', (event) => {
                if (!(/** @type {InputEvent} */ (event).inputType.startsWith('history')))
                    this.typingUndone.set(field, 0);
            });
        }
        document.addEventListener('keydown', (event) => this.key(event));
        vspace.observe((update) => this.update(update));
    }

    /** @param {KeyboardEvent} event */
    key(event) {
        if (!(event.ctrlKey || event.metaKey) || event.altKey) return;
        const letter = event.code === 'KeyZ' ? 'z' : event.code === 'KeyY' ? 'y' : null;
        if (!letter || document.querySelector('dialog[open]')) return;
        const undo = letter === 'z' && !event.shiftKey;
        const field = this.baseline.has(event.target)
            ? /** @type {HTMLInputElement} */ (event.target)
            : null;
        if (field) {
            const undone = this.typingUndone.get(field) ?? 0;
            if (undo && field.value !== this.baseline.get(field)) {
                this.typingUndone.set(field, undone + 1);
                return; // the browser undoes the typing
            }
            if (!undo && undone > 0) {
                this.typingUndone.set(field, undone - 1);
                return;
            }
        }
        event.preventDefault();
        this.step(undo);
    }

    /** @param {boolean} undo */
    step(undo) {
        if (
            this.vspace.root.hidden ||
            this.vspace.busy ||
            this.buttons[undo ? 'undo' : 'redo'].disabled
        )
            return;
        const update = this.vspace.stepThroughHistory(undo);
        if (update?.announced) this.announce(update.announced);
    }

    // After every update: what can be undone and redone. After an action, or a text the engine
    // put in a field, the typing before it is no longer undone by the keys.
    /** @param {Observed} update */
    update(update) {
        const busy = 'busy' in update;
        if (!busy && update.undoName === undefined) return; // a key's update
        if (!busy) {
            this.canUndo = update.undoName !== 0;
            this.canRedo = update.canRedo;
        }
        const closed = (!busy && update.closed) || Boolean(this.vspace.root.hidden);
        this.buttons.undo.disabled = closed || this.vspace.busy || !this.canUndo;
        this.buttons.redo.disabled = closed || this.vspace.busy || !this.canRedo;
        if (busy) return;
        const acted = update.undoName !== this.lastName || update.history;
        this.lastName = update.undoName;
        const fields = [...this.vspace.fields.Training, ...this.vspace.fields.Unseen];
        const changed = acted
            ? fields
            : update.fields.map(({ field }) => this.vspace.fields[field.row][field.index - 1]);
        for (const field of changed) {
            this.baseline.set(field, field.value);
            this.typingUndone.set(field, 0);
        }
    }
}
