// The page from a small laptop to a projector: a wide diagram scrolling in its panel; after
// EnjoySport, with the diagram closed and open, nothing scrolls but the panels, every control stays
// in view and clear of the others, and the text grows with the screen; Present, full screen or
// refused; the phone's one column; Alt+C under a Thai layout; the message dialog's description,
// the one h1 and the reading order. The projector view goes to SHOTS.

import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { mkdtemp, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { openSite } from './site.mjs';

const shots = process.env.SHOTS ?? tmpdir();
const root = fileURLToPath(new URL('../..', import.meta.url));
let opened, page;

before(async () => {
    opened = await openSite(process.env.SITE);
    page = await opened.browser.newPage();
    page.on('pageerror', (error) => assert.fail(error.message));
});
after(() => opened.close());

// Two frames later the page is scaled to its viewport.
const settled = () => page.evaluate(() => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));
async function load(width, height) {
    await page.setViewport({ width, height });
    await page.goto(opened.url);
    await page.waitForSelector('html[data-ready]');
}
async function openSession(file = join(root, 'examples', 'enjoysport.csv')) {
    const [chooser] = await Promise.all([page.waitForFileChooser(), page.click('#open-session')]);
    await chooser.accept([file]);
    await page.waitForFunction(() => !document.getElementById('play-to-end').disabled);
}
async function setDiagram(open) {
    if (await page.$eval('#diagram-button', (b) => b.ariaExpanded === 'true') !== open)
        await page.click('#diagram-button');
    if (open)
        await page.waitForSelector('#diagram svg');
    await settled();
}
// Where the diagram is: beside the window (to its right), under it, or closed.
const diagramPlace = () => page.evaluate(() => {
    const [window, panel] = ['window', 'diagram'].map((id) => document.getElementById(id).getBoundingClientRect());
    return panel.width === 0 ? 'closed' : panel.left >= window.right ? 'beside' : panel.top >= window.bottom ? 'below' : 'over';
});

test('at 1280 × 720 the diagram beside the window, a drawing too wide for it scrolling in its panel', async () => {
    await load(1280, 720);
    await openSession();
    await setDiagram(true);
    // After three examples the version space has nine rows, too wide to draw in the panel; after
    // the fourth, three.
    for (const [presses, scrolls] of [[3, true], [1, false]]) {
        for (let i = 0; i < presses; ++i)
            await page.click('#next-press');
        await page.waitForFunction((count) => document.querySelectorAll('#steps li').length === count,
                                    {}, presses === 3 ? 3 : 4);
        await settled();
        assert.deepEqual([await diagramPlace(), await page.evaluate(() => {
            const drawing = document.querySelector('#diagram .drawing'), box = drawing.getBoundingClientRect();
            const { scrollWidth, scrollHeight } = document.scrollingElement;
            return [drawing.scrollWidth > drawing.clientWidth && /auto|scroll/.test(getComputedStyle(drawing).overflowX),
                    scrollWidth <= innerWidth && scrollHeight <= innerHeight, box.right <= innerWidth && box.bottom <= innerHeight];
        })], ['beside', [scrolls, true, true]], `after ${presses === 3 ? 'three' : 'four'} examples`);
    }
    await page.screenshot({ path: join(shots, 'page-projector.png') });
});

