// The names of the six attributes: typed in the Attributes dialog and kept by this browser, or
// given by the session file that is open, whose names come first while it is open (until names
// are typed again). They name the training and unseen fields (placeholder, tooltip and accessible
// name) and a line of the diagram's legend, so that a row such as "Sunny,Warm,?,…" reads
// attribute by attribute. Without names the fields keep the names the window gives them.

/** @import { PageWindow } from './controls.js' */
/** @import { TextName } from './vspace.js' */

const storageKey = 'vspace-attributes';

// The names this browser keeps: six texts, at least one of them not empty; or null.
/** @returns {string[] | null} */
function keptNames() {
    try {
        const names = JSON.parse(localStorage.getItem(storageKey));
        return Array.isArray(names) &&
            names.length === 6 &&
            names.every((name) => typeof name === 'string') &&
            names.some((name) => name)
            ? names
            : null;
    } catch {
        return null;
    }
}

// Six names with at least one not empty, or null.
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
        /** @type {string[] | null} */
        this.session = null; // the names of the session open, unless names were typed since
        this.seen = 'null'; // the names of the session open, as last seen in an update
        this.inputs = Array.from({ length: 6 }, (_, a) => {
            const input = Object.assign(document.createElement('input'), {
                type: 'text',
                id: `attribute-${a + 1}`,
                autocomplete: 'off',
                spellcheck: false,
            });
            const label = Object.assign(document.createElement('label'), {
                htmlFor: input.id,
                textContent: text('AttributeName', String(a + 1)),
            });
            dialog.querySelector('.names').append(label, input);
            return input;
        });
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
        // A session opened, undone, redone or ended brings its own names, or none.
        vspace.observe((update) => {
            if ('busy' in update || (!('session' in update) && !update.closed)) return;
            const names = update.closed ? null : named(update.session?.attributes);
            if (JSON.stringify(names) === this.seen) return;
            this.seen = JSON.stringify(names);
            this.session = names;
            this.show();
        });
        this.show();
    }

    // The names in use: the open session's, otherwise this browser's; null when there are none.
    get names() {
        return this.session ?? keptNames();
    }

    // Opens the dialog on the names in use.
    edit() {
        const names = this.names ?? [];
        this.inputs.forEach((input, a) => {
            input.value = names[a] ?? '';
        });
        this.dialog.returnValue = '';
        this.dialog.showModal();
    }

    // The names typed: kept by this browser (forgotten when all are empty) and in use from now on,
    // also over the open session's.
    /** @param {string[]} names */
    keep(names) {
        try {
            if (named(names)) localStorage.setItem(storageKey, JSON.stringify(names));
            else localStorage.removeItem(storageKey);
        } catch {
            // A browser that keeps nothing still uses the names until the page is left.
        }
        this.session = named(names);
        this.show();
    }

    show() {
        const names = this.names;
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
