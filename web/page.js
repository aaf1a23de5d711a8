// vspace in the browser: the engine compiled to WebAssembly, behind the window's controls; the
// version space drawn beside them; session files played in; and, once usable, the whole site
// kept for working offline.

import createVspace from './vspace.js';
import { PageWindow } from './controls.js';
import { DiagramPanel } from './diagram.js';
import { MessageDialogs } from './dialogs.js';
import { SessionPlayer } from './session.js';

// The page's own texts, beside the engine's catalog.
const pageTexts = {
    opened: 'Opened %1: %2 presses to play.',
    refused: '%1 was not opened: %2',
};

const module = await createVspace();
const catalog = module.catalog();
const phrase = (id) => catalog[id].english;
const element = (id) => document.getElementById(id);

const root = element('window');
const ended = element('ended');
const vspace = new PageWindow(root, module, phrase, new MessageDialogs(element('message')));
vspace.pageText = (key, ...values) => values.reduce((text, value, i) => text.replace(`%${i + 1}`, value), pageTexts[key]);

// A tab cannot close itself: Exit ends the session and offers a new one.
vspace.onClose = () => {
    root.hidden = true;
    ended.hidden = false;
    ended.querySelector('button').focus();
};
vspace.start = ((start) => function () {
    ended.hidden = true;
    root.hidden = false;
    start.call(this);
    this.onPressed();
})(vspace.start);
element('start-again').addEventListener('click', () => vspace.start());

const diagram = new DiagramPanel(element('diagram-button'), element('diagram'), () => vspace.page.versionSpaceDot());
vspace.onPressed = () => diagram.draw();
new SessionPlayer(vspace, module, {
    open: element('open-session'), chooser: element('session-file'), next: element('next-press'),
    toEnd: element('play-to-end'), messages: element('messages'), status: element('session-status'),
});

vspace.start();
// Ready: the engine loaded and the first field focused. Tests and benchmarks reach the window here.
globalThis.vspacePage = vspace;
document.documentElement.dataset.ready = 'true';
performance.mark('vspace-ready');

// Then the whole site is kept, in the background, for the next visit without a network.
if ('serviceWorker' in navigator)
    navigator.serviceWorker.register('sw.js').catch(() => {});
