// Lesson reports as the browser reads them: values keep their blanks in the lists, every diagram is
// valid XML, whatever the values hold, and the report of a 10,000-row table (from report_bench,
// REPORT_BENCH) is read to its end; the page's own report is vspace-replay's.

import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { readFile, rm, writeFile } from 'node:fs/promises';
import { join } from 'node:path';
import { closeSite, downloads, newPage, open, openSite, page, pause, replay, root, scratch, site } from './site.mjs';

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

// The page's lesson report is vspace-replay's outside its diagrams, which the page's Graphviz
// draws; values that turn text around and long names too.
test('the page writes vspace-replay\'s report, its diagrams drawn by its own Graphviz', async () => {
    await page.goto(site.url);
    await page.waitForSelector('html[data-ready]');
    const tables = [['enjoysport.csv', await readFile(join(root, 'examples', 'enjoysport.csv'), 'utf8')],
                    ['bidi.csv', `Sky,\u202Eevil\u202C,${'Long'.repeat(40)},Label\nSunny,שלום,a,+\nRainy,שלום,b,-\nSunny,مرحبا,a,+\n`]];
    for (const [name, text] of tables) {
        const file = join(scratch, name);
        await writeFile(file, text);
        await open(file);
        await page.click('#play-to-end');
        await page.waitForFunction(() => /presses played/.test(document.getElementById('session-status').textContent));
        const saved = join(downloads, 'report.html');
        await rm(saved, { force: true });
        await page.click('#report');
        for (let i = 0; i < 100 && !(await readFile(saved).catch(() => null)); ++i)
            await pause(100);
        assert.equal(replay(file, '--quiet', '--report', join(scratch, 'native.html')).status, 0);
        const [mine, native] = await Promise.all([readFile(saved, 'utf8'), readFile(join(scratch, 'native.html'), 'utf8')]);
        const drawings = (html) => html.match(/<figure>\n<svg/g).length;
        const outside = (html) => html.replace(/<figure>\n[\s\S]*?<figcaption>/g, '<figure><figcaption>');
        assert.equal(drawings(mine), drawings(native), name);
        assert.equal(outside(mine), outside(native), name);
    }
});
