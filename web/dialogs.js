// Message boxes as modal dialogs: named by their title, the text inside, one OK button that Enter
// presses. Messages shown during a press wait until the press is over; the focus then returns to
// where the press left it.

// Shows `dialog` as a modal dialog and resolves to the value of the button that closed it ('' for
// Escape); the focus then goes back where it was.
/**
 * @param {HTMLDialogElement} dialog
 * @returns {Promise<string>}
 */
export function answerOf(dialog) {
    const focus = /** @type {HTMLElement | null} */ (document.activeElement);
    dialog.returnValue = '';
    dialog.showModal();
    return new Promise((resolve) => {
        dialog.addEventListener(
            'close',
            () => {
                focus?.focus?.();
                resolve(dialog.returnValue);
            },
            { once: true }
        );
    });
}

export class MessageDialogs {
    /** @param {HTMLDialogElement} dialog */
    constructor(dialog) {
        this.dialog = dialog;
        this.title = dialog.querySelector('h2');
        this.text = dialog.querySelector('p');
        /** @type {{ text: string; title: string }[]} */
        this.waiting = [];
        /** @type {{ element: HTMLElement | null; done: () => void } | null} */
        this.afterwards = null;
        dialog.addEventListener('close', () => this.next());
    }

    get open() {
        return this.dialog.open;
    }

    // Keeps a message to show once the press is over.
    /**
     * @param {string} text
     * @param {string} title
     */
    add(text, title) {
        this.waiting.push({ text, title });
    }

    // Forgets the messages still waiting.
    discard() {
        this.waiting.length = 0;
    }

    // Shows the waiting messages one after another; `done` runs when the last is closed.
    /** @param {() => void} [done] */
    show(done = () => {}) {
        this.afterwards = {
            element: /** @type {HTMLElement | null} */ (document.activeElement),
            done,
        };
        if (!this.dialog.open) this.next();
    }

    next() {
        const message = this.waiting.shift();
        if (message) {
            this.title.textContent = message.title;
            this.text.textContent = message.text;
            this.dialog.showModal();
            return;
        }
        const afterwards = this.afterwards;
        this.afterwards = null;
        afterwards?.element?.focus?.();
        afterwards?.done();
    }
}
