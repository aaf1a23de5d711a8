// What the page tells beyond the window: a Steps panel with one entry a press, newest last (the
// last 500, numbered as they came, taken back by an undo); a note under the lists wherever the
// program's learner and the textbook learner differ; a switch that shows the textbook learner
// instead of the program's, kept by the browser and given by the address (?learner=textbook), the
// address first; and a suggested example that splits the version space.

import { keep, kept } from './kept.js';

const learnerKey = 'vspace-learner';

// Where the Steps list `steps` shows its newest entry: scrolled to its end, or, when that entry is
// taller than the list, to the entry's start.
/** @param {HTMLElement} steps */
function newestInView(steps) {
    const newest = steps.lastElementChild;
    const end = steps.scrollHeight - steps.clientHeight;
    if (!newest) return end;
    const start =
        newest.getBoundingClientRect().top - steps.getBoundingClientRect().top + steps.scrollTop;
    return Math.max(0, Math.min(end, Math.floor(start)));
}

/** @param {HTMLElement} steps */
export function showNewest(steps) {
    steps.scrollTop = newestInView(steps);
}

/** @param {HTMLElement} steps */
export function showingNewest(steps) {
    return steps.scrollTop >= newestInView(steps) - 2;
}

// The learner a page opens with: the address's (?learner=textbook or program), else the one this
// browser kept, else the program's.
/** @returns {LearnerName} */
function learnerToOpen() {
    const asked = new URLSearchParams(location.search).get('learner')?.toLowerCase();
    if (asked === 'textbook' || asked === 'program')
        return asked === 'textbook' ? 'Textbook' : 'Program';
    return kept(learnerKey) === 'Textbook' ? 'Textbook' : 'Program';
}

/** @import { LearnerName, Update, VspaceModule } from './vspace.js' */
/** @import { Observed, PageWindow } from './controls.js' */

export class TeachingPanel {
    // `elements`: steps (the log's list), differences (the note), textbook (the switch), suggest.
    /**
     * @param {PageWindow} vspace
     * @param {VspaceModule} module
     * @param {{ steps: HTMLOListElement; differences: HTMLElement; textbook: HTMLElement; suggest: HTMLButtonElement }} elements
     */
    constructor(vspace, module, elements) {
        this.vspace = vspace;
        this.module = module;
        this.elements = elements;
        /** @type {number | null} */
        this.scrolling = null;
        const { textbook, suggest } = elements;
        textbook.addEventListener('click', () => {
            const learner =
                textbook.getAttribute('aria-checked') === 'true' ? 'Program' : 'Textbook';
            keep(learnerKey, learner);
            this.show(learner);
        });
        suggest.addEventListener('click', () => {
            if (this.vspace.busy) return;
            this.vspace.act((fields) => this.vspace.page.suggest(fields));
            this.vspace.fields.Training[0].focus();
        });
        vspace.observe((update) => this.update(update));
    }

    // A new session: no steps yet.
    start() {
        this.elements.steps.replaceChildren();
    }

    // Shows the learner the page opens with, once the window has started.
    showChosen() {
        if (learnerToOpen() === 'Textbook') this.show('Textbook');
    }

    /** @param {LearnerName} learner */
    show(learner) {
        this.vspace.apply(this.vspace.page.showLearner(this.module.Learner[learner]));
        this.vspace.pressed();
    }

    // While a session plays quietly its entries are not read out one by one.
    /** @param {boolean} on */
    quiet(on) {
        if (on) this.elements.steps.setAttribute('aria-live', 'off');
        else this.elements.steps.removeAttribute('aria-live');
    }

    /** @param {Observed} update */
    update(update) {
        if ('busy' in update) return;
        if (update.steps) this.steps(update.steps);
        if (update.differences) {
            const { differences } = this.elements;
            differences.hidden = update.differences.length === 0;
            differences.querySelector('ul').replaceChildren(
                ...update.differences.map((note) => {
                    const item = document.createElement('li');
                    item.textContent = note;
                    return item;
                })
            );
        }
        if (update.suggestion !== undefined) this.elements.suggest.disabled = !update.suggestion;
        if (update.learner)
            this.elements.textbook.setAttribute(
                'aria-checked',
                String(update.learner === 'Textbook')
            );
    }

    // Takes back the entries after number `keep`, then adds the new ones, and scrolls the newest
    // into view, its start at least, once a frame however many come; screen readers hear them
    // politely.
    /** @param {NonNullable<Update['steps']>} steps */
    steps({ keep, add }) {
        const { steps } = this.elements;
        const items = /** @type {HTMLCollectionOf<HTMLLIElement>} */ (steps.children);
        while (items.length && items[items.length - 1].value > keep)
            items[items.length - 1].remove();
        steps.append(
            ...add.slice(-this.module.keptSteps).map(([number, text]) => {
                const item = document.createElement('li');
                item.textContent = text;
                item.value = number;
                return item;
            })
        );
        for (let extra = steps.childElementCount - this.module.keptSteps; extra > 0; --extra)
            steps.firstElementChild.remove();
        if (this.scrolling) return;
        this.scrolling = requestAnimationFrame(() => {
            this.scrolling = null;
            showNewest(steps);
        });
    }
}