// What is wrong with the page's fit: whether the page scrolls, the panels and controls out of view,
// the controls that overlap, the panels smaller than their least, whether the tools bar is under
// the window; and each text's rendered height to its font size.
const fit = () => page.evaluate(() => {
    const name = (element) => element.id || element.className;
    const zoom = parseFloat(getComputedStyle(document.querySelector('main')).zoom);
    const inView = (box) => box.left >= 0 && box.top >= 0 && box.right <= innerWidth && box.bottom <= innerHeight;
    const panels = [...document.querySelectorAll('#steps, #differences, #diagram, #messages')].filter((panel) => panel.checkVisibility());
    const controls = [...document.querySelectorAll('#window > :is(input, button, [role=listbox]), .tools :is(button, progress)')]
        .filter((control) => control.checkVisibility())
        .map((control) => ({ name: name(control), box: control.getBoundingClientRect() }));
    // Edges may meet, and the General and Specific lists share a border as in the stored form:
    // up to one of the page's pixels, and a screen pixel's rounding, is no overlap.
    const pixel = zoom + 1;
    const overlaps = controls.flatMap((a, i) => controls.slice(i + 1).filter((b) =>
        Math.min(a.box.right, b.box.right) - Math.max(a.box.left, b.box.left) > pixel
        && Math.min(a.box.bottom, b.box.bottom) - Math.max(a.box.top, b.box.top) > pixel).map((b) => `${a.name} ${b.name}`));
    const { scrollWidth, scrollHeight } = document.scrollingElement;
    // Each text's rendered height to its font size, in the tools bar and in the window.
    const text = ['undo', 'Command6'].map((id) => {
        const range = document.createRange();
        range.selectNodeContents(document.getElementById(id));
        return range.getBoundingClientRect().height / parseFloat(getComputedStyle(document.getElementById(id)).fontSize);
    });
    // The Steps and the diagram no smaller than present.js measures them at their least, 8 and
    // 16 em, at the page's scale.
    const small = [['steps', 8], ['diagram', 16]].filter(([id, least]) => {
        const panel = document.getElementById(id);
        return panel.checkVisibility() && panel.getBoundingClientRect().height < least * parseFloat(getComputedStyle(panel).fontSize) * zoom - 1;
    }).map(([id]) => id);
    // The tools bar lines up under the window.
    const [form, tools] = ['.form', '.tools'].map((selector) => document.querySelector(selector).getBoundingClientRect());
    return { scrolls: scrollWidth > innerWidth || scrollHeight > innerHeight, overlaps, text, small,
             under: Math.abs(form.left - tools.left) < 1 && tools.top >= form.bottom,
             outside: [...panels.map((panel) => ({ name: name(panel), box: panel.getBoundingClientRect() })), ...controls]
                 .filter((shown) => !inView(shown.box)).map((shown) => shown.name) };
});
const fitted = { scrolls: false, outside: [], overlaps: [], small: [], under: true, text: undefined };

// The bar with every button shown, as while a session plays; the diagram open and closed.
const screens = [
    { width: 712, height: 400, diagram: 'beside' },
    { width: 853, height: 480, diagram: 'beside' },
    { width: 1024, height: 600, diagram: 'beside' },
    { width: 1280, height: 720, diagram: 'beside' },
    { width: 1920, height: 1080, diagram: 'beside' },
    { width: 800, height: 800, diagram: 'below' },
    { width: 1024, height: 1366, diagram: 'below' },
];

test('from 712 × 400 to 1920 × 1080 the page fits the screen, its text larger on a larger one', async () => {
    await load(1280, 720);
    await openSession();
    await page.click('#play-to-end');
    await page.waitForFunction(() => document.querySelectorAll('#messages li').length === 3);
    await page.$$eval('#stop, #play-progress', (hidden) => hidden.forEach((element) => { element.hidden = false; }));
    const textHeights = new Map();
    for (const { width, height, diagram } of screens) {
        await page.setViewport({ width, height });
        for (const open of [true, false]) {
            await setDiagram(open);
            const faults = await fit();
            const where = `${width} × ${height}, diagram ${open ? 'open' : 'closed'}`;
            assert.deepEqual({ ...faults, text: undefined, place: await diagramPlace() },
                             { ...fitted, place: open ? diagram : 'closed' }, where);
            textHeights.set(open ? `${width} × ${height}` : where, faults.text);
        }
    }
    // Unscaled, a line of text is about 1.1 times its font size tall.
    const [small, laptop, projector] = ['712 × 400', '1024 × 600', '1920 × 1080'].map((screen) => textHeights.get(screen));
    assert.ok(small.every((ratio) => ratio < 1) && projector.every((ratio) => ratio >= 1.5), [...textHeights].join(' '));
    assert.ok(laptop.every((ratio, i) => small[i] < ratio && ratio < projector[i]), [...textHeights].join(' '));
});

test('while 10,000 rows play, Stop and the progress bar fit with the rest', async () => {
    const rows = ['Sky,AirTemp,Humidity,Wind,Water,Forecast,EnjoySport', 'Sunny,Warm,Normal,Strong,Warm,Same,yes'];
    for (let i = 1; i < 10000; ++i)
        rows.push(`v${i},w${i % 5},Normal,Strong,Warm,Same,${i % 3 ? 'yes' : 'no'}`);
    const file = join(await mkdtemp(join(tmpdir(), 'vspace-layout-')), 'long.csv');
    await writeFile(file, `${rows.join('\n')}\n`);
    await load(1280, 720);
    await openSession(file);
    // A slower processor, for the picture to be taken while the session plays.
    const cdp = await page.createCDPSession();
    await cdp.send('Emulation.setCPUThrottlingRate', { rate: 20 });
    await page.click('#play-to-end');
    await page.waitForFunction(() => document.getElementById('play-progress').value > 2000);
    assert.deepEqual({ ...await fit(), text: undefined }, fitted);
    await page.screenshot({ path: join(shots, 'page-playing.png') });
    assert.ok(await page.$eval('#play-progress', (bar) => bar.checkVisibility() && bar.value < bar.max), 'still playing after the picture');
    await cdp.send('Emulation.setCPUThrottlingRate', { rate: 1 });
    await page.click('#stop');
    await page.waitForFunction(() => document.getElementById('play-progress').hidden);
});

