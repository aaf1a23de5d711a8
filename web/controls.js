// The main window as a page: its controls built from the engine's control table at their stored
// places (one column on a narrow screen, in tab order), as many fields in a row as the instances
// have attributes, and the view through which the engine reads and changes them.

/** @import { ButtonName, Control, FieldRef, LearnerName, ListName, Page, RowName, Update, VspaceModule } from './vspace.js' */
/** @import { MessageDialogs } from './dialogs.js' */

/** What observers of the window see: each update of the engine's once applied, or whether a
 * session starts or stops playing by itself.
 * @typedef {Update | { busy: boolean }} Observed */

/** @type {(twips: number, perPixel: number) => string} */
const px = (twips, perPixel) => `${Math.floor(twips / perPixel)}px`;

// The places of `count` fields of a row, in twips in their frame, from the places the window
// stores for its six (`stored`, in order): up to six take the first of those; more share the box
// of the six in a grid, the training fields four rows high, column after column, the unseen
// fields two rows high (the second below the first), row after row.
/**
 * @param {Control[]} stored
 * @param {number} count
 * @returns {{ left: number; top: number; width: number; height: number }[]}
 */
export function fieldPlaces(stored, count) {
    if (count <= stored.length) return stored.slice(0, count);
    const gap = 60;
    const left = Math.min(...stored.map((c) => c.left));
    const top = Math.min(...stored.map((c) => c.top));
    const right = Math.max(...stored.map((c) => c.left + c.width));
    const bottom = Math.max(...stored.map((c) => c.top + c.height));
    const training = stored[0].row === 'Training';
    const rows = training ? 4 : 2;
    const columns = Math.ceil(count / rows);
    const width = Math.floor((right - left - (columns - 1) * gap) / columns);
    const height = training ? Math.floor((bottom - top - (rows - 1) * gap) / rows) : 300;
    return Array.from({ length: count }, (_, i) => {
        const [row, column] = training
            ? [i % rows, Math.floor(i / rows)]
            : [Math.floor(i / columns), i % columns];
        return {
            left: left + column * (width + gap),
            top: top + row * (height + gap),
            width,
            height,
        };
    });
}

// "&Clear": the caption with its access key underlined, as the engine reads it; the key.
/**
 * @param {HTMLElement} element
 * @param {{ before: string; key: string; after: string }} parsed
 * @returns {string | null}
 */
function caption(element, parsed) {
    element.textContent = parsed.before;
    if (!parsed.key) return null;
    const key = document.createElement('u');
    key.textContent = parsed.key;
    element.append(key, parsed.after);
    return parsed.key.toLowerCase();
}

// The characters kept in view at the end of a long row: a learning-data row's label and what
// comes before it.
const keptAtEnd = 16;

// Characters that read right to left (Hebrew, Arabic, Syriac, Thaana, N'Ko and their neighbours,
// presentation forms, the right-to-left scripts beyond the first plane, the right-to-left mark) or
// change the direction of what follows them (embeddings, overrides and isolates).
const rightToLeft =
    /[\u0590-\u08ff\u200f\u202a-\u202e\u2066-\u2069\ufb1d-\ufdff\ufe70-\ufefe\u{10800}-\u{10fff}\u{1e800}-\u{1efff}]/u;

// A part of a row as a span. In a row with right-to-left text each comma-separated value is in an
// element that isolates its own direction, the commas between them outside, so that each value
// reads in its own direction; any other row reads the same as plain text, which costs less.
/**
 * @param {string} className
 * @param {string} text
 * @param {boolean} isolated
 */
function rowPart(className, text, isolated) {
    const part = document.createElement('span');
    part.className = className;
    if (!isolated) {
        part.textContent = text;
        return part;
    }
    text.split(',').forEach((value, i) => {
        if (i > 0) part.append(',');
        if (value)
            part.append(Object.assign(document.createElement('bdi'), { textContent: value }));
    });
    return part;
}

// A list of rows as a listbox: each option named by its whole row, shown shortened in the middle
// when it is too long, with the end kept in view. The cut between the part that is shortened and
// the end never falls inside a right-to-left value, whose halves would read out of order: it moves
// to the value's start when the end stays short, and to its end otherwise.
// A list given more rows than this at once draws them this many at a time, a task each, so that
// the page keeps painting and answering; a press draws the first of them at once.
const drawnAtOnce = 200;
const drawnFirst = 100;

