// vspace in the browser: the engine compiled to WebAssembly, behind the window's controls; the
// version space drawn beside them; session files played in, the examples among them; undo and
// redo; the attributes named; and, once usable, the whole site kept for working offline.

import createVspace from './vspace.js';
import { PageWindow } from './controls.js';
import { AttributeNames, keptNames } from './attributes.js';
import { ColumnsDialog } from './columns.js';
import { DiagramPanel } from './diagram.js';
import { MessageDialogs } from './dialogs.js';
import { ExamplesMenu } from './examples.js';
import { ExercisePanel } from './exercise.js';
import { HistoryKeys } from './history.js';
import { QuestionDialog } from './question.js';
import { PresentView } from './present.js';
import { SessionPlayer } from './session.js';
import { TeachingPanel } from './teaching.js';
import { languages } from './languages.js';
import { readLessonLink } from './link.js';
/** @import { TextName } from './vspace.js' */

// The page speaks the first of the browser's languages it has a translation for; English when
// English comes first or none is found.
function chooseLanguage() {
    for (const tag of navigator.languages ?? [navigator.language]) {
        const primary = tag.toLowerCase().split('-')[0];
        if (primary === 'en' || languages.includes(primary)) return primary;
    }
    return 'en';
}

// The translation of every text, from the same Qt Linguist file the window's comes from: a text,
// or a text's plural forms in the language's order. English has its plural forms alone.
/**
 * @param {string} language
 * @returns {Promise<Map<string, string | string[]>>}
 */
async function loadTranslation(language) {
    const translation = new Map();
    const source = await (await fetch(`translations/vspace_${language}.ts`)).text();
    const xml = new DOMParser().parseFromString(source, 'application/xml');
    for (const context of xml.querySelectorAll('context')) {
        const name = context.querySelector('name').textContent;
        for (const message of context.querySelectorAll('message')) {
            const forms = [...message.querySelectorAll('numerusform')].map(
                (form) => form.textContent
            );
            translation.set(
                `${name}|${message.querySelector('source').textContent}`,
                forms.length ? forms : message.querySelector('translation').textContent
            );
        }
    }
    return translation;
}

// A lesson by link speaks the language it was made in, where the page has it.
const linked = await readLessonLink(location.hash);
const linkedLanguage = linked && 'lesson' in linked ? linked.language : '';
const language =
    linkedLanguage === 'en' || languages.includes(linkedLanguage)
        ? linkedLanguage
        : chooseLanguage();
const [module, translation] = await Promise.all([createVspace(), loadTranslation(language)]);
document.documentElement.lang = language;
/** @type {(context: string, english: string) => string} */
const translate = (context, english) => {
    const text = translation.get(`${context}|${english}`);
    return typeof text === 'string' && text ? text : english;
};
// The plural form for `n`: the language's forms come in the order of its plural categories.
/** @type {Intl.LDMLPluralRule[]} */
const categories = ['zero', 'one', 'two', 'few', 'many', 'other'];
const rules = new Intl.PluralRules(language);
const used = categories.filter((category) =>
    rules.resolvedOptions().pluralCategories.includes(category)
);
/** @type {(context: string, english: string, n: number) => string} */
const plural = (context, english, n) => {
    const forms = translation.get(`${context}|${english}`);
    if (!Array.isArray(forms) || forms.length === 0) return english.replaceAll('%n', String(n));
    const form = forms[Math.min(used.indexOf(rules.select(n)), forms.length - 1)] || forms.at(-1);
    return form.replaceAll('%n', String(n));
};
const catalog = module.catalog();
const texts = catalog.map(({ context, english }) => translate(context, english));
/** @type {(name: TextName) => number} */
const numbered = (name) => module.Text[name].value;
// A text of the catalog by name, translated, with %1 to %9 filled in; and one with plural forms,
// chosen by `n`.
/** @type {(name: TextName, ...values: string[]) => string} */
const text = (name, ...values) => module.format(texts[numbered(name)], values);
/** @type {(name: TextName, n: number, ...values: string[]) => string} */
const pluralText = (name, n, ...values) => {
    const { context, english } = catalog[numbered(name)];
    return module.format(plural(context, english, n), values);
};
// The element of that id, as the kind of element the page's HTML makes it.
/**
 * @template {HTMLElement} [T=HTMLElement]
 * @param {string} id
 * @returns {T}
 */
const element = (id) => /** @type {T} */ (document.getElementById(id));
element('window-title').textContent = module.windowTitle;
// The page's own elements name their text (data-text) or their accessible name (data-label).
for (const item of document.querySelectorAll(/** @type {'div'} */ ('[data-text]')))
    item.textContent = text(/** @type {TextName} */ (item.dataset.text));
