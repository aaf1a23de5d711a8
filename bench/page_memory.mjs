// The page's memory on a session of huge values: 60 × (Positive with six values of 174,000 bytes,
// Clear), about 62 MB. Prints WebAssembly memory plus the JavaScript heap (after a garbage
// collection) on the idle page, after the file is opened and after Play to end, and how much
// they grew against the file's size. Bounded: each step gives up after its limit.
// Usage: node bench/page_memory.mjs <site folder> [seconds per step, 600]

import { mkdtemp, rm, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { openSite } from '../tests/browser/site.mjs';

const [folder, limitArgument] = process.argv.slice(2);
if (!folder) {
    console.error('usage: node bench/page_memory.mjs <site folder> [seconds per step]');
    process.exit(2);
}
const limit = Number(limitArgument ?? 600) * 1000;
const work = await mkdtemp(join(tmpdir(), 'vspace-page-memory-'));
const lines = [];
for (let i = 0; i < 60; ++i) {
    const values = Array.from({ length: 6 }, (_, a) => `${i}`.padEnd(174000, String.fromCharCode(97 + a)));
    lines.push(JSON.stringify({ Text1: values, press: 'Positive' }), '{"press":"Clear"}');
}
const file = join(work, 'huge.jsonl');
const text = `${lines.join('\n')}\n`;
await writeFile(file, text);
const fileMB = Buffer.byteLength(text) / 2 ** 20;

const site = await openSite([join(folder, '../bench-module'), folder]);
const page = await site.browser.newPage();
page.setDefaultTimeout(limit);
const cdp = await page.createCDPSession();
const mb = (bytes) => bytes / 2 ** 20;
async function used() {
    await cdp.send('HeapProfiler.collectGarbage');
    const { usedSize } = await cdp.send('Runtime.getHeapUsage');
    const wasm = await page.evaluate(() => globalThis.vspacePage?.module?.HEAPU8?.buffer.byteLength ?? NaN);
    return { js: mb(usedSize), wasm: mb(wasm) };
}
const say = (what, { js, wasm }, idle) =>
    console.log(`${what}: WebAssembly ${wasm.toFixed(1)} MB + JavaScript heap ${js.toFixed(1)} MB` +
                (idle ? `; grown ${(wasm + js - idle.wasm - idle.js).toFixed(1)} MB over the idle page, ` +
                        `${((wasm + js - idle.wasm - idle.js) / fileMB).toFixed(2)} × the file's ${fileMB.toFixed(1)} MB` : ''));
try {
    await page.goto(site.url);
    await page.waitForSelector('html[data-ready]');
    const idle = await used();
    say('idle page', idle);
    const [chooser] = await Promise.all([page.waitForFileChooser(), page.click('#open-session')]);
    await chooser.accept([file]);
    await page.waitForFunction(() => !document.getElementById('play-to-end').disabled);
    say('opened', await used(), idle);
    await page.click('#play-to-end');
    await page.waitForFunction(() => document.getElementById('session-status').textContent.startsWith('120 of'));
    await page.waitForFunction(() => document.getElementById('stop').hidden);
    say('played to its end', await used(), idle);
} catch (error) {
    console.log(`stopped: ${error.message.split('\n')[0]}`);
} finally {
    await site.close();
    await rm(work, { recursive: true });
}
