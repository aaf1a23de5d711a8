// What the browser tests share: a built site served on a loopback port and opened in the browser
// BROWSER names (headless Chromium through the DevTools protocol, the default, or Firefox ESR
// through WebDriver BiDi), a scratch folder, and the page as a person uses it, `page` being the
// page the last newPage() opened.

import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { createServer } from 'node:http';
import { mkdir, mkdtemp, readFile, rm, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { basename, extname, join, normalize } from 'node:path';
import { fileURLToPath } from 'node:url';
import puppeteer from 'puppeteer-core';

export const shots = process.env.SHOTS ?? tmpdir();
export const root = fileURLToPath(new URL('../..', import.meta.url));
const browserName = process.env.BROWSER ?? 'chromium';
export let site, page, scratch, downloads;

const types = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm',
                '.svg': 'image/svg+xml', '.png': 'image/png', '.json': 'application/json',
                '.webmanifest': 'application/manifest+json' };

// Downloads go to scratch/downloads. Firefox opens its downloads panel over the page at each
// download, taking the keyboard from it: the tests keep it shut, as a person would close it.
// Puppeteer hides Chromium's scrollbars; Firefox's overlay the page likewise, as on a phone.
const launch = () => browserName === 'firefox'
    ? puppeteer.launch({ browser: 'firefox', executablePath: process.env.FIREFOX ?? '/usr/bin/firefox-esr',
                         protocol: 'webDriverBiDi', headless: true,
                         extraPrefsFirefox: { 'browser.download.dir': downloads, 'browser.download.folderList': 2,
                                              'browser.download.alwaysOpenPanel': false, 'ui.useOverlayScrollbars': 1 } })
    : puppeteer.launch({ executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
                         downloadBehavior: { policy: 'allow', downloadPath: downloads },
                         args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
                                '--disable-component-update', '--disable-sync', '--font-render-hinting=none'] });

// Serves `folder` (with `headers`; a list of folders: a file from the first that has it) and opens
// the browser.
export async function openSite(folder, headers = {}) {
    const server = createServer(async (request, response) => {
        const path = normalize(decodeURIComponent(new URL(request.url, 'http://x').pathname));
        try {
            let body = null;
            for (const each of [folder].flat())
                body ??= await readFile(join(each, path.endsWith('/') ? `${path}index.html` : path)).catch(() => null);
            if (!body)
                throw new Error('not found');
            response.writeHead(200, { ...headers, 'content-type': types[extname(path) || '.html'] ?? 'application/octet-stream' });
            response.end(body);
        } catch {
            response.writeHead(404).end();
        }
    });
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
    scratch = await mkdtemp(join(tmpdir(), 'vspace-browser-'));
    await mkdir(downloads = join(scratch, 'downloads'));
    const browser = await launch();
    site = {
        browser,
        url: `http://127.0.0.1:${server.address().port}/`,
        async close() {
            await browser.close();
            server.close();
            await rm(scratch, { recursive: true });
        },
    };
    return site;
}
export const closeSite = () => site.close();

// A new tab, which fails the test at an error thrown in the page.
export async function newPage() {
    page = await site.browser.newPage();
    page.on('pageerror', (error) => assert.fail(error.message));
    return page;
}
// The site loaded in `page` at that size, ready to use.
export async function load(width = 1280, height = 800) {
    await page.setViewport({ width, height });
    await page.goto(site.url);
    await page.waitForSelector('html[data-ready]');
}

export const key = (name) => page.keyboard.press(name);
export async function chord(modifiers, name) {
    for (const modifier of modifiers)
        await page.keyboard.down(modifier);
    await key(name);
    for (const modifier of [...modifiers].reverse())
        await page.keyboard.up(modifier);
}
// Each value typed, then Enter.
export async function typeValues(values) {
    for (const value of values) {
        await page.keyboard.type(value);
        await key('Enter');
    }
}
export const focused = () => page.evaluate(() => document.activeElement.id);
export const text = (selector) => page.$eval(selector, (element) => element.textContent);
export const disabled = (selector) => page.$eval(selector, (button) => button.disabled);
export const isOpen = (id) => page.$eval(`#${id}`, (dialog) => dialog.open);
export const status = () => text('#session-status');
// Resolves after that many milliseconds of the page's timers.
export const pause = (ms) => page.evaluate((ms) => new Promise((resolve) => setTimeout(resolve, ms)), ms);
// Resolves once no dialog is open and the page has had the close event: the focus back, the answer in.
export const closed = () => page.waitForFunction(() => !document.querySelector('dialog[open]')).then(() => pause(0));

// The fields of a row ('Text1', training, or 'Text2', unseen): set, then read.
export const fill = (values, row = 'Text1') => page.evaluate((values, row) => values.forEach((value, a) => {
    document.getElementById(`${row}_${a + 1}`).value = value;
}), values, row);
export const fields = (row = 'Text1') => page.$$eval(`[id^=${row}_]`, (all) => all.map((field) => field.value));
// Each instance typed into the training fields and pressed with that button (Positive by default).
export async function train(instances, button = 'Command1') {
    for (const values of instances) {
        await fill(values);
        await page.click(`#${button}`);
    }
}