class ListBox {
    /** @param {HTMLElement} element */
    constructor(element) {
        this.element = element;
        /** @type {HTMLElement | null} */
        this.active = null;
        this.count = 0;
        /** @type {string[]} */
        this.waiting = [];
        /** @type {Promise<void> | null} */
        this.drawing = null;
        /** @type {() => void} */
        this.drawn = () => {};
        this.scroll = false;
        // The rows the last press added, by their place, marked as they are drawn; and what
        // screen readers are told of such a row.
        /** @type {Set<number>} */
        this.marks = new Set();
        this.markDescription = '';
        element.addEventListener('keydown', (event) => this.key(event));
        element.addEventListener('click', (event) => {
            const option = /** @type {Element} */ (event.target).closest('[role=option]');
            if (option) this.activate(/** @type {HTMLElement} */ (option));
        });
    }

    // Adds many rows, `drawnAtOnce` in each task, the last scrolled into view at the end when
    // `scroll`; what reads or changes the list first draws the rest at once. `drawing` resolves
    // when all are in.
    /**
     * @param {string[]} rows
     * @param {boolean} scroll
     */
    appendLater(rows, scroll) {
        this.waiting.push(...rows);
        this.scroll ||= scroll;
        this.drawing ??= new Promise((resolve) => {
            this.drawn = resolve;
            const step = () => {
                if (this.draw(drawnAtOnce)) setTimeout(step, 0);
            };
            setTimeout(step, 0);
        });
    }

    // Draws up to `count` waiting rows; whether some are still waiting.
    draw(count = Infinity) {
        if (!this.drawing) return false;
        for (const row of this.waiting.splice(0, count)) this.add(row);
        if (this.waiting.length) return true;
        if (this.scroll) this.scrollToEnd();
        this.drawing = null;
        this.scroll = false;
        this.drawn();
        return false;
    }

    clear() {
        this.waiting = []; // never drawn
        this.marks = new Set();
        this.draw();
        this.element.replaceChildren();
        this.element.removeAttribute('aria-activedescendant');
        this.active = null;
    }

    /** @param {string} text */
    append(text) {
        this.draw();
        return this.add(text);
    }

    /** @param {string} text */
    add(text) {
        const option = document.createElement('div');
        option.setAttribute('role', 'option');
        option.setAttribute('aria-selected', 'false');
        option.id = `${this.element.id}-${++this.count}`;
        option.title = text;
        option.setAttribute('aria-label', text);
        const characters = Array.from(text);
        let cut = characters.length - Math.min(keptAtEnd, Math.floor(characters.length / 2));
        const start = characters.lastIndexOf(',', cut - 1) + 1;
        const next = characters.indexOf(',', cut);
        const end = next < 0 ? characters.length : next;
        if (start < cut && cut < end && rightToLeft.test(characters.slice(start, end).join('')))
            cut = characters.length - start <= 2 * keptAtEnd ? start : end;
        const isolated = rightToLeft.test(text);
        option.append(
            rowPart('head', characters.slice(0, cut).join(''), isolated),
            rowPart('tail', characters.slice(cut).join(''), isolated)
        );
        this.element.append(option);
        if (this.marks.has(this.element.childElementCount - 1)) this.markOption(option);
        return option;
    }

    // Scrolls the last row into view.
    scrollToEnd() {
        this.element.scrollTop = this.element.scrollHeight;
    }

    // Keeps the first `count` rows.
    /** @param {number} count */
    truncate(count) {
        this.draw();
        while (this.element.childElementCount > count) this.element.lastElementChild.remove();
        if (this.active && !this.active.isConnected) {
            this.active = null;
            this.element.removeAttribute('aria-activedescendant');
        }
    }

    // The rows' texts, in order.
    texts() {
        this.draw();
        return [...this.element.children].map(
            (option) => /** @type {HTMLElement} */ (option).title
        );
    }

    // Marks the rows at `places` as added by the last press, visibly and for screen readers
    // (told `description`), those still to be drawn as they are; the others are not.
    /**
     * @param {number[]} places
     * @param {string} description
     */
    mark(places, description) {
        for (const marked of this.element.querySelectorAll('.added')) {
            marked.classList.remove('added');
            marked.removeAttribute('aria-description');
        }
        this.marks = new Set(places);
        this.markDescription = description;
        for (const place of places) {
            const option = /** @type {HTMLElement | undefined} */ (this.element.children[place]);
            if (option) this.markOption(option);
        }
    }

    /** @param {HTMLElement} option */
    markOption(option) {
        option.classList.add('added');
        option.setAttribute('aria-description', this.markDescription);
    }

    /** @param {HTMLElement} option */
    activate(option) {
        this.active?.setAttribute('aria-selected', 'false');
        this.active = option;
        option.setAttribute('aria-selected', 'true');
        this.element.setAttribute('aria-activedescendant', option.id);
        option.scrollIntoView({ block: 'nearest' });
    }