for (const item of document.querySelectorAll(/** @type {'div'} */ ('[data-label]')))
    item.setAttribute('aria-label', text(/** @type {TextName} */ (item.dataset.label)));

const root = element('window');
const ended = element('ended');
const dialogs = new MessageDialogs(element('message'));
const vspace = new PageWindow(root, module, texts, dialogs, text('AddedMark'));
const teaching = new TeachingPanel(vspace, module, {
    steps: element('steps').querySelector('ol'),
    differences: element('differences'),
    textbook: element('textbook'),
    suggest: element('suggest'),
});
const announcer = element('announcer');
/** @param {string} text */
const announce = (text) => {
    announcer.textContent = '';
    requestAnimationFrame(() => {
        announcer.textContent = text;
    });
};
new ExercisePanel(vspace, text, {
    toggle: element('exercise-switch'),
    panel: element('exercise'),
    afterward: () => {
        const next = /** @type {HTMLButtonElement} */ (element('next-press'));
        return next.hidden || next.disabled ? vspace.fields.Training[0] : next;
    },
});
new HistoryKeys(vspace, { undo: element('undo'), redo: element('redo') }, announce);
const question = new QuestionDialog(element('question'));
vspace.accessKey(element('next-press'), text('NextPressButton'));
const startAgain = () => {
    ended.hidden = true;
    teaching.start();
    player.reset();
    vspace.start(keptNames());
    teaching.showChosen();
};
const player = new SessionPlayer(
    vspace,
    {
        text,
        plural: pluralText,
        ask: (text) => question.ask(text),
        columns: new ColumnsDialog(element('columns'), text),
        teaching,
        announce,
        startAgain,
        holdLayout: (on) => present.hold(on),
    },
    {
        open: element('open-session'),
        save: element('save-session'),
        chooser: element('session-file'),
        next: element('next-press'),
        toEnd: element('play-to-end'),
        stop: element('stop'),
        progress: element('play-progress'),
        messages: element('messages'),
        status: element('session-status'),
        examples: element('examples-button'),
    }
);
new ExamplesMenu(element('examples-button'), element('examples-menu'), {
    open: (file) => player.open(file),
    refused: (name) => player.refuse(name, text('ExampleNotLoadedReason')),
});

// A tab cannot close itself: Exit ends the session and offers a new one, or the way back to the
// lesson as it was; messages still waiting are not shown over it.
vspace.onClose = () => {
    dialogs.discard();
    root.hidden = true;
    ended.hidden = false;
    ended.querySelector('button').focus();
};
element('start-again').addEventListener('click', startAgain);
element('back-to-lesson').addEventListener('click', () => {
    ended.hidden = true;
    root.hidden = false;
    vspace.apply(vspace.page.start());
    vspace.fields.Training[0].focus();
});

/** @param {'General' | 'Specific' | 'VersionSpace'} list */
const rowsOf = (list) => vspace.lists[list].texts().join('; ');
const diagram = new DiagramPanel(
    element('diagram-button'),
    element('diagram'),
    () => vspace.page.versionSpaceDot(),
    () => text('DiagramDescription', rowsOf('Specific'), rowsOf('General'), rowsOf('VersionSpace')),
    text('DiagramRegion')
);
vspace.onPressed = () => diagram.draw();
new AttributeNames(vspace, text, {
    button: element('attributes-button'),
    dialog: element('attributes'),
    legend: element('diagram').querySelector('.legend'),
});
const present = new PresentView(document.querySelector('main'), element('present'), diagram);

vspace.start(keptNames());
teaching.showChosen();
// A lesson by link opens before the page is ready; one put in the address later, once asked.
/** @param {Awaited<ReturnType<typeof readLessonLink>>} link */
const openLink = async (link) => {
    if (!link) return;
    if ('error' in link) player.refuse(text('LinkName'), text(link.error));
    else
        await player.openLesson(link.lesson, text('LinkName'), (learner) => teaching.show(learner));
};
await openLink(linked);
addEventListener('hashchange', async () => openLink(await readLessonLink(location.hash)));
element('copy-link').addEventListener('click', () => player.copyLink(language));
element('worksheet').addEventListener('click', () => player.worksheet(language));
element('report').addEventListener('click', () => player.report(language));
// A build for benchmarks hands them the window; the page itself offers nothing of the kind.
if (module.benchmark) globalThis.vspacePage = vspace;
// Ready: the engine loaded and the first field focused.
document.documentElement.dataset.ready = 'true';
performance.mark('vspace-ready');

// Then the whole site is kept, in the background, for the next visit without a network. The
// browser looks for a changed service worker past its HTTP cache.
if ('serviceWorker' in navigator)
    navigator.serviceWorker.register('sw.js', { updateViaCache: 'none' }).catch(() => {});
