// The page in headless Chromium: time from navigation to usable (engine ready, first field
// focused), what is loaded before the first interaction (gzip), and the time of two presses (both
// learners learning, the press explained in the Steps panel): the Negative press that takes G to
// 30 rows, and a press with 10,000 learning-data rows; with the diagram open, the time from that
// Negative press to the drawing redrawn; a suggested example; the undo of a press in a lesson and
// with 10,000 learning-data rows; at 16 attributes, a press that gives the textbook learner 65,536
// hypotheses and a suggestion over 32,768; Play to end of 10,000 rows with the diagram closed and
// open, and of 10,000 rows of 16 attributes, and the longest main-thread task meanwhile. Medians,
// each printed as soon as it is measured, with its runs in the order they ran.
// The benchmarks put a state in place by hand, through the entry points of the engine built for
// them (build-web/bench-module), served in place of the page's own.
// Every call into the page is short: one measured run, or a slice of about a second of the
// presses that build a state. Between calls the browser may draw a frame; no time measured spans
// two calls. Each step has a time limit (the third argument, in seconds, 900 unless given): a step
// that reaches it is reported as cut off, with how far it got, and the next one starts.
// Run (after scripts/web build and npm ci), BENCH_ONLY a pattern of the steps' names to run alone:
//   [BENCH_ONLY=pattern] node bench/page_bench.mjs [build-web/site] [runs] [seconds a step may take]

import { mkdtemp, readFile, rm, writeFile } from 'node:fs/promises';
import { gzipSync } from 'node:zlib';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import puppeteer from 'puppeteer-core';
import { openSite } from '../tests/browser/site.mjs';

const folder = process.argv[2] ?? 'build-web/site';
const runs = Number(process.argv[3] ?? 15);
const stepLimit = Number(process.argv[4] ?? 900) * 1000;
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const figures = (values, digits) => values.map((v) => v.toFixed(digits)).join(', ');
const site = await openSite([join(folder, '../bench-module'), folder]);
// A second connection to the same browser, whose calls may take longer than puppeteer's default
// of three minutes: no call below should come near it, but a machine busy with other work must
// not end the whole run for one slow call.
const browser = await puppeteer.connect({ browserWSEndpoint: site.browser.wsEndpoint(),
                                          protocolTimeout: stepLimit + 120000 });
let page;
const newPage = async () => {
    page = await browser.newPage();
    page.setDefaultTimeout(0); // the step's own limit bounds every wait
    await page.setCacheEnabled(false);
    await page.setViewport({ width: 800, height: 600 });
};
await newPage();

// One step of the benchmark, run by `body` with a context whose calls into the page give up at the
// step's time limit. True if the step ran to its end. A step cut off while the page was still busy,
// or that failed, leaves that page behind, and the next step gets a new one.
class CutOff extends Error {}
let pagesLeft = 0;
const only = process.env.BENCH_ONLY ? new RegExp(process.env.BENCH_ONLY) : null;
async function step(name, body) {
    if (only && !only.test(name)) return;
    const deadline = Date.now() + stepLimit;
    let progress = 'nothing measured yet', busy = false;
    const within = (promise) => {
        promise.catch(() => {});
        let timer;
        const limit = new Promise((_, reject) => {
            // A few seconds past the limit, for the calls that keep to it in the page itself.
            timer = setTimeout(() => { busy = true; reject(new CutOff()); }, Math.max(0, deadline - Date.now()) + 5000);
        });
        return Promise.race([promise, limit]).finally(() => clearTimeout(timer));
    };
    const context = {
        left: () => Math.max(0, deadline - Date.now()),
        progress: (text) => { progress = text; },
        // Throws CutOff once the time is up, between calls into the page.
        check: () => { if (Date.now() > deadline) throw new CutOff(); },
        within: (promise) => { context.check(); return within(promise()); },
        evaluate: (...args) => context.within(() => page.evaluate(...args)),
    };
    try {
        await body(context);
        return true;
    } catch (error) {
        // A fault the step ran into is reported, and fails the run once the other steps are done.
        if (error instanceof CutOff) {
            console.log(`${name}: cut off at the step's limit of ${stepLimit / 1000} s, ${progress}`);
        } else {
            console.log(`${name}: failed, ${progress}: ${error.stack ?? error}`);
            process.exitCode = 1;
            busy = true;
        }
        if (busy) {
            page.close().catch(() => {});
            ++pagesLeft;
            await newPage();
        }
        return false;
    }
}
const load = async (context) => {
    await context.within(() => page.goto(site.url));
    await context.within(() => page.waitForSelector('html[data-ready]'));
};
// The page as the last step left it, loaded anew only if that step did not get it there.
const readyPage = async (context) => {
    if (!await context.evaluate(() => document.documentElement.dataset.ready === 'true' && !!globalThis.vspacePage))
        await load(context);
};
const diagramClosed = (context) => context.evaluate(() => {
    if (document.getElementById('diagram-button').getAttribute('aria-expanded') === 'true')
        document.getElementById('diagram-button').click();
});

