// A lesson report as Chromium reads it: values keep their blanks in the lists, and every diagram
// is valid XML, whatever the values hold.

import { test } from 'node:test';
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { mkdtemp, readFile, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { openSite } from './site.mjs';

test('a report keeps blanks as typed and draws U+FFFE and U+FFFF as valid XML', async () => {
    const folder = await mkdtemp(join(tmpdir(), 'vspace-report-'));
    await writeFile(join(folder, 'blanks.csv'), 'a  b,\uFFFE,\uFFFF,d,e,f,+\na  b,x,y,d,e,f,+\n');
    const replay = spawnSync(process.env.REPLAY, ['--quiet', '--csv', '--report', join(folder, 'r.html'), join(folder, 'blanks.csv')]);
    assert.equal(replay.status, 0, String(replay.stderr));
    const html = await readFile(join(folder, 'r.html'), 'utf8');
    const svgs = html.match(/<svg[\s\S]*?<\/svg>/g);
    const opened = await openSite(folder);
    try {
        const page = await opened.browser.newPage();
        await page.goto(`file://${join(folder, 'r.html')}`);
        const seen = await page.evaluate((svgs) => ({
            rows: [...document.querySelectorAll('li')].map((item) => item.innerText),
            broken: svgs.filter((svg) => new DOMParser().parseFromString(svg, 'image/svg+xml').querySelector('parsererror')).length,
        }), svgs);
        assert.ok(seen.rows.includes('a  b,?,?,d,e,f'), seen.rows.join('\n'));
        assert.deepEqual([svgs.length, seen.broken], [2, 0]);
    } finally {
        await opened.close();
    }
});