// Present: pressed, the diagram open beside the window even on a portrait screen, full screen where
// the browser allows it; pressed again or full screen left, as it was.
const presentations = [
    { fullScreen: true, leave: 'button' },
    { fullScreen: true, leave: 'Esc' },
    { fullScreen: false, leave: 'button' },
];

test('Present: full screen or refused, the diagram beside the window; then the page as it was', async () => {
    const presenting = () => page.evaluate(() => [document.getElementById('present').ariaPressed, !!document.fullscreenElement]);
    for (const { fullScreen, leave } of presentations) {
        await load(800, 1200);
        if (!fullScreen)
            await page.evaluate(() => { Element.prototype.requestFullscreen = () => Promise.reject(new TypeError('refused')); });
        const where = `full screen ${fullScreen ? 'allowed' : 'refused'}, left by ${leave}`;
        await page.click('#present');
        await page.waitForSelector('#diagram svg');
        await settled();
        assert.deepEqual([await presenting(), await diagramPlace()], [['true', fullScreen], 'beside'], where);
        await (leave === 'button' ? page.click('#present') : page.evaluate(() => document.exitFullscreen()));
        await page.waitForFunction(() => !document.fullscreenElement && document.getElementById('present').ariaPressed === 'false');
        await setDiagram(true);
        assert.deepEqual([await presenting(), await diagramPlace()], [['false', false], 'below'], where);
    }
});

test('on a 400 px phone, one column unscaled, each control under its heading', async () => {
    await load(400, 800);
    assert.deepEqual(await page.evaluate(() => {
        const controls = [...document.querySelectorAll('#window > :is(input, button, [role=listbox])')];
        const boxes = controls.map((control) => control.getBoundingClientRect());
        return { lefts: new Set(boxes.map((box) => box.left)).size, width: document.getElementById('window').offsetWidth,
                 zoom: getComputedStyle(document.querySelector('main')).zoom,
                 ordered: boxes.every((box, i) => i === 0 || box.top > boxes[i - 1].bottom),
                 headings: [...document.querySelectorAll('#window > .narrow')].every((heading) => heading.checkVisibility()) };
    }), { lefts: 1, width: 400, zoom: '1', ordered: true, headings: true });
});

test('Alt+C under a Thai layout, the dialog described by its message, one h1, the diagram after its button', async () => {
    await load(1024, 600);
    for (const value of 'abcdefabcdef') {
        await page.keyboard.type(value);
        await page.keyboard.press('Enter');
        if (value === 'f')
            await page.keyboard.press('Enter');
    }
    const dialog = await page.waitForSelector('aria/[role="dialog"]');
    const described = await page.accessibility.snapshot({ root: dialog });
    assert.deepEqual([described.name, described.description], ['Data not correct', 'Duplicate Data']);
    await page.keyboard.press('Enter');
    await page.waitForFunction(() => !document.querySelector('dialog').open);

    const learnt = () => page.$$eval('#List3 [role=option]', (options) => options.length);
    assert.equal(await learnt(), 1);
    const cdp = await page.createCDPSession();
    for (const type of ['rawKeyDown', 'keyUp'])
        await cdp.send('Input.dispatchKeyEvent', { type, modifiers: 1, key: 'แ', code: 'KeyC', windowsVirtualKeyCode: 67 });
    assert.equal(await learnt(), 0);

    assert.deepEqual(await page.evaluate(() => [
        [...document.querySelectorAll('h1')].map((heading) => heading.textContent),
        document.getElementById('window-title').textContent,
        !!(document.getElementById('diagram-button').compareDocumentPosition(document.getElementById('diagram')) & Node.DOCUMENT_POSITION_FOLLOWING),
    ]), [['vspace'], 'Form1', true]);
    assert.ok(await page.$('aria/Form1[role="group"]'));

    // Start again, after Exit, drawn as the page's other buttons are.
    await page.click('#Command5');
    const look = (id) => page.$eval(id, (button) => ['font', 'padding', 'border', 'background'].map((p) => getComputedStyle(button)[p]).join());
    assert.equal(await look('#start-again'), await look('#open-session'));
});
