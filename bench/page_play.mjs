// Play to end of large tables on the page, in headless Chromium: six attributes of 20 values each,
// every other row a "?" (a Predict, whose answer goes to Messages) and the rest labelled by the
// first attribute. For each size, the time from the press to every row played and drawn, the
// longest main-thread task meanwhile, the tab's JavaScript heap plus WebAssembly memory at the end,
// and, in a second run, how long Stop takes to act once pressed after a second of playing. Medians
// of the runs, each printed as soon as it is measured. Every step gives up at its limit, and says
// how far it got.
// Usage: node bench/page_play.mjs <site folder> [rows, comma-separated: 10000,100000,1000000]
//        [runs, 3] [seconds a step may take, 400]

import { mkdtemp, rm, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { openSite } from '../tests/browser/site.mjs';

const [folder, sizesArgument, runsArgument, limitArgument] = process.argv.slice(2);
if (!folder) {
    console.error('usage: node bench/page_play.mjs <site folder> [rows,...] [runs] [seconds per step]');
    process.exit(2);
}
const sizes = (sizesArgument ?? '10000,100000,1000000').split(',').map(Number);
const runs = Number(runsArgument ?? 3);
const limit = Number(limitArgument ?? 400) * 1000;
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const work = await mkdtemp(join(tmpdir(), 'vspace-page-play-'));
const site = await openSite([join(folder, '../bench-module'), folder]);

// The same table for the same size: values drawn from a linear congruential generator.
function table(rows) {
    let state = 1;
    const next = () => (state = (state * 1103515245 + 12345) % 2 ** 31) % 20;
    const lines = [];
    for (let i = 0; i < rows; ++i) {
        const x = Array.from({ length: 6 }, () => next());
        lines.push(`${x.map((v) => `v${v}`).join(',')},${i % 2 ? '?' : x[0] < 10 ? '+' : '-'}`);
    }
    return `${lines.join('\n')}\n`;
}

// One run in a fresh tab: the table opened, then Play to end; with `stopAfter`, Stop pressed that
// many milliseconds after. Resolves to its figures, or to where it was at the step's limit.
async function play(file, rows, stopAfter) {
    const page = await site.browser.newPage();
    page.setDefaultTimeout(limit);
    try {
        await page.setViewport({ width: 1280, height: 720 });
        await page.goto(site.url);
        await page.waitForSelector('html[data-ready]');
        const [chooser] = await Promise.all([page.waitForFileChooser(), page.click('#open-session')]);
        await chooser.accept([file]);
        await page.waitForFunction(() => !document.getElementById('play-to-end').disabled);
        const run = await page.evaluate((rows, stopAfter, limit) => new Promise((resolve) => {
            const tasks = [];
            new PerformanceObserver((list) => tasks.push(...list.getEntries().map((e) => e.duration))).observe({ type: 'longtask' });
            const status = document.getElementById('session-status'), progress = document.getElementById('play-progress');
            const start = performance.now();
            let stopped = 0;
            new MutationObserver(() => {
                if (progress.hidden && (stopped || status.textContent.startsWith(`${rows} of ${rows}`)))
                    setTimeout(() => resolve({ time: performance.now() - start, longest: Math.max(0, ...tasks),
                                               stop: stopped && performance.now() - stopped }), 0);
            }).observe(progress, { attributes: true });
            setTimeout(() => resolve({ cut: status.textContent || `${progress.value} played` }), limit);
            document.getElementById('play-to-end').click();
            if (stopAfter) setTimeout(() => { stopped = performance.now(); document.getElementById('stop').click(); }, stopAfter);
        }), rows, stopAfter, limit - 10000);
        const cdp = await page.createCDPSession();
        await cdp.send('HeapProfiler.collectGarbage');
        const { usedSize } = await cdp.send('Runtime.getHeapUsage');
        const wasm = await page.evaluate(() => globalThis.vspacePage?.module?.HEAPU8?.buffer.byteLength ?? NaN);
        return { ...run, memory: (usedSize + wasm) / 2 ** 20 };
    } finally {
        await page.close();
    }
}

try {
    for (const rows of sizes) {
        const file = join(work, `table-${rows}.csv`);
        await writeFile(file, table(rows));
        const played = [];
        for (let run = 0; run < runs; ++run) {
            const figures = await play(file, rows, 0);
            if (figures.cut !== undefined) {
                console.log(`Play to end of ${rows} rows: cut off at the step's limit at "${figures.cut}"`);
                break;
            }
            played.push(figures);
        }
        if (played.length) {
            const of = (key) => median(played.map((figures) => figures[key]));
            console.log(`Play to end of ${rows} rows: median ${(of('time') / 1000).toFixed(1)} s, longest task ` +
                        `${of('longest').toFixed(0)} ms (0: none over 50 ms), JavaScript heap + WebAssembly ` +
                        `${of('memory').toFixed(0)} MB; runs ${played.map((f) => (f.time / 1000).toFixed(1)).join(', ')} s`);
        }
        const stopped = await play(file, rows, 1000);
        console.log(stopped.cut !== undefined ? `Stop during ${rows} rows: cut off at "${stopped.cut}"`
            : `Stop during ${rows} rows, pressed after 1 s: acted in ${stopped.stop.toFixed(0)} ms`);
    }
} finally {
    await site.close();
    await rm(work, { recursive: true });
}