await step('page usable after navigation', async (context) => {
    const ready = [];
    let loaded = 0;
    for (let i = 0; i < runs; ++i) {
        await load(context);
        ready.push(await context.evaluate(() => performance.getEntriesByName('vspace-ready')[0].startTime));
        const files = await context.evaluate(() => [location.pathname, ...performance.getEntriesByType('resource').map((r) => new URL(r.name).pathname)]);
        const sizes = await Promise.all(files.map(async (file) =>
            gzipSync(await readFile(join(folder, file.endsWith('/') ? `${file}index.html` : file))).length));
        loaded = sizes.reduce((sum, size) => sum + size, 0);
        context.progress(`${ready.length} of ${runs} loads measured: ${figures(ready, 1)} ms`);
    }
    console.log(`page usable after navigation: median ${median(ready).toFixed(1)} ms (budget 500 ms); runs ${figures(ready, 1)}`);
    console.log(`loaded before the first interaction: ${(loaded / 1024).toFixed(1)} KB gzip (budget 250 KB)`);
});

// G at 29 rows over S = A..F (the rows holding two of its values and all but one of those holding
// four); the negative example z,z,z,z,z,F adds the thirtieth. Each run puts that state in place
// and makes the press, in one call.
const atTwentyNine = () => {
    const s = ['A', 'B', 'C', 'D', 'E', 'F'];
    const subset = (mask) => s.map((value, a) => ((mask >> a) & 1 ? value : '?'));
    const bits = (mask) => [...mask.toString(2)].filter((b) => b === '1').length;
    const masks = [...Array(64).keys()];
    const quads = masks.filter((m) => bits(m) === 4);
    const g = [...masks.filter((m) => bits(m) === 2), ...quads.filter((_, i) => i !== 0 && i !== 5), quads[5]].map(subset);
    document.getElementById('Command6').click();
    globalThis.vspacePage.apply(globalThis.vspacePage.page.setBoundaries(s, g, 10));
    ['z', 'z', 'z', 'z', 'z', 'F'].forEach((value, a) => { document.getElementById(`Text1_${a + 1}`).value = value; });
};
await step('Negative press taking G to 30 rows', async (context) => {
    await readyPage(context);
    const times = [];
    for (let i = 0; i < runs; ++i) {
        times.push(await context.evaluate(`(${atTwentyNine})(); (${() => {
            document.body.offsetHeight;
            const start = performance.now();
            document.getElementById('Command2').click();
            document.body.offsetHeight; // laid out anew
            const time = performance.now() - start;
            if (document.querySelectorAll('#List1 [role=option]').length !== 30)
                throw new Error('G did not reach 30 rows');
            return time;
        }})()`));
        context.progress(`${times.length} of ${runs} runs measured: ${figures(times, 2)} ms`);
    }
    console.log(`Negative press taking G to 30 rows: median ${median(times).toFixed(2)} ms (budget 10 ms); runs ${figures(times, 2)}`);
});

