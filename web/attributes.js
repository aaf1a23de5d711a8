// The attributes: how many the instances have (1 to 16) and their names, set in the Attributes
// dialog and kept by this browser, or given by the session file opened. The engine holds the names
// in use, so that Undo takes them back with the work; a new number of attributes is a fresh
// start. The names name the training and unseen fields (placeholder, tooltip and accessible name)
// and a line of the diagram's legend, so that a row such as "Sunny,Warm,?,…" reads attribute by
// attribute. Without names the fields keep the names the window gives them.

import { keep, kept } from './kept.js';

/** @import { PageWindow } from './controls.js' */
/** @import { TextName } from './vspace.js' */

const storageKey = 'vspace-attributes';
const mostAttributes = 16;

// The names this browser keeps: one text for each attribute, 1 to 16 of them; or none.
/** @returns {string[]} */
export function keptNames() {
    const names = kept(storageKey);
    return Array.isArray(names) &&
        names.length >= 1 &&
        names.length <= mostAttributes &&
        names.every((name) => typeof name === 'string')
        ? names
        : [];
}

// Names with at least one not empty, or null.
/** @type {(names: string[] | null | undefined) => string[] | null} */
const named = (names) => (names?.some((name) => name) ? names : null);

// Each field's accessible name without an attribute's name, as the window gave it.
/** @type {WeakMap<HTMLInputElement, string | null>} */
const plainNames = new WeakMap();

// Names the training and unseen fields after `names` (null: none): "Training value 1: Sky" is the
// accessible name and the tooltip, "Sky" the placeholder; a field whose attribute is unnamed keeps
// its plain name. `text(name, ...values)` is a text of the catalog, translated.
/**
 * @param {PageWindow['fields']} fields
 * @param {string[] | null} names
 * @param {(name: TextName, ...values: string[]) => string} text
 */
function nameFields(fields, names, text) {
    for (const [row, label] of /** @type {const} */ ([
        ['Training', 'TrainingValueNamed'],
        ['Unseen', 'UnseenValueNamed'],
    ])) {
        fields[row].forEach((field, a) => {
            if (!plainNames.has(field)) plainNames.set(field, field.getAttribute('aria-label'));
            const name = names?.[a] ?? '';
            const accessible = name ? text(label, String(a + 1), name) : plainNames.get(field);
            field.setAttribute('aria-label', accessible);
            field.placeholder = name;
            if (name) field.title = accessible;
            else field.removeAttribute('title');
            const heading = field.previousElementSibling; // above the field on a narrow screen
            if (heading?.classList.contains('narrow')) heading.textContent = accessible;
        });
    }
}

export class AttributeNames {
    // `vspace` is the page's window; `text(name, ...values)` a text of the catalog, translated;
    // `elements`: the button that opens the dialog, the dialog, the diagram's legend.
    /**
     * @param {PageWindow} vspace
     * @param {(name: TextName, ...values: string[]) => string} text
     * @param {{ button: HTMLButtonElement; dialog: HTMLDialogElement; legend: HTMLElement }} elements
     */
    constructor(vspace, text, { button, dialog, legend }) {
        this.vspace = vspace;
        this.text = text;
        this.dialog = dialog;
        /** @type {string[]} */
        this.names = []; // in use, as the engine last gave them
        this.fieldsNamed = 'null'; // the names the fields and the legend show
        const list = /** @type {HTMLElement} */ (dialog.querySelector('.names'));
        this.count = Object.assign(document.createElement('input'), {
            type: 'number',
            id: 'attribute-count',
            min: '1',
            max: String(mostAttributes),
        });
        list.append(
            Object.assign(document.createElement('label'), {
                htmlFor: this.count.id,
                textContent: text('AttributeCount'),
            }),
            this.count
        );
        /** @type {HTMLInputElement[]} */
        this.inputs = [];
        this.count.addEventListener('input', () => this.showInputs(this.typedCount()));
        this.list = list;
        this.legend = Object.assign(document.createElement('li'), {
            className: 'attributes',
            hidden: true,
        });
        legend.append(this.legend);
        button.addEventListener('click', () => this.edit());
        dialog.addEventListener('close', () => {
            if (dialog.returnValue === 'ok')
                this.keep(this.inputs.map((input) => input.value.trim()));
            button.focus();
        });
        // Every update but a key's brings the names in use; new fields are named anew.
        vspace.observe((update) => {
            if ('busy' in update || !update.attributes) return;
            this.names = update.attributes;
            if (update.fieldCount !== undefined) this.fieldsNamed = '';
            this.show();
        });
    }

    // The number typed in the dialog, within 1 to 16.
    typedCount() {
        const count = Math.round(Number(this.count.value));
        return Number.isFinite(count) ? Math.min(Math.max(count, 1), mostAttributes) : 1;
    }

    // A name field for each of `count` attributes, those typed kept.
    /** @param {number} count */
    showInputs(count) {
        while (this.inputs.length > count) {
            const input = this.inputs.pop();
            input.labels[0].remove();
            input.remove();
        }
        while (this.inputs.length < count) {
            const a = this.inputs.length;
            const input = Object.assign(document.createElement('input'), {
                type: 'text',
                id: `attribute-${a + 1}`,
                autocomplete: 'off',
                spellcheck: false,
            });
            const label = Object.assign(document.createElement('label'), {
                htmlFor: input.id,
                textContent: this.text('AttributeName', String(a + 1)),
            });
            this.list.append(label, input);
            this.inputs.push(input);
        }
    }

    // Opens the dialog on the number and the names in use.
    edit() {
        if (this.vspace.busy) return;
        this.count.value = String(this.names.length);
        this.showInputs(this.names.length);
        this.inputs.forEach((input, a) => {
            input.value = this.names[a] ?? '';
        });
        this.dialog.returnValue = '';
        this.dialog.showModal();
    }

    // The names typed, one for each attribute: in use from now on, as an action that Undo takes
    // back, and kept by this browser for the next visit (forgotten when they are six and empty).
    /** @param {string[]} names */
    keep(names) {
        keep(storageKey, names.length !== 6 || named(names) ? names : null);
        this.vspace.act((fields) => this.vspace.page.setAttributes(names, fields));
        this.vspace.onPressed();
    }

    show() {
        const names = named(this.names);
        if (JSON.stringify(names) === this.fieldsNamed) return;
        this.fieldsNamed = JSON.stringify(names);
        nameFields(this.vspace.fields, names, this.text);
        this.legend.hidden = !names;
        this.legend.textContent = names
            ? this.text(
                  'LegendAttributes',
                  names
                      .map((name, a) => name || this.text('AttributeName', String(a + 1)))
                      .join(', ')
              )
            : '';
    }
}
