// vspace in the browser: the engine compiled to WebAssembly, behind the window's controls; the
// version space drawn beside them; session files played in; and, once usable, the whole site
// kept for working offline.

import createVspace from './vspace.js';
import { PageWindow } from './controls.js';
import { DiagramPanel } from './diagram.js';
import { MessageDialogs } from './dialogs.js';
import { SessionPlayer } from './session.js';
import { TeachingPanel } from './teaching.js';
import { languages } from './languages.js';

// The page speaks the first of the browser's languages it has a translation for; English when
// English comes first or none is found.
function chooseLanguage() {
    for (const tag of navigator.languages ?? [navigator.language]) {
        const primary = tag.toLowerCase().split('-')[0];
        if (primary === 'en' || languages.includes(primary))
            return primary;
    }
    return 'en';
}

// The translation of every text, from the same Qt Linguist file the window's comes from.
async function loadTranslation(language) {
    const translation = new Map();
    if (language === 'en')
        return translation;
    const source = await (await fetch(`translations/vspace_${language}.ts`)).text();
    const xml = new DOMParser().parseFromString(source, 'application/xml');
    for (const context of xml.querySelectorAll('context')) {
        const name = context.querySelector('name').textContent;
        for (const message of context.querySelectorAll('message'))
            translation.set(`${name}|${message.querySelector('source').textContent}`, message.querySelector('translation').textContent);
    }
    return translation;
}

const language = chooseLanguage();
const [module, translation] = await Promise.all([createVspace(), loadTranslation(language)]);
document.documentElement.lang = language;
const translate = (context, english) => translation.get(`${context}|${english}`) || english;
const texts = module.catalog().map(({ context, english }) => translate(context, english));
const element = (id) => document.getElementById(id);
element('window-title').textContent = module.windowTitle;
for (const item of document.querySelectorAll('[data-context]')) {
    if (item.hasAttribute('aria-label'))
        item.setAttribute('aria-label', translate(item.dataset.context, item.getAttribute('aria-label')));
    else
        item.textContent = translate(item.dataset.context, item.textContent);
}

const root = element('window');
const ended = element('ended');
const pageTexts = {
    opened: 'Opened %1: %2 presses to play.', refused: '%1 was not opened: %2', added: 'added by the last press',
    noSuggestion: 'No instance made of the values learnt splits the version space.',
    description: 'S: %1. G: %2. The version space: %3.', diagram: 'Version space diagram',
};
const pageText = (key, ...values) => module.format(translate('Page', pageTexts[key]), values);
const vspace = new PageWindow(root, module, texts, new MessageDialogs(element('message')), pageText('added'));
const teaching = new TeachingPanel(vspace, module, {
    steps: element('steps').querySelector('ol'), differences: element('differences'),
    textbook: element('textbook'), suggest: element('suggest'),
}, pageText('noSuggestion'));

// A tab cannot close itself: Exit ends the session and offers a new one.
vspace.onClose = () => {
    root.hidden = true;
    ended.hidden = false;
    ended.querySelector('button').focus();
};
const startAgain = () => {
    ended.hidden = true;
    teaching.start();
    vspace.start();
};
element('start-again').addEventListener('click', startAgain);

const rowsOf = (list) => vspace.lists[list].texts().join('; ');
const diagram = new DiagramPanel(element('diagram-button'), element('diagram'), () => vspace.page.versionSpaceDot(),
                                 () => pageText('description', rowsOf('Specific'), rowsOf('General'), rowsOf('VersionSpace')),
                                 pageText('diagram'));
vspace.onPressed = () => diagram.draw();
new SessionPlayer(vspace, module, startAgain, pageText, {
    open: element('open-session'), chooser: element('session-file'), next: element('next-press'),
    toEnd: element('play-to-end'), messages: element('messages'), status: element('session-status'),
});

vspace.start();
// A build for benchmarks hands them the window; the page itself offers nothing of the kind.
if (module.benchmark)
    globalThis.vspacePage = vspace;
// Ready: the engine loaded and the first field focused.
document.documentElement.dataset.ready = 'true';
performance.mark('vspace-ready');

// Then the whole site is kept, in the background, for the next visit without a network. The
// browser looks for a changed service worker past its HTTP cache.
if ('serviceWorker' in navigator)
    navigator.serviceWorker.register('sw.js', { updateViaCache: 'none' }).catch(() => {});