await step('diagram redrawn after that press', async (context) => {
    await readyPage(context);
    await context.within(() => page.click('#diagram-button'));
    await context.within(() => page.waitForSelector('#diagram svg'));
    const times = [];
    let nodes = 0;
    for (let i = 0; i < runs; ++i) {
        const run = await context.evaluate(`(${atTwentyNine})(); (${async () => {
            const drawing = document.querySelector('#diagram .drawing');
            const drawn = new Promise((resolve) => new MutationObserver((_, observer) => { observer.disconnect(); resolve(); })
                .observe(drawing, { childList: true }));
            const start = performance.now();
            document.getElementById('Command2').click();
            await drawn;
            document.body.offsetHeight;
            return { time: performance.now() - start, nodes: drawing.querySelectorAll('.node').length };
        }})()`);
        times.push(run.time);
        nodes = run.nodes;
        context.progress(`${times.length} of ${runs} runs measured: ${figures(times, 1)} ms`);
    }
    await context.within(() => page.click('#diagram-button'));
    console.log(`diagram redrawn after that press (${nodes} hypotheses): median ${median(times).toFixed(1)} ms (budget 150 ms); `
                + `runs ${figures(times, 1)}`);
});

// A press, with the page laid out after it; its time in ms.
const press = (values, button) => {
    values.forEach((value, a) => { document.getElementById(`Text1_${a + 1}`).value = value; });
    const start = performance.now();
    document.getElementById(button).click();
    document.body.offsetHeight;
    return performance.now() - start;
};
const rowsOf = (list) => page.evaluate((list) => document.querySelectorAll(`#${list} [role=option]`).length, list);

// 10,000 learning-data rows: a,b,c,d,e,f learnt positive, then x1..x9999 negative, made in slices
// of about a second each, with the diagram closed.
const pagesBefore = pagesLeft;
await step('press with 10,000 learning-data rows', async (context) => {
    await readyPage(context);
    await diagramClosed(context);
    await context.evaluate(() => document.getElementById('Command6').click());
    for (let made = 0; made < 10000;) {
        made = await context.evaluate(`(${(from, press) => {
            const start = performance.now();
            let i = from;
            do {
                press(i ? [`x${i}`, 'b', 'c', 'd', 'e', 'f'] : ['a', 'b', 'c', 'd', 'e', 'f'], i ? 'Command2' : 'Command1');
                ++i;
            } while (i < 10000 && performance.now() - start < 1000);
            return i;
        }})(${made}, ${press})`);
        context.progress(`${made} of 10,000 learning-data rows made, no press measured`);
    }
    const times = [];
    for (let i = 0; i < runs; ++i) {
        times.push(await context.evaluate(`(${press})([\`y${i}\`, 'b', 'c', 'd', 'e', \`f${i}\`], 'Command2')`));
        context.progress(`${times.length} of ${runs} runs measured: ${figures(times, 2)} ms`);
    }
    console.log(`press with ${await context.within(() => rowsOf('List3'))} learning-data rows: median ${median(times).toFixed(2)} ms `
                + `(budget 50 ms); runs ${figures(times, 2)}`);
});

// Undo of a press, then its redo, in the state the page is in: the time to the page updated, and
// to its layout done.
const timeUndo = (name) => step(name, async (context) => {
    const updated = [], laidOut = [];
    for (let i = 0; i < runs; ++i) {
        const [u, l] = await context.evaluate((i) => {
            ['z', 'b', 'c', 'd', 'e', `u${i}`].forEach((value, a) => { document.getElementById(`Text1_${a + 1}`).value = value; });
            document.getElementById('Command2').click();
            const start = performance.now();
            document.getElementById('undo').click();
            const updated = performance.now();
            document.body.offsetHeight;
            const time = [updated - start, performance.now() - start];
            document.getElementById('redo').click();
            return time;
        }, i);
        updated.push(u);
        laidOut.push(l);
        context.progress(`${updated.length} of ${runs} runs measured: ${figures(updated, 2)} ms to the page updated`);
    }
    console.log(`undo of a press with ${await context.within(() => rowsOf('List3'))} learning-data rows: median `
                + `${median(updated).toFixed(2)} ms to the page updated (budget 5 ms), ${median(laidOut).toFixed(2)} ms to its layout done; `
                + `runs ${figures(updated, 2)} and ${figures(laidOut, 2)}`);
});
if (pagesLeft === pagesBefore)
    await timeUndo('undo of a press with 10,000 learning-data rows');
else
    console.log('undo of a press with 10,000 learning-data rows: not measured, the page was left busy');

