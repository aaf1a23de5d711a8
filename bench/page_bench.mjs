// The page in headless Chromium: time from navigation to usable (engine ready, first field
// focused), what is loaded before the first interaction (gzip), and the time of two presses (both
// learners learning, the press explained in the Steps panel): the Negative press that takes G to
// 30 rows, and a press with 10,000 learning-data rows; with the diagram open, the time from that
// Negative press to the drawing redrawn; and a suggested example. Medians.
// The benchmarks put a state in place by hand, through the entry points of the engine built for
// them (build-web/bench-module), served in place of the page's own.
// Run (after scripts/web build and npm ci):
//   node bench/page_bench.mjs [build-web/site] [runs]

import { mkdtemp, readFile, rm, writeFile } from 'node:fs/promises';
import { gzipSync } from 'node:zlib';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { openSite } from '../tests/browser/site.mjs';

const folder = process.argv[2] ?? 'build-web/site';
const runs = Number(process.argv[3] ?? 15);
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const site = await openSite([join(folder, '../bench-module'), folder]);
const page = await site.browser.newPage();
await page.setCacheEnabled(false);
await page.setViewport({ width: 800, height: 600 });

const ready = [];
let loaded = 0;
for (let i = 0; i < runs; ++i) {
    await page.goto(site.url);
    await page.waitForSelector('html[data-ready]');
    ready.push(await page.evaluate(() => performance.getEntriesByName('vspace-ready')[0].startTime));
    const files = await page.evaluate(() => [location.pathname, ...performance.getEntriesByType('resource').map((r) => new URL(r.name).pathname)]);
    const sizes = await Promise.all(files.map(async (file) =>
        gzipSync(await readFile(join(folder, file.endsWith('/') ? `${file}index.html` : file))).length));
    loaded = sizes.reduce((sum, size) => sum + size, 0);
}

// G at 29 rows over S = A..F (the rows holding two of its values and all but one of those holding
// four); the negative example z,z,z,z,z,F adds the thirtieth.
const negative = await page.evaluate((runs) => {
    const s = ['A', 'B', 'C', 'D', 'E', 'F'];
    const subset = (mask) => s.map((value, a) => ((mask >> a) & 1 ? value : '?'));
    const bits = (mask) => [...mask.toString(2)].filter((b) => b === '1').length;
    const masks = [...Array(64).keys()];
    const quads = masks.filter((m) => bits(m) === 4);
    const g = [...masks.filter((m) => bits(m) === 2), ...quads.filter((_, i) => i !== 0 && i !== 5), quads[5]].map(subset);
    const times = [];
    for (let i = 0; i < runs; ++i) {
        document.getElementById('Command6').click();
        vspacePage.apply(vspacePage.page.setBoundaries(s, g, 10));
        ['z', 'z', 'z', 'z', 'z', 'F'].forEach((value, a) => { document.getElementById(`Text1_${a + 1}`).value = value; });
        document.body.offsetHeight;
        const start = performance.now();
        document.getElementById('Command2').click();
        document.body.offsetHeight; // laid out anew
        times.push(performance.now() - start);
        if (document.querySelectorAll('#List1 [role=option]').length !== 30)
            throw new Error('G did not reach 30 rows');
    }
    return times;
}, runs);

await page.click('#diagram-button');
await page.waitForSelector('#diagram svg');
const redraw = await page.evaluate(async (runs) => {
    const s = ['A', 'B', 'C', 'D', 'E', 'F'];
    const subset = (mask) => s.map((value, a) => ((mask >> a) & 1 ? value : '?'));
    const bits = (mask) => [...mask.toString(2)].filter((b) => b === '1').length;
    const quads = [...Array(64).keys()].filter((m) => bits(m) === 4);
    const g = [...[...Array(64).keys()].filter((m) => bits(m) === 2), ...quads.filter((_, i) => i !== 0 && i !== 5), quads[5]].map(subset);
    const drawing = document.querySelector('#diagram .drawing');
    const times = [];
    for (let i = 0; i < runs; ++i) {
        document.getElementById('Command6').click();
        vspacePage.apply(vspacePage.page.setBoundaries(s, g, 10));
        ['z', 'z', 'z', 'z', 'z', 'F'].forEach((value, a) => { document.getElementById(`Text1_${a + 1}`).value = value; });
        const drawn = new Promise((resolve) => new MutationObserver((_, observer) => { observer.disconnect(); resolve(); })
            .observe(drawing, { childList: true }));
        const start = performance.now();
        document.getElementById('Command2').click();
        await drawn;
        document.body.offsetHeight;
        times.push(performance.now() - start);
    }
    return { times, nodes: drawing.querySelectorAll('.node').length };
}, runs);
await page.click('#diagram-button');

