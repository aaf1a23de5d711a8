// The Examples menu: every session file in examples/ in a menu button's menu, worked by keyboard
// and by pointer, each example opened as a chosen file is and played with Next press as
// vspace-replay (REPLAY) plays it, asked first over examples learnt, refused when it cannot be
// fetched; and, in every language the page has, access keys
// that are each one button's. Screenshots go to SHOTS.

import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { mkdtemp, readdir, readFile, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { openSite } from './site.mjs';

const shots = process.env.SHOTS ?? tmpdir();
const root = fileURLToPath(new URL('../..', import.meta.url));
// The session files of examples/, by name, as the build lists them.
const examples = (await readdir(join(root, 'examples'))).filter((name) => /\.(csv|tsv|jsonl|json)$/.test(name)).sort();
let opened, page, files;

before(async () => {
    opened = await openSite(process.env.SITE);
    files = await mkdtemp(join(tmpdir(), 'vspace-examples-'));
});
after(() => opened.close().then(() => rm(files, { recursive: true })));

async function load({ width = 1280, height = 800, languages = null, withoutKeeping = false } = {}) {
    page = await opened.browser.newPage();
    page.on('pageerror', (error) => assert.fail(error.message));
    if (languages)
        await page.evaluateOnNewDocument((list) => Object.defineProperty(navigator, 'languages', { get: () => list }), languages);
    // Every request then reaches the server, past the service worker of an earlier visit.
    await page.setBypassServiceWorker(withoutKeeping);
    await page.setViewport({ width, height });
    await page.goto(opened.url);
    await page.waitForSelector('html[data-ready]');
}

const key = (name) => page.keyboard.press(name);
const status = () => page.$eval('#session-status', (s) => s.textContent);
const learnt = () => page.$$eval('#List3 [role=option]', (options) => options.map((o) => o.getAttribute('aria-label')));
// The menu's state: its button's aria-expanded, whether it is hidden, and what has the focus (an
// item by its text, anything else by its id).
const menu = () => page.evaluate(() => ({
    expanded: document.getElementById('examples-button').getAttribute('aria-expanded'),
    hidden: document.getElementById('examples-menu').hidden,
    focused: document.activeElement.getAttribute('role') === 'menuitem' ? document.activeElement.textContent
        : document.activeElement.id,
}));
const closed = (focused) => ({ expanded: 'false', hidden: true, focused });
const open = (focused) => ({ expanded: 'true', hidden: false, focused });
async function train(...instances) {
    for (const values of instances) {
        await page.evaluate((values) => values.forEach((v, a) => { document.getElementById(`Text1_${a + 1}`).value = v; }), values);
        await page.click('#Command1');
    }
}
// The example chosen by keyboard: the menu opened with Down on its button, Down to the item, and
// `choose` (Enter or Space).
async function chooseByKeyboard(name, choose = 'Enter') {
    await page.focus('#examples-button');
    await key('ArrowDown');
    for (let i = 0; i < examples.indexOf(name); ++i)
        await key('ArrowDown');
    assert.equal((await menu()).focused, name);
    await key(choose);
}
// What vspace-replay reports for the example, press by press.
function replay(name) {
    const run = spawnSync(process.env.REPLAY, [...(/\.(csv|tsv)$/.test(name) ? ['--csv'] : []), '--export-dir', files,
                                               join(root, 'examples', name)], { encoding: 'utf8' });
    assert.equal(run.status, 0, run.stderr);
    return run.stdout.trim().split('\n').map(JSON.parse);
}
const settled = (name) => page.waitForFunction((name) => document.getElementById('session-status').textContent.includes(name)
                                                || document.getElementById('question').open, {}, name);

test('the menu is a menu button\'s: every session file in examples/, the bytes of each served', async () => {
    await load();
    assert.ok(examples.length >= 2, 'examples/ holds two session files at least');
    assert.deepEqual(await page.$eval('#examples-button', (b) => [b.getAttribute('aria-haspopup'), b.getAttribute('aria-controls')]),
                     ['menu', 'examples-menu']);
    assert.deepEqual(await menu(), closed('Text1_1'));
    await page.click('#examples-button');
    const tree = await page.accessibility.snapshot({ root: await page.$('#examples-menu') });
    assert.deepEqual([tree.role, tree.name, tree.children.map((item) => `${item.role} ${item.name}`)],
                     ['menu', 'Examples', examples.map((name) => `menuitem ${name}`)]);
    for (const name of examples) {
        const served = await page.evaluate(async (name) => [...new Uint8Array(await (await fetch(`examples/${name}`)).arrayBuffer())], name);
        assert.deepEqual(Buffer.from(served), await readFile(join(root, 'examples', name)), name);
    }
    await page.close();
});

// Each key, pressed where the step before left the focus, and the menu it leaves.
test('the menu by keyboard: arrows round it, Home, End, a letter, Escape, Tab, Enter and Space', async () => {
    await load();
    const first = examples[0], second = examples[1], last = examples.at(-1);
    const letter = last[0];
    const byLetter = examples.find((name, i) => i > 0 && name.startsWith(letter));
    await page.focus('#examples-button');
    for (const [step, expected] of [
        ['ArrowDown', open(first)], ['ArrowDown', open(second)], ['ArrowUp', open(first)], ['ArrowUp', open(last)],
        ['ArrowDown', open(first)], ['End', open(last)], ['Home', open(first)], [letter, open(byLetter)],
        ['Escape', closed('examples-button')], ['ArrowUp', open(last)], ['Escape', closed('examples-button')],
        ['Enter', open(first)], ['Tab', closed('open-session')], ['Shift+Tab', closed('examples-button')],
        ['Space', open(first)], ['Escape', closed('examples-button')],
    ]) {
        if (step === 'Shift+Tab') {
            await page.keyboard.down('Shift');
            await key('Tab');
            await page.keyboard.up('Shift');
        } else {
            await key(step);
        }
        assert.deepEqual(await menu(), expected, `after ${step}`);
    }
    await page.close();
});

test('the menu by pointer: its button opens and closes it, a click elsewhere closes it, an item opens its example', async () => {
    await load();
    await page.click('#examples-button');
    assert.deepEqual(await menu(), open(examples[0]));
    await page.click('#examples-button');
    assert.deepEqual(await menu(), closed('examples-button'));
    // A click elsewhere, here on a greyed button.
    await page.click('#examples-button');
    await page.click('#redo');
    assert.deepEqual((({ expanded, hidden }) => ({ expanded, hidden }))(await menu()), { expanded: 'false', hidden: true });
    await page.click('#examples-button');
    const name = examples.at(-1);
    await page.click(`xpath/.//*[@role="menuitem"][text()="${name}"]`);
    await settled(name);
    assert.match(await status(), new RegExp(`^Opened ${name.replace('.', '\\.')}: \\d+ presses to play\\.$`));
    assert.deepEqual(await menu(), closed('next-press'));
    await page.close();
});

// Each example, chosen by keyboard, is opened with its presses counted and Next press focused;
// pressed to the end, it shows the message boxes and leaves the lists vspace-replay does.
for (const name of examples) {
    test(`${name} from the menu plays with Next press as vspace-replay plays it`, async () => {
        await load();
        const reports = replay(name);
        await chooseByKeyboard(name);
        await settled(name);
        assert.equal(await status(), `Opened ${name}: ${reports.length} presses to play.`);
        assert.deepEqual([await menu(), await page.$eval('#next-press', (b) => b.disabled)], [closed('next-press'), false]);
        const shown = [];
        for (let press = 0; press < reports.length; ++press) {
            await key('Enter');
            while (await page.$eval('#message', (dialog) => dialog.open)) {
                shown.push(await page.$eval('#message', (d) => `${d.querySelector('h2').textContent}: ${d.querySelector('p').textContent}`));
                await key('Enter');
            }
            if (press < reports.length - 1)
                assert.equal((await menu()).focused, 'next-press', `after press ${press + 1}`);
        }
        assert.deepEqual(shown, reports.flatMap((report) => report.messages.map((m) => `${m.title}: ${m.text}`)));
        const last = reports.at(-1);
        assert.deepEqual(await Promise.all(['List1', 'List2', 'List3', 'List4'].map((list) =>
            page.$$eval(`#${list} [role=option]`, (options) => options.map((o) => o.getAttribute('aria-label'))))),
                         [last.List1, last.List2, last.List3, last.List4]);
        assert.deepEqual([await status(), await page.$eval('#next-press', (b) => b.disabled)],
                         [`${reports.length} of ${reports.length} presses played`, true]);
        await page.close();
    });
}

// Over two EnjoySport examples learnt, EnjoySport chosen from the menu asks first: Cancel changes
// nothing and gives the focus back to the menu's button; Open (Space chose it, and the menu stays
// closed) sets the examples aside, and Undo brings them back.
test('an example chosen over examples learnt asks first; Cancel keeps them, Undo brings them back', async () => {
    await load({ height: 720 });
    const name = 'enjoysport.csv';
    await train(['Sunny', 'Warm', 'Normal', 'Strong', 'Warm', 'Same'], ['Sunny', 'Warm', 'High', 'Strong', 'Warm', 'Same']);
    const before = await learnt();
    assert.equal(before.length, 2);
    await page.click('#examples-button');
    await page.click(`xpath/.//*[@role="menuitem"][text()="${name}"]`);
    await settled(name);
    const question = () => page.$eval('#question', (dialog) => dialog.open && dialog.querySelector('p').textContent);
    assert.equal(await question(), `Open ${name}? The 2 examples learnt are set aside; Undo brings them back.`);
    await page.screenshot({ path: join(shots, 'page-open-over-work.png') });
    await page.click('#question-no');
    await page.waitForFunction(() => !document.getElementById('question').open);
    assert.deepEqual([await learnt(), await page.$eval('#next-press', (b) => b.disabled), await menu(), await status()],
                     [before, true, closed('examples-button'), '']);

    await chooseByKeyboard(name, 'Space');
    await settled(name);
    assert.equal(await question(), `Open ${name}? The 2 examples learnt are set aside; Undo brings them back.`);
    assert.deepEqual((({ expanded, hidden }) => ({ expanded, hidden }))(await menu()), { expanded: 'false', hidden: true });
    await key('Enter');
    await page.waitForFunction((name) => document.getElementById('session-status').textContent.includes(name), {}, name);
    assert.deepEqual([await learnt(), await status(), (await menu()).focused, await page.$eval('#next-press', (b) => b.disabled)],
                     [[], `Opened ${name}: ${replay(name).length} presses to play.`, 'next-press', false]);
    await page.click('#undo');
    assert.deepEqual([await learnt(), await page.$eval('#next-press', (b) => b.disabled)], [before, true]);
    await page.close();
});

// An example that cannot be fetched is refused by name, and nothing changes.
test('an example whose fetch fails is refused and changes nothing', async () => {
    await load({ withoutKeeping: true });
    await train(['Sunny', 'Warm', 'Normal', 'Strong', 'Warm', 'Same']);
    const name = examples[0];
    await page.setRequestInterception(true);
    page.on('request', (request) => (request.url().endsWith(`/examples/${name}`) ? request.respond({ status: 404, body: '' })
        : request.continue()));
    await chooseByKeyboard(name);
    await page.waitForFunction(() => document.getElementById('session-status').textContent);
    assert.deepEqual([await status(), await learnt(), await page.$eval('#next-press', (b) => b.disabled), await menu()],
                     [`${name} was not opened: the example could not be loaded`, ['Sunny,Warm,Normal,Strong,Warm,Same,+'], true,
                      closed('examples-button')]);
    await page.close();
});

// In each language the page has (translations/), English too, every access key and shortcut the
// page announces is one button's alone; Clear, Exit and Next press each have an access key.
test('each language\'s access keys are unique', async () => {
    const languages = (await readdir(join(root, 'translations'))).map((file) => /^vspace_(\w+)\.ts$/.exec(file)?.[1]).filter(Boolean);
    assert.ok(languages.includes('en') && languages.length > 1);
    for (const language of languages) {
        await load({ width: 800, languages: [language] });
        assert.equal(await page.$eval('html', (html) => html.lang), language);
        const keys = await page.$$eval('[aria-keyshortcuts]', (elements) => elements.flatMap((element) =>
            element.getAttribute('aria-keyshortcuts').split(/\s+/).map((shortcut) => [shortcut.toUpperCase(), element.id])));
        const owners = new Map();
        for (const [shortcut, id] of keys)
            owners.set(shortcut, [...(owners.get(shortcut) ?? []), id]);
        assert.deepEqual([...owners].filter(([, ids]) => ids.length > 1), [], `${language}: shortcuts of more than one button`);
        const altKeys = keys.filter(([shortcut]) => shortcut.startsWith('ALT+')).map(([, id]) => id).sort();
        assert.deepEqual(altKeys.filter((id) => ['Command5', 'Command6', 'next-press'].includes(id)),
                         ['Command5', 'Command6', 'next-press'], language);
        await page.close();
    }
});