// A suggested example, with the textbook's version space at 28 hypotheses.
const lesson = await step('suggested example over 28 hypotheses', async (context) => {
    await readyPage(context);
    await diagramClosed(context);
    await context.evaluate(() => {
        document.getElementById('Command6').click();
        for (const [values, button] of [[['Sunny', 'Warm', 'Normal', 'Strong', 'Warm', 'Same'], 'Command1'],
                                        [['Sunny', 'Warm', 'High', 'Strong', 'Warm', 'Same'], 'Command1'],
                                        [['Rainy', 'Cold', 'High', 'Strong', 'Warm', 'Change'], 'Command2']]) {
            values.forEach((value, a) => { document.getElementById(`Text1_${a + 1}`).value = value; });
            document.getElementById(button).click();
        }
    });
    const times = [];
    for (let i = 0; i < runs; ++i) {
        times.push(await context.evaluate(() => {
            const start = performance.now();
            document.getElementById('suggest').click();
            document.body.offsetHeight;
            return performance.now() - start;
        }));
        context.progress(`${times.length} of ${runs} runs measured: ${figures(times, 2)} ms`);
    }
    console.log(`suggested example over 28 hypotheses: median ${median(times).toFixed(2)} ms (budget 50 ms); runs ${figures(times, 2)}`);
});
if (lesson)
    await timeUndo('undo of a press in a lesson');
else
    console.log('undo of a press in a lesson: not measured, the lesson was not put in place');

// Sixteen attributes, the textbook learner shown: the first positive example gives a version space
// of 65,536 hypotheses (the list shows 10,000 of them); a negative example differing at the first
// attribute leaves 32,768, and one differing at the first and third learns another value of the
// third, over which an example is suggested (one differing everywhere the program's learner
// refuses, its version space limited to 30 rows, and so both learners do).
const sixteen = Array.from({ length: 16 }, (_, a) => `a${a + 1}`);
const atSixteen = async (context, examples) => {
    await load(context);
    await diagramClosed(context);
    await context.evaluate((names, examples) => {
        const vspace = globalThis.vspacePage;
        vspace.act((fields) => vspace.page.setAttributes(names, fields));
        document.getElementById('textbook').click();
        for (const [values, button] of examples) {
            values.forEach((value, a) => { document.getElementById(`Text1_${a + 1}`).value = value; });
            document.getElementById(button).click();
        }
    }, sixteen, examples);
};
const first = sixteen.map((name) => `${name}x`);
await step('press at 16 attributes: a 65,536-row textbook version space', async (context) => {
    await atSixteen(context, []);
    const times = [];
    for (let i = 0; i < runs; ++i) {
        times.push(await context.evaluate((values) => {
            values.forEach((value, a) => { document.getElementById(`Text1_${a + 1}`).value = value; });
            const start = performance.now();
            document.getElementById('Command1').click();
            document.body.offsetHeight;
            const time = performance.now() - start;
            document.getElementById('undo').click();
            return time;
        }, first));
        context.progress(`${times.length} of ${runs} runs measured: ${figures(times, 1)} ms`);
    }
    console.log(`press at 16 attributes, 65,536 hypotheses: median ${median(times).toFixed(1)} ms (budget 50 ms); runs ${figures(times, 1)}`);
});
const differing = (at) => sixteen.map((name, a) => `${name}${at.includes(a) ? 'z' : 'x'}`);
await step('suggested example at 16 attributes over 32,768 hypotheses', async (context) => {
    await atSixteen(context, [[first, 'Command1'], [differing([0]), 'Command2'], [differing([0, 2]), 'Command2']]);
    if (await context.evaluate(() => document.getElementById('suggest').disabled))
        throw new Error('Suggest example is greyed: there is nothing to measure');
    const times = [];
    for (let i = 0; i < runs; ++i) {
        times.push(await context.evaluate(() => {
            const start = performance.now();
            document.getElementById('suggest').click();
            document.body.offsetHeight;
            return performance.now() - start;
        }));
        context.progress(`${times.length} of ${runs} runs measured: ${figures(times, 1)} ms`);
    }
    console.log(`suggested example at 16 attributes over 32,768 hypotheses: median ${median(times).toFixed(1)} ms (budget 50 ms); runs ${figures(times, 1)}`);
});

