// What the page tells beyond the window: a Steps panel with one entry a press, newest last (the
// last 500, numbered as they came); a note
// under the lists wherever the program's learner and the textbook learner differ; a switch that
// shows the textbook learner instead of the program's; and a suggested example that splits the
// version space.

// The Steps panel keeps the last this many entries: a long session played in costs no more to lay
// out than a lesson.
const keptSteps = 500;

export class TeachingPanel {
    // `elements`: steps (the log's list), differences (the note), textbook (the switch), suggest;
    // `noSuggestion` says why no example can be suggested.
    constructor(vspace, module, elements, noSuggestion) {
        this.vspace = vspace;
        this.module = module;
        this.elements = elements;
        this.noSuggestion = noSuggestion;
        this.suggestable = false;
        this.count = 0;
        const { textbook, suggest } = elements;
        textbook.addEventListener('click', () => {
            const on = textbook.getAttribute('aria-checked') !== 'true';
            textbook.setAttribute('aria-checked', String(on));
            this.vspace.apply(this.vspace.page.showLearner(this.module.Learner[on ? 'Textbook' : 'Program']));
            this.vspace.pressed();
        });
        suggest.addEventListener('click', () => {
            this.vspace.apply(this.vspace.page.suggest(this.vspace.fieldTexts()));
            this.vspace.fields.Training[0].focus();
        });
        vspace.onUpdate = (update, quietly) => this.update(update, quietly);
    }

    // A new session: no steps yet, the program's learner shown.
    start() {
        this.elements.steps.replaceChildren();
        this.count = 0;
        this.elements.textbook.setAttribute('aria-checked', 'false');
    }

    update(update, quietly) {
        if (update.explanation)
            this.step(update.explanation, quietly);
        if (update.differences) {
            const { differences } = this.elements;
            differences.hidden = update.differences.length === 0;
            differences.querySelector('ul').replaceChildren(...update.differences.map((note) => {
                const item = document.createElement('li');
                item.textContent = note;
                return item;
            }));
        }
        if (update.suggestion !== undefined) {
            this.elements.suggest.disabled = !update.suggestion;
            if (this.suggestable && !update.suggestion && !quietly)
                this.step(this.noSuggestion);
            this.suggestable = update.suggestion;
        }
    }

    // Adds an entry to the Steps panel and scrolls it into view, once a frame however many come;
    // screen readers hear it politely.
    step(text, quietly = false) {
        const item = document.createElement('li');
        item.textContent = text;
        item.value = ++this.count;
        const { steps } = this.elements;
        steps.append(item);
        if (steps.childElementCount > keptSteps)
            steps.firstElementChild.remove();
        if (quietly || this.scrolling)
            return;
        this.scrolling = requestAnimationFrame(() => {
            this.scrolling = null;
            steps.scrollTop = steps.scrollHeight;
        });
    }
}
