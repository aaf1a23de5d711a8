// The Columns dialog: how a table is read, where the defaults may not do (a column that names the
// examples, a label that is not the last column, label words other than the standard ones). It
// shows each column of the first row with what it holds (an attribute, the label, the examples'
// names, or left out) and the words that label positive and negative examples, and lets the user
// change them. This browser keeps the choice for the file's name and first row.

/** @import { TableColumns, TableLayout, TextName } from './vspace.js' */
import { answerOf } from './dialogs.js';
import { keep, kept } from './kept.js';

const storagePrefix = 'vspace-columns:';

/** @type {(name: string, layout: TableLayout) => string} */
const storageKey = (name, layout) => `${storagePrefix}${name}\n${layout.firstRow.join('\n')}`;

// Words typed with commas between them, blanks around each left out.
/** @type {(text: string) => string[]} */
const words = (text) =>
    text
        .split(',')
        .map((word) => word.trim())
        .filter(Boolean);

export class ColumnsDialog {
    // `text(name, ...values)` is a text of the catalog, translated.
    /**
     * @param {HTMLDialogElement} dialog
     * @param {(name: TextName, ...values: string[]) => string} text
     */
    constructor(dialog, text) {
        this.dialog = dialog;
        this.text = text;
        this.prompt = /** @type {HTMLElement} */ (dialog.querySelector('.prompt'));
        this.reason = /** @type {HTMLElement} */ (dialog.querySelector('.reason'));
        this.roles = /** @type {HTMLElement} */ (dialog.querySelector('.roles'));
        this.positive = /** @type {HTMLInputElement} */ (dialog.querySelector('#positive-words'));
        this.negative = /** @type {HTMLInputElement} */ (dialog.querySelector('#negative-words'));
    }

    // The choice this browser keeps for a file of that name and first row, or null.
    /**
     * @param {string} name
     * @param {TableLayout} layout
     * @returns {TableColumns | null}
     */
    kept(name, layout) {
        return /** @type {TableColumns | null} */ (kept(storageKey(name, layout)));
    }

    // Shows how the table `name` was read (`layout`, and why it was refused, if it was) and
    // resolves to the columns chosen, kept by this browser; or null when cancelled.
    /**
     * @param {string} name
     * @param {TableLayout} layout
     * @param {string | undefined} reason
     * @returns {Promise<TableColumns | null>}
     */
    async choose(name, layout, reason) {
        this.prompt.textContent = this.text('ColumnsPrompt', name);
        this.reason.textContent = reason ?? '';
        this.reason.hidden = !reason;
        /** @type {HTMLSelectElement[]} */
        const selects = [];
        this.roles.replaceChildren();
        layout.firstRow.forEach((heading, c) => {
            const select = document.createElement('select');
            select.id = `column-${c + 1}`;
            /** @type {[string, TextName][]} */
            const roles = [
                ['attribute', 'ColumnAttribute'],
                ['label', 'ColumnLabel'],
                ['names', 'ColumnNames'],
                ['left', 'ColumnLeftOut'],
            ];
            for (const [value, role] of roles) select.append(new Option(this.text(role), value));
            select.value =
                c === layout.names
                    ? 'names'
                    : c === layout.label
                      ? 'label'
                      : layout.ignored.includes(c)
                        ? 'left'
                        : 'attribute';
            const column = this.text('ColumnNumbered', String(c + 1));
            const label = Object.assign(document.createElement('label'), {
                htmlFor: select.id,
                textContent: layout.header && heading ? `${column}: ${heading}` : column,
            });
            this.roles.append(label, select);
            selects.push(select);
        });
        this.positive.value = '';
        this.negative.value = '';
        if ((await answerOf(this.dialog)) !== 'ok') return null;
        const [label, names] = ['label', 'names'].map((role) =>
            selects.findIndex((select) => select.value === role)
        );
        /** @type {TableColumns} */
        const columns = {
            label: String((label < 0 ? layout.label : label) + 1),
            names: names < 0 ? '' : String(names + 1),
            ignored: selects.flatMap((select, c) =>
                select.value === 'left' ? [String(c + 1)] : []
            ),
            positive: words(this.positive.value),
            negative: words(this.negative.value),
        };
        keep(storageKey(name, layout), columns);
        return columns;
    }
}