    /** @param {KeyboardEvent} event */
    key(event) {
        this.draw();
        const first = /** @type {HTMLElement | null} */ (this.element.firstElementChild);
        const last = /** @type {HTMLElement | null} */ (this.element.lastElementChild);
        /** @type {Record<string, Element | null>} */
        const moves = {
            ArrowDown: this.active?.nextElementSibling ?? (this.active ? null : first),
            ArrowUp: this.active?.previousElementSibling ?? (this.active ? null : first),
            Home: first,
            End: last,
        };
        if (!(event.key in moves)) return;
        event.preventDefault();
        if (moves[event.key]) this.activate(/** @type {HTMLElement} */ (moves[event.key]));
    }
}

export class PageWindow {
    // `module` is the engine's module, `texts` every text of its catalog in the page's language,
    // `marked` the description of a row the last press added.
    /**
     * @param {HTMLElement} root
     * @param {VspaceModule} module
     * @param {string[]} texts
     * @param {MessageDialogs} dialogs
     * @param {string} marked
     */
    constructor(root, module, texts, dialogs, marked) {
        this.root = root;
        this.module = module;
        this.texts = texts;
        this.dialogs = dialogs;
        this.marked = marked;
        /** @type {Record<RowName, HTMLInputElement[]>} */
        this.fields = { Training: [], Unseen: [] };
        /** @type {Record<RowName, Control[]>} */
        this.storedFields = { Training: [], Unseen: [] };
        /** @type {(element: HTMLElement, control: Control) => void} */
        this.place = () => {};
        this.lists = /** @type {Record<ListName, ListBox>} */ ({});
        this.buttons = /** @type {Record<ButtonName, HTMLButtonElement>} */ ({});
        /** @type {Map<string, HTMLButtonElement>} */
        this.accessKeys = new Map();
        this.onClose = () => {};
        this.onPressed = () => {};
        /** @type {((update: Observed) => void)[]} */
        this.observers = [];
        this.busy = false;
        /** @type {Page | undefined} */
        this.page = undefined;
        this.build(module.controlTable());
        document.addEventListener('keydown', (event) => this.shortcut(event));
    }

    // `observer(update)` sees every update after the window has applied it, and
    // {busy} when a session starts or stops playing by itself.
    /** @param {(update: Observed) => void} observer */
    observe(observer) {
        this.observers.push(observer);
    }

    // While busy, a session plays by itself: the window's buttons wait.
    /** @param {boolean} busy */
    setBusy(busy) {
        this.busy = busy;
        for (const observer of this.observers) observer({ busy });
    }

    /** @param {Control[]} table */
    build(table) {
        const perPixel = this.module.twipsPerPixel;
        const frames = new Map(table.filter((c) => c.kind === 'frame').map((c) => [c.name, c]));
        /** @type {(element: HTMLElement, control: Control) => void} */
        const place = (element, control) => {
            const frame = frames.get(control.container);
            element.style.setProperty('--left', px(control.left + (frame?.left ?? 0), perPixel));
            element.style.setProperty('--top', px(control.top + (frame?.top ?? 0), perPixel));
            element.style.setProperty('--width', px(control.width, perPixel));
            element.style.setProperty(
                '--height',
                px(control.visibleHeight ?? control.height, perPixel)
            );
        };
        this.place = place;
        for (const control of table.filter((c) => c.kind === 'field'))
            this.storedFields[control.row][control.index - 1] = control;
        const decorations = table.filter((c) => c.kind === 'frame' || c.kind === 'label');
        for (const control of decorations) {
            const element = document.createElement('div');
            element.className = control.kind;
            element.setAttribute('aria-hidden', 'true');
            const text = document.createElement('span');
            text.textContent = this.texts[control.caption];
            element.append(text);
            place(element, control);
            this.root.append(element);
        }
        const focusable = table.filter((c) => !decorations.includes(c));
        for (const control of focusable.sort((a, b) => a.tabIndex - b.tabIndex))
            this.root.append(...this.create(control, place));
        document.fonts.ready.then(() => this.fitCaptions());
    }

    // A caption too wide for its control, as a translation may make it: the control keeps its
    // stored size and its text shrinks, down to 8 px; what still does not fit ends in "…", the
    // whole caption in the tooltip.
    fitCaptions() {
        for (const caption of this.root.querySelectorAll(
            /** @type {'span'} */ ('.window > button, .window > .label > span')
        )) {
            const box = /** @type {HTMLElement} */ (caption.closest('button, .label'));
            for (let size = 11; box.scrollWidth > box.clientWidth && size > 8; size -= 0.5)
                caption.style.fontSize = `${size - 0.5}px`;
            if (box.scrollWidth > box.clientWidth) {
                caption.classList.add('elided');
                box.title = caption.textContent;
            }
        }
    }

