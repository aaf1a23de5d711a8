// The main window as a page: its controls built from the engine's control table at their stored
// places (one column on a narrow screen, in tab order), and the view through which the engine
// reads and changes them.

const px = (twips, perPixel) => `${Math.floor(twips / perPixel)}px`;

// "&Clear": the caption with its access key underlined, as the engine reads it; the key.
function caption(element, parsed) {
    element.textContent = parsed.before;
    if (!parsed.key)
        return null;
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
const rightToLeft = /[\u0590-\u08ff\u200f\u202a-\u202e\u2066-\u2069\ufb1d-\ufdff\ufe70-\ufefe\u{10800}-\u{10fff}\u{1e800}-\u{1efff}]/u;

// A part of a row as a span. In a row with right-to-left text each comma-separated value is in an
// element that isolates its own direction, the commas between them outside, so that each value
// reads in its own direction; any other row reads the same as plain text, which costs less.
function rowPart(className, text, isolated) {
    const part = document.createElement('span');
    part.className = className;
    if (!isolated) {
        part.textContent = text;
        return part;
    }
    text.split(',').forEach((value, i) => {
        if (i > 0)
            part.append(',');
        if (value)
            part.append(Object.assign(document.createElement('bdi'), { textContent: value }));
    });
    return part;
}

// A list of rows as a listbox: each option named by its whole row, shown shortened in the middle
// when it is too long, with the end kept in view. The cut between the part that is shortened and
// the end never falls inside a right-to-left value, whose halves would read out of order: it moves
// to the value's start when the end stays short, and to its end otherwise.
class ListBox {
    constructor(element) {
        this.element = element;
        this.active = null;
        this.count = 0;
        element.addEventListener('keydown', (event) => this.key(event));
        element.addEventListener('click', (event) => {
            const option = event.target.closest('[role=option]');
            if (option)
                this.activate(option);
        });
    }

    clear() {
        this.element.replaceChildren();
        this.element.removeAttribute('aria-activedescendant');
        this.active = null;
    }

    append(text, scrollTo) {
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
        option.append(rowPart('head', characters.slice(0, cut).join(''), isolated),
                      rowPart('tail', characters.slice(cut).join(''), isolated));
        this.element.append(option);
        if (scrollTo)
            this.element.scrollTop = this.element.scrollHeight;
        return option;
    }

    // The rows' texts, in order.
    texts() {
        return [...this.element.children].map((option) => option.title);
    }

    // Marks an option as added by the last press, visibly and for screen readers; `null` unmarks
    // every option.
    mark(option, description) {
        if (option) {
            option.classList.add('added');
            option.setAttribute('aria-description', description);
            return;
        }
        for (const marked of this.element.querySelectorAll('.added')) {
            marked.classList.remove('added');
            marked.removeAttribute('aria-description');
        }
    }

    activate(option) {
        this.active?.setAttribute('aria-selected', 'false');
        this.active = option;
        option.setAttribute('aria-selected', 'true');
        this.element.setAttribute('aria-activedescendant', option.id);
        option.scrollIntoView({ block: 'nearest' });
    }

    key(event) {
        const first = this.element.firstElementChild;
        const last = this.element.lastElementChild;
        const moves = {
            ArrowDown: this.active?.nextElementSibling ?? (this.active ? null : first),
            ArrowUp: this.active?.previousElementSibling ?? (this.active ? null : first),
            Home: first,
            End: last,
        };
        if (!(event.key in moves))
            return;
        event.preventDefault();
        if (moves[event.key])
            this.activate(moves[event.key]);
    }
}

export class PageWindow {
    // `module` is the engine's module, `texts` every text of its catalog in the page's language,
    // `marked` the description of a row the last press added.
    constructor(root, module, texts, dialogs, marked) {
        this.root = root;
        this.module = module;
        this.texts = texts;
        this.dialogs = dialogs;
        this.marked = marked;
        this.fields = { Training: [], Unseen: [] };
        this.lists = {};
        this.buttons = {};
        this.accessKeys = new Map();
        this.onClose = () => {};
        this.onPressed = () => {};
        this.onUpdate = () => {};
        this.learner = 'Program';
        // While set, messages go here instead of to dialogs, and nothing is downloaded.
        this.quietMessages = null;
        this.build(module.controlTable());
        document.addEventListener('keydown', (event) => this.shortcut(event));
    }

    build(table) {
        const perPixel = this.module.twipsPerPixel;
        const frames = new Map(table.filter((c) => c.kind === 'frame').map((c) => [c.name, c]));
        const place = (element, control) => {
            const frame = frames.get(control.container);
            element.style.setProperty('--left', px(control.left + (frame?.left ?? 0), perPixel));
            element.style.setProperty('--top', px(control.top + (frame?.top ?? 0), perPixel));
            element.style.setProperty('--width', px(control.width, perPixel));
            element.style.setProperty('--height', px(control.visibleHeight ?? control.height, perPixel));
        };
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
        for (const caption of this.root.querySelectorAll('.window > button, .window > .label > span')) {
            const box = caption.closest('button, .label');
            for (let size = 11; box.scrollWidth > box.clientWidth && size > 8; size -= 0.5)
                caption.style.fontSize = `${size - 0.5}px`;
            if (box.scrollWidth > box.clientWidth) {
                caption.classList.add('elided');
                box.title = caption.textContent;
            }
        }
    }

    // The control's element, after the heading that names it on a narrow screen.
    create(control, place) {
        const name = control.accessibleName >= 0
            ? this.module.format(this.texts[control.accessibleName], [String(control.index ?? '')])
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
                    this.apply(this.page.keyPress(this.module.FieldRow[control.row], control.index,
                                                  this.module.enterKey, this.fieldTexts()));
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
            const key = caption(element, this.module.accessKey(this.texts[control.caption]));
            if (key) {
                this.accessKeys.set(key, control.button);
                element.setAttribute('aria-keyshortcuts', `Alt+${key.toUpperCase()}`);
            }
            element.addEventListener('click', () => this.press(control.button));
            this.buttons[control.button] = element;
        }
        element.id = control.name;
        element.className = control.kind;
        if (name)
            element.setAttribute('aria-label', name);
        place(element, control);
        if (!name)
            return [element];
        const heading = document.createElement('div');
        heading.className = 'narrow';
        heading.setAttribute('aria-hidden', 'true');
        heading.textContent = name;
        return [heading, element];
    }

    // A new session: empty fields and lists, the engine in its initial state, the first training
    // field focused.
    start() {
        for (const field of [...this.fields.Training, ...this.fields.Unseen])
            field.value = '';
        for (const list of Object.values(this.lists))
            list.clear();
        this.page?.delete();
        this.page = new this.module.Page(this.texts);
        this.apply(this.page.start());
        this.root.hidden = false;
        this.fields.Training[0].focus();
        this.onPressed();
    }

    // Presses the button of that name, with the fields as they stand; `quietly` keeps its
    // messages and its download back, for the caller to collect.
    press(button, quietly = false) {
        if (this.dialogs.open)
            return;
        this.apply(this.page.press(this.module.Button[button], this.fieldTexts()), quietly);
        if (!quietly)
            this.pressed();
    }

    // After a press, or a run of them: the dialogs it showed, and whatever follows the window.
    pressed() {
        this.dialogs.show();
        this.onPressed();
    }

    fieldTexts() {
        return [...this.fields.Training, ...this.fields.Unseen].map((field) => field.value);
    }

    // Types six values into a row of fields, as a session file gives them.
    type(row, values) {
        values.forEach((value, a) => { this.fields[row][a].value = value; });
    }

    // Shows an update of the engine: everything one press or key changed, in one pass. The rows a
    // press added to G, S and the version space are marked, until the next press.
    apply(json, quietly = false) {
        const update = JSON.parse(json);
        const pressed = 'outcome' in update;
        const marking = pressed && update.learner === this.learner && !quietly;
        this.learner = update.learner ?? this.learner;
        for (const list of pressed ? ['General', 'Specific', 'VersionSpace'] : [])
            this.lists[list].mark(null);
        for (const { list, clear, rows } of update.lists) {
            const before = marking && clear && list !== 'LearningData' ? new Set(this.lists[list].texts()) : null;
            if (clear)
                this.lists[list].clear();
            for (const row of rows) {
                const option = this.lists[list].append(row, list === 'LearningData');
                if (before && !before.has(row))
                    this.lists[list].mark(option, this.marked);
            }
        }
        const field = ({ row, index }) => this.fields[row][index - 1];
        for (const { field: at, text } of update.fields)
            field(at).value = text;
        for (const [button, enabled] of Object.entries(update.enabled))
            this.buttons[button].disabled = !enabled;
        if (update.selection) {
            const { field: at, start, length } = update.selection;
            field(at).setSelectionRange(start, start + length);
        }
        if (update.focus)
            (update.focus.field ? field(update.focus.field) : this.buttons[update.focus.button]).focus();
        for (const { title, text } of update.messages)
            (this.quietMessages ?? ((t, h) => this.dialogs.add(t, h)))(text, title);
        if (update.download !== undefined && !quietly)
            download(new TextEncoder().encode(update.download), 'hypothesis.txt');
        if (update.closed)
            this.onClose();
        this.onUpdate(update, quietly);
        return update;
    }

    // Alt and a button's access key press it, wherever the focus is.
    shortcut(event) {
        const button = this.accessKeys.get(event.key.toLowerCase());
        if (!event.altKey || event.ctrlKey || event.metaKey || button === undefined || this.root.hidden)
            return;
        event.preventDefault();
        this.buttons[button].click();
    }
}

// Offers `bytes` as a file of that name to save.
function download(bytes, name) {
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([bytes], { type: 'text/plain' }));
    link.download = name;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 60000);
}