const long = await page.evaluate((runs) => {
    document.getElementById('Command6').click();
    const press = (values, button) => {
        values.forEach((value, a) => { document.getElementById(`Text1_${a + 1}`).value = value; });
        const start = performance.now();
        document.getElementById(button).click();
        document.body.offsetHeight;
        return performance.now() - start;
    };
    press(['a', 'b', 'c', 'd', 'e', 'f'], 'Command1');
    for (let i = 1; i < 10000; ++i)
        press([`x${i}`, 'b', 'c', 'd', 'e', 'f'], 'Command2');
    const times = [];
    for (let i = 0; i < runs; ++i)
        times.push(press([`y${i}`, 'b', 'c', 'd', 'e', `f${i}`], 'Command2'));
    return { times, rows: document.querySelectorAll('#List3 [role=option]').length };
}, runs);
// Undo of a press, then its redo, in the state the page is in: the time to the page updated, and
// to its layout done.
const timeUndo = () => page.evaluate((runs) => {
    const times = [];
    for (let i = 0; i < runs; ++i) {
        ['z', 'b', 'c', 'd', 'e', `u${i}`].forEach((value, a) => { document.getElementById(`Text1_${a + 1}`).value = value; });
        document.getElementById('Command2').click();
        const start = performance.now();
        document.getElementById('undo').click();
        const updated = performance.now();
        document.body.offsetHeight;
        times.push([updated - start, performance.now() - start]);
        document.getElementById('redo').click();
    }
    return { rows: document.querySelectorAll('#List3 [role=option]').length, updated: times.map((t) => t[0]), laidOut: times.map((t) => t[1]) };
}, runs);
const undoLong = await timeUndo();

// A suggested example, with the textbook's version space at 28 hypotheses.
const suggestion = await page.evaluate((runs) => {
    document.getElementById('Command6').click();
    for (const [values, button] of [[['Sunny', 'Warm', 'Normal', 'Strong', 'Warm', 'Same'], 'Command1'],
                                    [['Sunny', 'Warm', 'High', 'Strong', 'Warm', 'Same'], 'Command1'],
                                    [['Rainy', 'Cold', 'High', 'Strong', 'Warm', 'Change'], 'Command2']]) {
        values.forEach((value, a) => { document.getElementById(`Text1_${a + 1}`).value = value; });
        document.getElementById(button).click();
    }
    const times = [];
    for (let i = 0; i < runs; ++i) {
        const start = performance.now();
        document.getElementById('suggest').click();
        document.body.offsetHeight;
        times.push(performance.now() - start);
    }
    return times;
}, runs);
const undoLesson = await timeUndo();

// A session of 10,000 rows (a third of them negative) opened and played to its end; the longest
// task is timed by the browser's long-task observer, which sees tasks over 50 ms.
const folder2 = await mkdtemp(join(tmpdir(), 'vspace-bench-'));
const rows = ['Sunny,Warm,Normal,Strong,Warm,Same,+'];
for (let i = 1; i < 10000; ++i)
    rows.push(`v${i},w${i % 5},Normal,Strong,Warm,Same,${i % 3 ? '+' : '-'}`);
await writeFile(join(folder2, 'session.csv'), `${rows.join('\n')}\n`);
const playRuns = Math.max(3, Math.ceil(runs / 3));
const playing = { closed: [], open: [], longest: [] };
for (const diagram of ['closed', 'open']) {
    for (let i = 0; i < playRuns; ++i) {
        await page.goto(site.url);
        await page.waitForSelector('html[data-ready]');
        if (diagram === 'open')
            await page.click('#diagram-button');
        const [chooser] = await Promise.all([page.waitForFileChooser(), page.click('#open-session')]);
        await chooser.accept([join(folder2, 'session.csv')]);
        await page.waitForFunction(() => !document.getElementById('next-press').disabled);
        const times = await page.evaluate(() => new Promise((resolve) => {
            const tasks = [];
            new PerformanceObserver((list) => tasks.push(...list.getEntries().map((e) => e.duration))).observe({ type: 'longtask' });
            const start = performance.now();
            const status = document.getElementById('session-status'), progress = document.getElementById('play-progress');
            // The end: every press played and every row drawn, the progress bar gone.
            new MutationObserver(() => {
                if (status.textContent.startsWith('10000 of 10000') && progress.hidden)
                    setTimeout(() => resolve({ time: performance.now() - start, longest: Math.max(0, ...tasks) }), 0);
            }).observe(progress, { attributes: true });
            document.getElementById('play-to-end').click();
        }));
        playing[diagram].push(times.time);
        playing.longest.push(times.longest);
    }
}
await rm(folder2, { recursive: true });
await site.close();

console.log(`page usable after navigation: median ${median(ready).toFixed(1)} ms (budget 500 ms), ${runs} loads`);
console.log(`loaded before the first interaction: ${(loaded / 1024).toFixed(1)} KB gzip (budget 250 KB)`);
console.log(`Negative press taking G to 30 rows: median ${median(negative).toFixed(2)} ms (budget 10 ms)`);
console.log(`diagram redrawn after that press (${redraw.nodes} hypotheses): median ${median(redraw.times).toFixed(1)} ms (budget 150 ms)`);
console.log(`press with ${long.rows} learning-data rows: median ${median(long.times).toFixed(2)} ms (budget 50 ms)`);
console.log(`suggested example over 28 hypotheses: median ${median(suggestion).toFixed(2)} ms (budget 50 ms)`);
for (const undo of [undoLesson, undoLong]) {
    console.log(`undo of a press with ${undo.rows} learning-data rows: median ${median(undo.updated).toFixed(2)} ms to the page updated `
                + `(budget 5 ms), ${median(undo.laidOut).toFixed(2)} ms to its layout done`);
}
console.log(`Play to end of 10,000 rows: median ${median(playing.closed).toFixed(0)} ms with the diagram closed (budget 2000 ms), `
            + `${median(playing.open).toFixed(0)} ms open (budget 4000 ms), ${playRuns} runs each`);
console.log(`longest task meanwhile: ${Math.max(...playing.longest) > 0 ? `${Math.max(...playing.longest).toFixed(0)} ms` : 'none over 50 ms'} `
            + `at most, median ${median(playing.longest).toFixed(0)} ms (budget 100 ms)`);