    // Gives `button` the caption `text`, its access key ("&") underlined; Alt and the key press
    // it, wherever the focus is.
    /**
     * @param {HTMLElement} button
     * @param {string} text
     */
    accessKey(button, text) {
        const key = caption(button, this.module.accessKey(text));
        if (key) {
            this.accessKeys.set(key, /** @type {HTMLButtonElement} */ (button));
            button.setAttribute('aria-keyshortcuts', `Alt+${key.toUpperCase()}`);
        }
    }

    // The control's element, after the heading that names it on a narrow screen.
    /**
     * @param {Control} control
     * @param {(element: HTMLElement, control: Control) => void} place
     */
    create(control, place) {
        const name =
            control.accessibleName >= 0
                ? this.module.format(this.texts[control.accessibleName], [
                      String(control.index ?? ''),
                  ])
                : null;
        let element;
        if (control.kind === 'field') {
            element = document.createElement('input');
            element.type = 'text';
            element.autocomplete = 'off';
            element.spellcheck = false;
            element.addEventListener('keydown', (event) => {
                if (event.key === 'Enter' && !event.isComposing) {
                    event.preventDefault();
                    this.apply(
                        this.page.keyPress(
                            this.module.FieldRow[control.row],
                            control.index,
                            this.module.enterKey,
                            this.fieldTexts()
                        )
                    );
                }
            });
            this.fields[control.row][control.index - 1] = element;
        } else if (control.kind === 'list') {
            element = document.createElement('div');
            element.setAttribute('role', 'listbox');
            element.tabIndex = 0;
            this.lists[control.list] = new ListBox(element);
        } else {
            element = document.createElement('button');
            element.type = 'button';
            this.accessKey(element, this.texts[control.caption]);
            element.addEventListener('click', () => this.press(control.button));
            this.buttons[control.button] = element;
        }
        element.id = control.name;
        element.className = control.kind;
        if (name) element.setAttribute('aria-label', name);
        place(element, control);
        if (!name) return [element];
        const heading = document.createElement('div');
        heading.className = 'narrow';
        heading.setAttribute('aria-hidden', 'true');
        heading.textContent = name;
        return [heading, element];
    }

    // Makes `count` fields in each row, empty, in place of those there are: in the places
    // fieldPlaces() gives them, in tab order where the row's fields were.
    /** @param {number} count */
    setFieldCount(count) {
        for (const row of /** @type {RowName[]} */ (['Training', 'Unseen'])) {
            const old = this.fields[row];
            const next = old.at(-1).nextSibling;
            for (const field of old) {
                if (field.previousElementSibling?.classList.contains('narrow'))
                    field.previousElementSibling.remove();
                field.remove();
            }
            this.fields[row] = [];
            const stored = this.storedFields[row];
            fieldPlaces(stored, count).forEach((place, i) => {
                const control = {
                    ...stored[Math.min(i, stored.length - 1)],
                    ...place,
                    name: `${stored[0].name.split('_')[0]}_${i + 1}`,
                    index: i + 1,
                };
                for (const element of this.create(control, this.place)) {
                    // More than the window's six share its boxes: less padding, more text.
                    element.classList.toggle('packed', count > stored.length);
                    this.root.insertBefore(element, next);
                }
            });
        }
    }

    // A new session: empty fields and lists, the engine in its initial state with the attributes
    // `names` (none: six unnamed), the first training field focused.
    /** @param {string[]} [names] */
    start(names = []) {
        if (this.fields.Training.length !== this.storedFields.Training.length)
            this.setFieldCount(this.storedFields.Training.length);
        for (const field of [...this.fields.Training, ...this.fields.Unseen]) field.value = '';
        for (const list of Object.values(this.lists)) list.clear();
        this.page?.delete();
        this.page = new this.module.Page(this.texts, names);
        this.apply(this.page.start());
        this.root.hidden = false;
        this.fields.Training[0].focus();
        this.onPressed();
    }

    // Presses the button of that name, with the fields as they stand.
    /** @param {ButtonName} button */
    press(button) {
        if (this.dialogs.open || this.busy) return;
        this.act((fields) => this.page.press(this.module.Button[button], fields));
        this.pressed();
    }

    // After a press, or a run of them: the dialogs it showed, and whatever follows the window.
    pressed() {
        this.dialogs.show();
        this.onPressed();
    }

