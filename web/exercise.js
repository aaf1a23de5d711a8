// Exercises: with the Exercise switch on, a training press (typed, or played with Next press)
// waits while the student writes the next S and G, a row at a time with a field per value,
// starting from S and G as they stand: rows kept, changed, dropped and added. Check marks each row
// right or wrong, says how many are missing and explains the first mistake; an answer all right
// makes the press. Reveal makes it at once. The steps answered right are counted in the history,
// so that Undo takes the count back with the step.

/** @import { CheckedAnswer, CheckedList, Exercise, Row, TextName } from './vspace.js' */
/** @import { Observed, PageWindow } from './controls.js' */

export class ExercisePanel {
    // `elements`: the switch, and the panel with the score, the answer's form and the result.
    /**
     * @param {PageWindow} vspace
     * @param {(name: TextName, ...values: string[]) => string} text
     * @param {{ toggle: HTMLElement; panel: HTMLElement; afterward: () => HTMLElement }} elements
     */
    constructor(vspace, text, elements) {
        this.vspace = vspace;
        this.text = text;
        this.elements = elements;
        const { toggle, panel } = elements;
        this.form = panel.querySelector('form');
        this.score = panel.querySelector('.score');
        this.result = panel.querySelector('.result');
        this.question = panel.querySelector('.question');
        /** @type {Record<'specific' | 'general', HTMLElement>} */
        this.lists = {
            specific: panel.querySelector('.specific'),
            general: panel.querySelector('.general'),
        };
        this.width = 0;
        /** @type {string[]} */
        this.names = [];
        // The rows sent to be checked, to mark.
        /** @type {Record<'specific' | 'general', { element: HTMLElement }[]> | null} */
        this.checking = null;
        toggle.addEventListener('click', () => {
            if (this.vspace.busy) return;
            const on = toggle.getAttribute('aria-checked') !== 'true';
            this.vspace.apply(this.vspace.page.setExercises(on));
            this.vspace.pressed();
        });
        for (const [name, list] of Object.entries(this.lists)) {
            list.querySelector('.add').addEventListener('click', () => {
                this.addRow(/** @type {'specific' | 'general'} */ (name), []);
                list.querySelector('.rows').lastElementChild.querySelector('input').focus();
            });
        }
        this.form.addEventListener('submit', (event) => {
            event.preventDefault();
            this.answer((fields) => {
                const [specific, general] = [this.written('specific'), this.written('general')];
                this.checking = { specific, general };
                return this.vspace.page.check(
                    specific.map(({ row }) => row),
                    general.map(({ row }) => row),
                    fields
                );
            });
        });
        panel
            .querySelector('.reveal')
            .addEventListener('click', () =>
                this.answer((fields) => this.vspace.page.reveal(fields))
            );
        vspace.observe((update) => this.update(update));
    }

    /** @param {(fields: string[]) => string} call */
    answer(call) {
        if (this.vspace.busy || this.vspace.dialogs.open) return;
        const inside = this.elements.panel.contains(document.activeElement);
        const update = this.vspace.act(call);
        this.vspace.pressed();
        if (update.exercise === null && inside) this.elements.afterward().focus();
    }

    /** @param {Observed} update */
    update(update) {
        if ('busy' in update) return;
        const { toggle, panel } = this.elements;
        if (update.attributes) this.names = update.attributes;
        if (update.exercises !== undefined) {
            toggle.setAttribute('aria-checked', String(update.exercises));
            panel.hidden = !update.exercises;
        }
        if (update.answered)
            this.score.textContent = this.text(
                'ExerciseScore',
                String(update.answered.right),
                String(update.answered.of)
            );
        if (update.checked) this.showChecked(update.checked);
        else if (update.exercise !== undefined) this.result.textContent = '';
        if (update.exercise) this.open(update.exercise);
        else if (update.exercise === null) this.form.hidden = true;
    }

    /** @param {Exercise} exercise */
    open(exercise) {
        this.form.hidden = false;
        this.question.textContent = exercise.question;
        this.width = (exercise.specific[0] ?? exercise.general[0] ?? []).length;
        this.width ||= this.vspace.fields.Training.length;
        for (const name of /** @type {const} */ (['specific', 'general'])) {
            this.lists[name].querySelector('.rows').replaceChildren();
            this.lists[name].querySelector('.missing').textContent = '';
            for (const row of exercise[name]) this.addRow(name, row);
        }
        /** @type {HTMLElement} */ (this.form.querySelector('input, button')).focus();
    }

    // A row of fields for `list`, holding `values`, with its Drop button.
    /**
     * @param {'specific' | 'general'} list
     * @param {Row} values
     */
    addRow(list, values) {
        const rows = this.lists[list].querySelector('.rows');
        const row = document.createElement('div');
        row.className = 'row';
        row.setAttribute('role', 'group');
        for (let a = 0; a < this.width; ++a) {
            const field = document.createElement('input');
            field.type = 'text';
            field.autocomplete = 'off';
            field.spellcheck = false;
            field.value = values[a] ?? '';
            field.setAttribute(
                'aria-label',
                this.names[a] || this.text('ExerciseValueName', String(a + 1))
            );
            row.append(field);
        }
        const drop = document.createElement('button');
        drop.type = 'button';
        drop.textContent = this.text('ExerciseDropRow');
        drop.addEventListener('click', () => {
            const next = row.nextElementSibling ?? row.previousElementSibling;
            row.remove();
            this.nameRows(list);
            /** @type {HTMLElement} */ (
                next?.querySelector('input') ?? this.lists[list].querySelector('.add')
            ).focus();
        });
        const mark = document.createElement('span');
        mark.className = 'mark';
        row.append(drop, mark);
        rows.append(row);
        this.nameRows(list);
    }

    // Each row named by its place: "Row 2 of G".
    /** @param {'specific' | 'general'} list */
    nameRows(list) {
        const rows = this.lists[list].querySelectorAll('.row');
        rows.forEach((row, r) =>
            row.setAttribute(
                'aria-label',
                this.text('ExerciseRowName', String(r + 1), list === 'specific' ? 'S' : 'G')
            )
        );
    }

    // The rows written for `list`, those with a value at least, and their elements.
    /**
     * @param {'specific' | 'general'} list
     * @returns {{ row: Row; element: HTMLElement }[]}
     */
    written(list) {
        return [...this.lists[list].querySelectorAll(/** @type {'div'} */ ('.row'))]
            .map((element) => ({
                element,
                row: [...element.querySelectorAll('input')].map((field) =>
                    field.value.toWellFormed()
                ),
            }))
            .filter(({ row }) => row.some((value) => value !== ''));
    }

    // Each row written marked right or wrong, in words as well as in colour; how many are missing;
    // the first mistake, or that all is right, said to screen readers.
    /** @param {CheckedAnswer} checked */
    showChecked(checked) {
        for (const name of /** @type {const} */ (['specific', 'general'])) {
            /** @type {CheckedList} */
            const list = checked[name];
            for (const mark of this.lists[name].querySelectorAll('.mark')) mark.textContent = '';
            (this.checking?.[name] ?? []).forEach(({ element }, r) => {
                const mark = element.querySelector('.mark');
                mark.className = `mark ${list.marks[r]}`;
                mark.textContent = this.text(
                    list.marks[r] === 'right' ? 'ExerciseRight' : 'ExerciseWrong'
                );
            });
            this.lists[name].querySelector('.missing').textContent = list.missing
                ? this.text('ExerciseMissing', String(list.missing))
                : '';
        }
        this.result.textContent = `${checked.counts} ${checked.sentence}`;
        this.result.scrollIntoView({ block: 'nearest' });
    }
}
