// The Examples menu: the example sessions the site carries (examples/, listed when the site is
// built, in example-files.js), each opened as a file chosen with "Open session" is. A menu button:
// Enter, Space or Down opens the menu on its first item, Up on its last; in the menu Down and Up
// move round it, Home and End go to its ends, a letter to the next item starting with it, Enter
// or Space chooses, Escape closes it and returns to the button; Tab, or a click outside, closes it.

import { exampleFiles } from './example-files.js';

export class ExamplesMenu {
    // `open(file)` opens a session file as "Open session" does; `refused(name)` says that the
    // example of that name could not be loaded.
    /**
     * @param {HTMLButtonElement} button
     * @param {HTMLElement} menu
     * @param {{ open: (file: File) => Promise<boolean>; refused: (name: string) => void }} actions
     */
    constructor(button, menu, { open, refused }) {
        this.button = button;
        this.menu = menu;
        this.openFile = open;
        this.refused = refused;
        this.items = exampleFiles.map((name) => {
            const item = document.createElement('li');
            item.setAttribute('role', 'menuitem');
            item.tabIndex = -1;
            item.textContent = name;
            item.addEventListener('click', () => this.choose(name));
            return item;
        });
        menu.replaceChildren(...this.items);
        button.setAttribute('aria-controls', menu.id);
        button.hidden = this.items.length === 0;
        button.addEventListener('click', () => (this.expanded ? this.close() : this.show(0)));
        button.addEventListener('keydown', (event) => {
            if (event.key === 'ArrowDown' || event.key === 'ArrowUp') {
                event.preventDefault();
                this.show(event.key === 'ArrowDown' ? 0 : this.items.length - 1);
            }
        });
        menu.addEventListener('keydown', (event) => this.key(event));
        // The menu closes when the focus leaves it, by Tab or by a click anywhere else, which
        // takes the focus even from a greyed button; a click on the menu's button closes it by
        // itself.
        menu.addEventListener('focusout', (event) => {
            const to = /** @type {Node | null} */ (event.relatedTarget);
            if (this.expanded && !menu.contains(to) && to !== button) this.close(false);
        });
    }

    get expanded() {
        return this.button.getAttribute('aria-expanded') === 'true';
    }

    // Opens the menu with the focus on the item at `index`.
    /** @param {number} index */
    show(index) {
        if (this.button.disabled) return;
        this.menu.hidden = false;
        // Above the button where there is no room below it and there is above.
        this.menu.classList.remove('above');
        const { top, bottom } = this.menu.getBoundingClientRect();
        const height = bottom - top;
        this.menu.classList.toggle(
            'above',
            bottom > innerHeight && this.button.getBoundingClientRect().top > height
        );
        this.button.setAttribute('aria-expanded', 'true');
        this.items[index].focus();
    }

    // Closes the menu; the focus goes back to the button unless it has gone elsewhere.
    /** @param {boolean} [refocus] */
    close(refocus = true) {
        if (refocus) this.button.focus();
        this.menu.hidden = true;
        this.button.setAttribute('aria-expanded', 'false');
    }

    /** @param {KeyboardEvent} event */
    key(event) {
        if (event.altKey || event.ctrlKey || event.metaKey) return;
        const at = this.items.indexOf(/** @type {HTMLLIElement} */ (event.target));
        const count = this.items.length;
        const moves = { ArrowDown: at + 1, ArrowUp: at - 1 + count, Home: 0, End: count - 1 };
        if (event.key in moves) {
            this.items[moves[event.key] % count].focus();
        } else if (event.key === 'Enter' || event.key === ' ') {
            if (at >= 0) this.choose(exampleFiles[at]);
        } else if (event.key === 'Escape') {
            this.close();
        } else if (event.key.length === 1 && event.key.trim()) {
            // The next item starting with the letter typed, after the focused one, round the menu.
            const letter = event.key.toLowerCase();
            const next = [...this.items.slice(at + 1), ...this.items.slice(0, at + 1)].find(
                (item) => item.textContent.toLowerCase().startsWith(letter)
            );
            next?.focus();
        } else {
            return;
        }
        event.preventDefault();
    }

    // Fetches the example, from the site kept for working offline once there is one, and opens
    // it under its own name. Resolves to whether it was opened.
    /** @param {string} name */
    async choose(name) {
        this.close();
        let bytes;
        try {
            const response = await fetch(`examples/${encodeURIComponent(name)}`);
            if (!response.ok) throw new Error(response.statusText);
            bytes = await response.arrayBuffer();
        } catch {
            this.refused(name);
            return false;
        }
        return this.openFile(new File([bytes], name));
    }
}
