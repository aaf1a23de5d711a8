// Lesson reports as the browser reads them: values keep their blanks in the lists, every diagram is
// valid XML, whatever the values hold, and the report of a 10,000-row table (from report_bench,
// REPORT_BENCH) is read to its end.

import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { readFile, writeFile } from 'node:fs/promises';
import { join } from 'node:path';
import { closeSite, newPage, openSite, page, replay, scratch } from './site.mjs';

before(() => openSite(process.env.SITE).then(newPage));
after(closeSite);

test('a report keeps blanks as typed and draws U+FFFE and U+FFFF as valid XML', async () => {
    await writeFile(join(scratch, 'blanks.csv'), 'a  b,\uFFFE,\uFFFF,d,e,f,+\na  b,x,y,d,e,f,+\n');
    assert.equal(replay(join(scratch, 'blanks.csv'), '--quiet', '--report', join(scratch, 'r.html')).status, 0);
    const svgs = (await readFile(join(scratch, 'r.html'), 'utf8')).match(/<svg[\s\S]*?<\/svg>/g);
    await page.goto(`file://${join(scratch, 'r.html')}`);
    const seen = await page.evaluate((svgs) => ({
        rows: [...document.querySelectorAll('li')].map((item) => item.innerText),
        broken: svgs.filter((svg) => new DOMParser().parseFromString(svg, 'image/svg+xml').querySelector('parsererror')).length,
    }), svgs);
    assert.ok(seen.rows.includes('a  b,?,?,d,e,f'), seen.rows.join('\n'));
    assert.deepEqual([svgs.length, seen.broken], [2, 0]);
});

test('the report of a 10,000-row table is read to its end', async () => {
    await writeFile(join(scratch, 'long.csv'), spawnSync(process.env.REPORT_BENCH, ['--table', '10000']).stdout);
    assert.equal(replay(join(scratch, 'long.csv'), '--quiet', '--report', join(scratch, 'long.html')).status, 0);
    await page.goto(`file://${join(scratch, 'long.html')}`, { timeout: 120000 });
    assert.deepEqual(await page.evaluate(() => [document.querySelectorAll('figure').length, [...document.querySelectorAll('h2')].at(-1).textContent]),
                     [100, 'The learning data at the end']);
});