// The lists' rows as each option's label has it, the learning data's alone, and Messages' lines.
export const options = (list) => page.evaluate((list) => [...document.querySelectorAll(`#${list} [role=option]`)]
    .map((option) => option.getAttribute('aria-label')), list);
export const learnt = () => options('List3');
export const messages = () => page.$$eval('#messages li', (items) => items.map((item) => item.textContent));
// What vspace-replay's lines say: the four lists and the Negative button.
export const shown = async () => ({ List1: await options('List1'), List2: await options('List2'), List3: await learnt(),
                                    List4: await options('List4'), negative_enabled: !(await disabled('#Command2')) });
export const replayed = ({ List1, List2, List3, List4, negative_enabled }) => ({ List1, List2, List3, List4, negative_enabled });

// The accessible name of an element of that role, as the accessibility tree has it: its label
// (aria-label, aria-labelledby, or else its text), once the tree (a moment behind the page) has it so.
export async function accessibleName(element, role) {
    const name = await element.evaluate((e) => e.getAttribute('aria-label') ?? e.getAttribute('aria-labelledby')?.split(' ')
        .map((id) => document.getElementById(id).textContent).join(' ') ?? e.textContent);
    const query = name ? `aria/${name}[role="${role}"]` : `aria/[name=""][role="${role}"]`;
    let same = [];
    for (let tries = 0; !same.includes(true) && tries < 50; ++tries)
        same = await pause(tries && 100).then(() => page.$$(query)).then((found) => Promise.all(found.map((each) => each.evaluate((a, b) => a === b, element))));
    assert.ok(same.includes(true), `the accessibility tree has no ${role} named "${name}" that is #${await element.evaluate((e) => e.id)}`);
    return name;
}
// The accessible names of the elements of that role inside `container`, in order.
export async function accessibleNames(container, role) {
    const names = [];
    for (const element of await container.$$(`[role=${role}]`))
        names.push(await accessibleName(element, role));
    return names;
}
// The rows of the list of that accessible name, as the accessibility tree names them.
export const rows = async (name) => accessibleNames(await page.$(`aria/${name}[role="listbox"]`), 'option');
// The accessible description: the accessibility tree's through the DevTools protocol; WebDriver
// BiDi finds elements by name and role alone, so in Firefox the text aria-describedby points at.
export const description = async (element) => (page.browser().protocol === 'cdp'
    ? (await page.accessibility.snapshot({ root: element })).description
    : element.evaluate((e) => document.getElementById(e.getAttribute('aria-describedby')).textContent));

// The open message box by its accessible name and text, answered with Enter.
export async function answer() {
    const dialog = await page.waitForSelector('aria/[role="dialog"]');
    const said = `${await accessibleName(dialog, 'dialog')}: ${await dialog.$eval('p', (p) => p.textContent)}`;
    await key('Enter');
    await closed();
    return said;
}

// A session file given to Open session; see settle().
export async function open(file, reply) {
    const [chooser] = await Promise.all([page.waitForFileChooser(), page.click('#open-session')]);
    await chooser.accept([file]);
    return settle(basename(file), reply);
}
// Once a session file is chosen: the Columns dialog, if shown, answered with OK; the question over
// examples learnt, if asked, answered with the button `reply` (Open by default; null leaves it
// open), and the file opened or refused. Returns the question, or null.
export async function settle(name, reply = 'question-yes') {
    // A table with a column that names its examples opens through the Columns dialog: as read.
    await page.waitForFunction((name) => document.getElementById('session-status').textContent.includes(name)
                                   || document.getElementById('question').open || document.getElementById('columns').open, {}, name);
    if (await page.$eval('#columns', (dialog) => dialog.open)) {
        await page.click('#columns-ok');
        await page.waitForFunction((name) => document.getElementById('session-status').textContent.includes(name)
                                       || document.getElementById('question').open, {}, name);
    }
    const asked = await page.$eval('#question', (dialog) => (dialog.open ? dialog.querySelector('p').textContent : null));
    if (!asked || !reply)
        return asked;
    await page.click(`#${reply}`);
    await page.waitForFunction(() => !document.getElementById('question').open);
    // The answer reaches the page with the dialog's close event.
    await pause(0);
    if (reply === 'question-yes')
        await page.waitForFunction((name) => document.getElementById('session-status').textContent.includes(name), {}, name);
    return asked;
}

// What vspace-replay (REPLAY) says of a session file, exporting to the scratch folder: its status,
// standard error and the report of each press.
export function replay(file, ...options) {
    const run = spawnSync(process.env.REPLAY, [...(/\.(csv|tsv)$/.test(file) ? ['--csv'] : []), '--export-dir', scratch,
                                               ...options, file], { encoding: 'utf8' });
    return { ...run, reports: run.stdout.trim().split('\n').filter(Boolean).map(JSON.parse) };
}
// That text, or JSON Lines of those objects, written to that name in the scratch folder; returns its
// path.
export async function session(name, lines) {
    const file = join(scratch, name);
    await writeFile(file, typeof lines === 'string' ? lines : lines.map((line) => JSON.stringify(line)).join('\n'));
    return file;
}
