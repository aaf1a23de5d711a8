// The page in headless Chromium: time from navigation to usable (engine ready, first field
// focused), what is loaded before the first interaction (gzip), and the time of two presses (both
// learners learning, the press explained in the Steps panel): the Negative press that takes G to
// 30 rows, and a press with 10,000 learning-data rows; with the diagram open, the time from that
// Negative press to the drawing redrawn; and a suggested example. Medians.
// The benchmarks put a state in place by hand, through the entry points of the engine built for
// them (build-web/bench-module), served in place of the page's own.
// Run (after scripts/web build and npm ci):
//   node bench/page_bench.mjs [build-web/site] [runs]

import { readFile } from 'node:fs/promises';
import { gzipSync } from 'node:zlib';
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
await site.close();

console.log(`page usable after navigation: median ${median(ready).toFixed(1)} ms (budget 500 ms), ${runs} loads`);
console.log(`loaded before the first interaction: ${(loaded / 1024).toFixed(1)} KB gzip (budget 250 KB)`);
console.log(`Negative press taking G to 30 rows: median ${median(negative).toFixed(2)} ms (budget 10 ms)`);
console.log(`diagram redrawn after that press (${redraw.nodes} hypotheses): median ${median(redraw.times).toFixed(1)} ms (budget 150 ms)`);
console.log(`press with ${long.rows} learning-data rows: median ${median(long.times).toFixed(2)} ms (budget 50 ms)`);
console.log(`suggested example over 28 hypotheses: median ${median(suggestion).toFixed(2)} ms (budget 50 ms)`);