// A session of 10,000 rows (a third of them negative) opened and played to its end; the longest
// task is timed by the browser's long-task observer, which sees tasks over 50 ms.
const folder2 = await mkdtemp(join(tmpdir(), 'vspace-bench-'));
const rows = ['Sunny,Warm,Normal,Strong,Warm,Same,+'];
for (let i = 1; i < 10000; ++i)
    rows.push(`v${i},w${i % 5},Normal,Strong,Warm,Same,${i % 3 ? '+' : '-'}`);
await writeFile(join(folder2, 'session.csv'), `${rows.join('\n')}\n`);
// And a table of 16 attributes, three values each, labelled by two of them.
const wide = [];
for (let i = 0; i < 10000; ++i) {
    const x = Array.from({ length: 16 }, (_, a) => 'abc'[(i * 7 + a * a * 13 + (i >> a)) % 3]);
    wide.push(`${x.join(',')},${x[0] === 'a' && x[3] === 'b' ? '+' : '-'}`);
}
wide[0] = `a,a,a,b${',a'.repeat(12)},+`;
await writeFile(join(folder2, 'wide.csv'), `${wide.join('\n')}\n`);
const playRuns = Math.max(3, Math.ceil(runs / 3));
const longest = [];
for (const [diagram, budget, file, what] of [['closed', 2000, 'session.csv', '10,000 rows'],
                                             ['open', 4000, 'session.csv', '10,000 rows'],
                                             ['closed', 4000, 'wide.csv', '10,000 rows of 16 attributes']]) {
    const name = `Play to end of ${what} with the diagram ${diagram}`;
    await step(name, async (context) => {
        const times = [];
        for (let i = 0; i < playRuns; ++i) {
            await load(context);
            if (diagram === 'open')
                await context.within(() => page.click('#diagram-button'));
            const [chooser] = await context.within(() => Promise.all([page.waitForFileChooser(), page.click('#open-session')]));
            await context.within(() => chooser.accept([join(folder2, file)]));
            await context.within(() => page.waitForFunction(() => !document.getElementById('next-press').disabled));
            // Given up in the page at the step's limit, with how far the session got.
            const run = await context.evaluate((limit) => new Promise((resolve) => {
                const tasks = [];
                new PerformanceObserver((list) => tasks.push(...list.getEntries().map((e) => e.duration))).observe({ type: 'longtask' });
                const start = performance.now();
                const status = document.getElementById('session-status'), progress = document.getElementById('play-progress');
                // The end: every press played and every row drawn, the progress bar gone.
                new MutationObserver(() => {
                    if (status.textContent.startsWith('10000 of 10000') && progress.hidden)
                        setTimeout(() => resolve({ time: performance.now() - start, longest: Math.max(0, ...tasks) }), 0);
                }).observe(progress, { attributes: true });
                setTimeout(() => resolve({ stopped: status.textContent }), limit);
                document.getElementById('play-to-end').click();
            }), context.left());
            if (run.stopped !== undefined) {
                context.progress(`${times.length} of ${playRuns} runs measured${times.length ? `: ${figures(times, 0)} ms` : ''}, `
                                 + `the next stopped at "${run.stopped}"`);
                throw new CutOff();
            }
            times.push(run.time);
            longest.push(run.longest);
            context.progress(`${times.length} of ${playRuns} runs measured: ${figures(times, 0)} ms`);
        }
        console.log(`${name}: median ${median(times).toFixed(0)} ms (budget ${budget} ms); runs ${figures(times, 0)}`);
    });
}
if (longest.length) {
    const most = Math.max(...longest);
    console.log(`longest task during Play to end: ${most > 0 ? `${most.toFixed(0)} ms` : 'none over 50 ms'} at most, `
                + `median ${median(longest).toFixed(0)} ms (budget 100 ms); runs ${figures(longest, 0)} (0: none over 50 ms)`);
} else {
    console.log('longest task during Play to end: not measured, no Play to end ran to its end');
}
await rm(folder2, { recursive: true });
await browser.disconnect();
await site.close();