    // Calls the engine with the fields' texts and the focus, and applies its update.
    /**
     * @param {(fields: string[]) => string} call
     * @param {boolean} [quietly]
     */
    act(call, quietly = false) {
        return this.apply(call(this.fieldTexts()), quietly);
    }

    // Undoes the last action (`undo`), or does the last undone again: the engine's update brings
    // back the form, the focus, the marks and the session's place.
    /** @param {boolean} undo */
    stepThroughHistory(undo) {
        if (this.dialogs.open) return null;
        const update = this.act((fields) =>
            undo ? this.page.undo(fields) : this.page.redo(fields)
        );
        this.onPressed();
        return update;
    }

    // Resolves when the lists have drawn every row they were given.
    drawn() {
        return Promise.all(Object.values(this.lists).map((list) => list.drawing));
    }

    // The fields' texts, training then unseen, each a well-formed string: a lone surrogate
    // pasted in becomes U+FFFD, as in any UTF-8 text, and never takes its neighbour with it; then
    // the id of the element with the focus, which an action keeps to be given back by its undo.
    fieldTexts() {
        return [...this.fields.Training, ...this.fields.Unseen]
            .map((field) => field.value.toWellFormed())
            .concat(document.activeElement?.id ?? '');
    }

    // Shows an update of the engine: everything one call changed, in one pass. The rows a press
    // added to G, S and the version space are marked, until the next press.
    /**
     * @param {string} json
     * @param {boolean} [quietly]
     * @returns {Update}
     */
    apply(json, quietly = false) {
        /** @type {Update} */
        const update = JSON.parse(json);
        for (const { list, clear, keep, rows } of update.lists) {
            if (clear) this.lists[list].clear();
            else if (keep !== undefined) this.lists[list].truncate(keep);
            if (rows.length > drawnAtOnce) {
                // Those in view first, unless played quietly; the rest after.
                const first = quietly ? 0 : drawnFirst;
                for (const row of rows.slice(0, first)) this.lists[list].append(row);
                this.lists[list].appendLater(rows.slice(first), list === 'LearningData');
                continue;
            }
            for (const row of rows) this.lists[list].append(row);
            // The newest learning-data entry in view; laid out once, however many rows came.
            if (list === 'LearningData' && rows.length) this.lists[list].scrollToEnd();
        }
        // The rows the last press added, marked until the next press.
        for (const [list, added] of Object.entries(update.marks ?? {}))
            this.lists[/** @type {ListName} */ (list)].mark(added, this.marked);
        if (update.fieldCount !== undefined) this.setFieldCount(update.fieldCount);
        /** @type {(at: FieldRef) => HTMLInputElement} */
        const field = ({ row, index }) => this.fields[row][index - 1];
        for (const { field: at, text } of update.fields) field(at).value = text;
        for (const [button, enabled] of Object.entries(update.enabled))
            this.buttons[button].disabled = !enabled;
        if (update.selection) {
            const { field: at, start, length } = update.selection;
            field(at).setSelectionRange(start, start + length);
        }
        if (update.focus)
            (update.focus.field
                ? field(update.focus.field)
                : this.buttons[update.focus.button]
            ).focus();
        for (const { title, text } of update.messages) this.dialogs.add(text, title);
        if (update.download !== undefined && !quietly) download(update.download, 'hypothesis.txt');
        if (update.closed) this.onClose();
        for (const observer of this.observers) observer(update);
        return update;
    }

    // Alt and an access key press its button, wherever the focus is, whatever the keyboard
    // layout: where the key types no Latin letter or digit (a Thai or Greek layout, or a character
    // Alt makes), the Latin letter or digit at its place on the keyboard counts.
    /** @param {KeyboardEvent} event */
    shortcut(event) {
        const typed = event.key.toLowerCase();
        const place = /^(?:Key|Digit)(.)$/.exec(event.code);
        const key =
            /^[a-z0-9]$/.test(typed) || this.accessKeys.has(typed) || !place
                ? typed
                : place[1].toLowerCase();
        const button = this.accessKeys.get(key);
        if (
            !event.altKey ||
            event.ctrlKey ||
            event.metaKey ||
            button === undefined ||
            this.root.hidden ||
            button.disabled ||
            document.querySelector('dialog[open]')
        )
            return;
        event.preventDefault();
        button.click();
    }
}

// Offers `text`, in UTF-8, as a file of that name to save.
/**
 * @param {string} text
 * @param {string} name
 */
export function download(text, name) {
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([text], { type: 'text/plain' }));
    link.download = name;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 60000);
}
