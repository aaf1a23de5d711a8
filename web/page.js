// vspace in the browser: the engine compiled to WebAssembly, behind the window's controls.

import createVspace from './vspace.js';
import { PageWindow } from './controls.js';
import { MessageDialogs } from './dialogs.js';

const module = await createVspace();
const catalog = module.catalog();
const phrase = (id) => catalog[id].english;

const root = document.getElementById('window');
const ended = document.getElementById('ended');
const vspace = new PageWindow(root, module, phrase, new MessageDialogs(document.getElementById('message')));

// A tab cannot close itself: Exit ends the session and offers a new one.
vspace.onClose = () => {
    root.hidden = true;
    ended.hidden = false;
    ended.querySelector('button').focus();
};
document.getElementById('start-again').addEventListener('click', () => {
    ended.hidden = true;
    root.hidden = false;
    vspace.start();
});
vspace.start();
// Ready: the engine loaded and the first field focused. Tests and benchmarks reach the window here.
globalThis.vspacePage = vspace;
document.documentElement.dataset.ready = 'true';
performance.mark('vspace-ready');
