// The page from a small laptop to a projector: a wide diagram scrolling in its panel; nothing
// scrolling but the panels, every control in view and clear of the others, the text growing with
// the screen, with Stop and the progress bar shown; Present, full screen or refused; Alt+C under a Thai
// layout; the dialog's description, the one h1, the reading order. Pictures go to SHOTS.

import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { join } from 'node:path';
import { closeSite, description, fill, key, load, newPage, open, openSite, page, root, shots } from './site.mjs';

before(() => openSite(process.env.SITE).then(newPage));
after(closeSite);

// The page is fitted to its viewport in the frames after it or a panel changed size: settled after
// five quiet frames, and never fitted anew frame after frame.
const settled = async () => assert.ok(await page.evaluate(() => new Promise((done) => {
    let quiet = 0, frames = 0;
    const changed = () => { quiet = 0; }, observer = new ResizeObserver(changed);
    document.querySelectorAll('main, .form, .tools, .differences, .diagram, .messages').forEach((element) => observer.observe(element));
    addEventListener('resize', changed);
    (function frame() { if (++quiet <= 5 && ++frames < 200) return requestAnimationFrame(frame); observer.disconnect(); removeEventListener('resize', changed); done(quiet > 5); })();
})), 'the page is fitted anew frame after frame');
async function opened(width, height) {
    await load(width, height);
    await open(join(root, 'examples', 'enjoysport.csv'));
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

// What is wrong with the fit: the page scrolling, panels and controls out of view, controls that
// overlap, the Steps and the diagram under the least present.js measures them at (8 and 16 em), the
// tools bar not under the window; and each text's rendered height to its font size.
const fit = () => page.evaluate(() => {
    const zoom = parseFloat(getComputedStyle(document.querySelector('main')).zoom);
    const shown = (selector) => [...document.querySelectorAll(selector)].filter((element) => element.checkVisibility())
        .map((element) => ({ name: element.id || element.className, box: element.getBoundingClientRect() }));
    const controls = shown('#window > :is(input, button, [role=listbox]), .tools :is(button, progress)');
    // Edges may meet, and the General and Specific lists share a border as in the stored form.
    const overlap = (a, b, edge) => Math.min(a.box[edge[1]], b.box[edge[1]]) - Math.max(a.box[edge[0]], b.box[edge[0]]) > zoom + 1;
    const [form, tools] = ['.form', '.tools'].map((selector) => document.querySelector(selector).getBoundingClientRect());
    const { scrollWidth, scrollHeight } = document.scrollingElement;
    return {
        scrolls: scrollWidth > innerWidth || scrollHeight > innerHeight,
        outside: [...shown('#steps, #differences, #diagram, #messages'), ...controls].filter(({ box }) =>
            box.left < 0 || box.top < 0 || box.right > innerWidth || box.bottom > innerHeight).map(({ name }) => name),
        overlaps: controls.flatMap((a, i) => controls.slice(i + 1).filter((b) => overlap(a, b, ['left', 'right']) && overlap(a, b, ['top', 'bottom']))
            .map((b) => `${a.name} ${b.name}`)),
        small: shown('#steps, #diagram').filter(({ name, box }) =>
            box.height < (name === 'steps' ? 8 : 16) * parseFloat(getComputedStyle(document.getElementById(name)).fontSize) * zoom - 1).map(({ name }) => name),
        under: Math.abs(form.left - tools.left) < 1 && tools.top >= form.bottom,
        text: ['undo', 'Command6'].map((id) => {
            const range = document.createRange();
            range.selectNodeContents(document.getElementById(id));
            return range.getBoundingClientRect().height / parseFloat(getComputedStyle(document.getElementById(id)).fontSize);
        }),
    };
});
const fitted = { scrolls: false, outside: [], overlaps: [], small: [], under: true, text: undefined };

// With Stop and the progress bar shown too, as while a session plays.
const screens = [[712, 400, 'beside'], [853, 480, 'beside'], [1024, 600, 'beside'], [1280, 720, 'beside'], [1920, 1080, 'beside'],
                 [800, 800, 'beside'], [1024, 1366, 'below']];

test('from 712 × 400 to 1920 × 1080 the page fits the screen, its text larger on a larger one', async () => {
    await opened(1280, 720);
    await setDiagram(true);
    // After three examples the version space has nine rows, too wide to draw in the panel; after
    // the fourth, three.
    for (const [count, scrolls] of [[3, true], [4, false]]) {
        while (await page.$$eval('#steps li', (steps) => steps.length) < count)
            await page.click('#next-press');
        await settled();
        assert.deepEqual([await diagramPlace(), await page.$eval('#diagram .drawing', (drawing) =>
            drawing.scrollWidth > drawing.clientWidth && /auto|scroll/.test(getComputedStyle(drawing).overflowX)), { ...await fit(), text: undefined }],
                         ['beside', scrolls, fitted], `after ${count} examples`);
    }
    await page.screenshot({ path: join(shots, 'page-projector.png') });
    await page.click('#play-to-end');
    await page.waitForFunction(() => document.querySelectorAll('#messages li').length === 3);
    await page.$$eval('#stop, #play-progress', (hidden) => hidden.forEach((element) => { element.hidden = false; }));
    const textHeights = new Map();
    for (const [width, height, diagram] of screens) {
        await page.setViewport({ width, height });
        for (const open of [true, false]) {
            await setDiagram(open);
            const faults = await fit();
            assert.deepEqual({ ...faults, text: undefined, place: await diagramPlace() }, { ...fitted, place: open ? diagram : 'closed' },
                             `${width} × ${height}, diagram ${open ? 'open' : 'closed'}`);
            textHeights.set(`${width} × ${height} ${open}`, faults.text);
        }
    }
    // Unscaled, a line of text is about 1.1 times its font size tall.
    const [small, laptop, projector] = ['712 × 400', '1024 × 600', '1920 × 1080'].map((screen) => textHeights.get(`${screen} true`));
    assert.ok(small.every((ratio) => ratio < 1) && projector.every((ratio) => ratio >= 1.5), [...textHeights].join(' '));
    assert.ok(laptop.every((ratio, i) => small[i] < ratio && ratio < projector[i]), [...textHeights].join(' '));
});

// Present: pressed, the diagram open beside the window even on an upright screen, full screen where
// the browser allows it; pressed again or full screen left, as it was.
test('Present: full screen or refused, the diagram beside the window; then the page as it was', async () => {
    const presenting = () => page.evaluate(() => [document.getElementById('present').ariaPressed, !!document.fullscreenElement]);
    for (const [fullScreen, leave] of [[true, 'button'], [true, 'Esc'], [false, 'button']]) {
        await opened(800, 1200);
        if (!fullScreen)
            await page.evaluate(() => { Element.prototype.requestFullscreen = () => Promise.reject(new TypeError('refused')); });
        const where = `full screen ${fullScreen ? 'allowed' : 'refused'}, left by ${leave}`;
        await page.click('#present');
        await page.waitForSelector('#diagram svg');
        await settled();
        assert.deepEqual([await presenting(), await diagramPlace()], [['true', fullScreen], 'beside'], where);
        await (leave === 'button' ? page.click('#present') : page.evaluate(() => document.exitFullscreen()));
        await page.waitForFunction(() => !document.fullscreenElement && document.getElementById('present').ariaPressed === 'false');
        assert.equal(await diagramPlace(), 'closed', where);
        await setDiagram(true);
        assert.deepEqual([await presenting(), await diagramPlace()], [['false', false], 'below'], where);
    }
});

test('Alt+C under a Thai layout, the dialog described by its message, one h1, the diagram after its button', async () => {
    await opened(1024, 600);
    await page.click('#next-press');
    await fill(['Sunny', 'Warm', 'Normal', 'Strong', 'Warm', 'Same']);
    await page.click('#Command1');
    const dialog = await page.waitForSelector('aria/Data not correct[role="dialog"]');
    assert.equal(await description(dialog), 'Duplicate Data');
    await key('Enter');

    const learnt = () => page.$$eval('#List3 [role=option]', (options) => options.length);
    assert.equal(await learnt(), 1);
    // The key typed with its place through the DevTools protocol; WebDriver's key actions give a key
    // the place it has on a US layout, and a Thai key none, so through WebDriver BiDi (Firefox) the
    // key's events are dispatched to the page.
    if (page.browser().protocol === 'cdp') {
        const cdp = await page.createCDPSession();
        for (const type of ['rawKeyDown', 'keyUp'])
            await cdp.send('Input.dispatchKeyEvent', { type, modifiers: 1, key: 'แ', code: 'KeyC', windowsVirtualKeyCode: 67 });
    } else {
        await page.evaluate(() => ['keydown', 'keyup'].forEach((type) => document.activeElement.dispatchEvent(
            new KeyboardEvent(type, { key: 'แ', code: 'KeyC', altKey: true, bubbles: true, cancelable: true }))));
    }
    assert.equal(await learnt(), 0);

    assert.deepEqual(await page.evaluate(() => [
        [...document.querySelectorAll('h1')].map((heading) => heading.textContent), document.getElementById('window-title').textContent,
        !!(document.getElementById('diagram-button').compareDocumentPosition(document.getElementById('diagram')) & Node.DOCUMENT_POSITION_FOLLOWING),
    ]), [['vspace'], 'Form1', true]);
    assert.ok(await page.$('aria/Form1[role="group"]'));
    // Start again, after Exit, drawn as the page's other buttons are.
    await page.click('#Command5');
    const look = (id) => page.$eval(id, (button) => ['font', 'padding', 'border', 'background'].map((p) => getComputedStyle(button)[p]).join());
    assert.equal(await look('#start-again'), await look('#open-session'));
});

// Legible from the back row: presenting at 1280 × 720, the text of the lists and fields at least
// 18 px tall, of the Steps 22 px, of the diagram's labels 16 px. The browser's zoom is the user's:
// at 150 % and 200 % the text is at least 0.9 times as much larger on the screen.
test('Present legible at 1280 × 720; the browser\'s zoom never undone', async () => {
    // On the screen, in device pixels: a field's line measured as a text in its font beside it.
    const sizes = () => page.evaluate(() => {
        const field = document.getElementById('Text1_1'), probe = field.parentElement.appendChild(document.createElement('span'));
        Object.assign(probe, { textContent: 'Sunny' }).style.font = getComputedStyle(field).font;
        const line = (selector, range = new Range()) => range.selectNodeContents(document.querySelector(selector)) ?? Math.max(...[...range.getClientRects()].map((r) => r.height)) * devicePixelRatio;
        const sized = { list: line('#List4 [role=option] span'), field: line('#window > span:last-child'), steps: line('#steps li:last-child'), diagram: line('#diagram svg text') };
        return probe.remove() ?? sized;
    });
    await opened(1280, 720);
    for (let press = 0; press < 3; ++press) await page.click('#next-press');
    await setDiagram(true);
    const unzoomed = await sizes();
    for (const zoom of [1.5, 2]) {
        await page.setViewport({ width: Math.round(1280 / zoom), height: Math.round(720 / zoom), deviceScaleFactor: zoom });
        await settled();
        const zoomed = await sizes();
        for (const text of Object.keys(unzoomed))
            assert.ok(zoomed[text] >= 0.9 * zoom * unzoomed[text], `${text} at ${zoom * 100} %: ${zoomed[text]} px, ${unzoomed[text]} px at 100 %`);
    }
    // Presented in the browser's window at 1280 × 720: full screen would take the whole screen.
    await page.setViewport({ width: 1280, height: 720 });
    await page.evaluate(() => { Element.prototype.requestFullscreen = () => Promise.reject(new TypeError('refused')); });
    await page.click('#present');
    await settled();
    const presented = await sizes();
    assert.ok(presented.list >= 18 && presented.field >= 18 && presented.steps >= 22 && presented.diagram >= 16, JSON.stringify(presented));
    await page.screenshot({ path: join(shots, 'page-present-1280x720.png') });
    await page.click('#present');
});
