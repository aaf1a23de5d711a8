// A question with two answers as a modal dialog: the first answer (Open) is focused, Cancel and
// Escape say no.

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
    ask(text) {
        const focus = /** @type {HTMLElement | null} */ (document.activeElement);
        this.text.textContent = text;
        this.dialog.returnValue = '';
        this.dialog.showModal();
        return new Promise((resolve) => {
            this.dialog.addEventListener(
                'close',
                () => {
                    focus?.focus?.();
                    resolve(this.dialog.returnValue === 'yes');
                },
                { once: true }
            );
        });
    }
}
