// A question with two answers as a modal dialog: the first answer (Open) is focused, Cancel and
// Escape say no.

import { answerOf } from './dialogs.js';

export class QuestionDialog {
    /** @param {HTMLDialogElement} dialog */
    constructor(dialog) {
        this.dialog = dialog;
        this.text = dialog.querySelector('p');
    }

    // Resolves to whether the first answer was chosen; the focus goes back where it was.
    /**
     * @param {string} text
     * @returns {Promise<boolean>}
     */
    async ask(text) {
        this.text.textContent = text;
        return (await answerOf(this.dialog)) === 'yes';
    }
}
