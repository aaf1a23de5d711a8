// The attributes' names on the page: given by a session file (a CSV header, a JSON Lines first
// line) or typed in the Attributes dialog and kept by the browser, they name the twelve fields
// (placeholder, tooltip, accessible name as the accessibility tree has it) and a line of the
// diagram's legend; without names the fields' accessible names are as they were. A screenshot of
// EnjoySport opened goes to SHOTS.

import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { writeFile } from 'node:fs/promises';
import { join } from 'node:path';
import { accessibleName, closeSite, key, load, newPage, open, openSite, page, root, scratch, shots } from './site.mjs';

const enjoySport = ['Sky', 'AirTemp', 'Humidity', 'Wind', 'Water', 'Forecast'];
before(() => openSite(process.env.SITE));
after(closeSite);

// A new tab on the page, this browser's names forgotten.
async function fresh() {
    await newPage();
    await load(1280, 720);
    await page.evaluate(() => localStorage.clear());
    await reload();
}
async function reload() {
    await page.reload();
    await page.waitForSelector('html[data-ready]');
}

// What names the fields, in order: the accessible name from the accessibility tree, the tooltip and
// the placeholder; and the legend's line of names, or null while it is hidden.
async function naming() {
    const fields = [];
    for (const field of await page.$$('[id^=Text1_], [id^=Text2_]'))
        fields.push([await accessibleName(field, 'textbox'), ...(await field.evaluate((f) => [f.title, f.placeholder]))]);
    const legend = await page.$eval('#diagram .legend .attributes', (line) => (line.hidden ? null : line.textContent));
    return { fields, legend };
}

// The naming `names` give, in English: none without names.
function expected(names) {
    const field = (row, n) => {
        const name = names?.[n - 1];
        return name ? [`${row} ${n}: ${name}`, `${row} ${n}: ${name}`, name] : [`${row} ${n}`, '', ''];
    };
    return {
        fields: [1, 2, 3, 4, 5, 6].map((n) => field('Training value', n)).concat([1, 2, 3, 4, 5, 6].map((n) => field('Unseen value', n))),
        legend: names ? `Attributes: ${names.map((name, a) => name || `Attribute ${a + 1}`).join(', ')}` : null,
    };
}

// The dialog's fields, typed into (null: left as they are), then OK or Cancel.
async function typeNames(names, ok = true) {
    await page.click('#attributes-button');
    const dialog = await page.waitForSelector('aria/Attributes[role="dialog"]');
    const labels = await dialog.$$eval('label', (all) => all.map((label) => label.textContent));
    assert.deepEqual(labels, [1, 2, 3, 4, 5, 6].map((n) => `Attribute ${n}`));
    if (names) {
        for (const [a, name] of names.entries()) {
            await page.click(`#attribute-${a + 1}`, { count: 3 });
            await page.keyboard.press('Backspace');
            await page.keyboard.type(name);
        }
    }
    await key(ok ? 'Enter' : 'Escape');
    await page.waitForFunction(() => !document.querySelector('dialog[open]'));
}

test('a session file names the fields and the legend while it is open; undone, the names go', async () => {
    await writeFile(join(scratch, 'blanks.csv'), 'Colour,,Shape,<b>,Taste,Origin,Label\nRed,Big,Oval,Soft,Sweet,Local,+\n');
    await writeFile(join(scratch, 'plain.csv'), 'Red,Big,Oval,Soft,Sweet,Local,+\n');
    for (const [file, names] of [
        [join(root, 'examples', 'enjoysport.csv'), enjoySport],
        [join(root, 'examples', 'enjoysport.jsonl'), enjoySport],
        [join(scratch, 'blanks.csv'), ['Colour', '', 'Shape', '<b>', 'Taste', 'Origin']],
        [join(scratch, 'plain.csv'), null]]) {
        await fresh();
        await open(file);
        assert.deepEqual(await naming(), expected(names), file);
        if (file.endsWith('enjoysport.csv'))
            await page.screenshot({ path: join(shots, 'page-attributes.png') });
        await page.click('#diagram-button');
        assert.equal(await page.$eval('#diagram .legend .attributes', (line) => line.checkVisibility()), Boolean(names));
        await page.click('#undo');
        assert.deepEqual(await naming(), expected(null), `${file} undone`);
        await page.click('#redo');
        assert.deepEqual(await naming(), expected(names), `${file} redone`);
        await page.close();
    }
});

test('names typed in the dialog are kept by the browser, give way to a session\'s and come back after it', async () => {
    await fresh();
    const typed = ['Colour', 'Size', '', 'Texture', 'Taste', 'Origin'];
    await typeNames(typed);
    assert.deepEqual(await naming(), expected(typed));
    await reload();
    assert.deepEqual(await naming(), expected(typed), 'after a reload');
    await typeNames(['a', 'b', 'c', 'd', 'e', 'f'], false);
    assert.deepEqual(await naming(), expected(typed), 'cancelled');
    await open(join(root, 'examples', 'enjoysport.jsonl'));
    assert.deepEqual(await naming(), expected(enjoySport), 'the session\'s');
    await page.click('#undo');
    assert.deepEqual(await naming(), expected(typed), 'the opening undone');
    await typeNames(['', '', '', '', '', '']);
    assert.deepEqual(await naming(), expected(null), 'emptied');
    await reload();
    assert.deepEqual(await naming(), expected(null), 'emptied, after a reload');
    await page.close();
});
