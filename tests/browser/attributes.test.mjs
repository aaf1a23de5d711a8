// The attributes on the page: their number and names, given by a session file (a CSV header, a
// JSON Lines first line) or typed in the Attributes dialog and kept by the browser. The names name
// the fields (placeholder, tooltip, accessible name as the accessibility tree has it) and a line of
// the diagram's legend; without names the fields' accessible names are as they were. A number of
// attributes other than six is a fresh start that Undo takes back, with fields that each show six
// characters on a page that still fits 1280 × 720. Screenshots of EnjoySport opened and of 3 and
// 16 attributes go to SHOTS.

import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { writeFile } from 'node:fs/promises';
import { join } from 'node:path';
import { accessibleName, closed, closeSite, fields, key, load, newPage, open, openSite, options, page, root, scratch, shots, text, train } from './site.mjs';

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

// The naming `names` give, in English: none without names; `count` attributes.
function expected(names, count = 6) {
    const numbers = Array.from({ length: count }, (_, a) => a + 1);
    const field = (row, n) => {
        const name = names?.[n - 1];
        return name ? [`${row} ${n}: ${name}`, `${row} ${n}: ${name}`, name] : [`${row} ${n}`, '', ''];
    };
    return {
        fields: numbers.map((n) => field('Training value', n)).concat(numbers.map((n) => field('Unseen value', n))),
        legend: names ? `Attributes: ${names.map((name, a) => name || `Attribute ${a + 1}`).join(', ')}` : null,
    };
}

// The dialog's fields, typed into (null: left as they are; a number of names other than the
// dialog's: typed as the number first), then OK or Cancel.
async function typeNames(names, ok = true) {
    await page.click('#attributes-button');
    const dialog = await page.waitForSelector('aria/Attributes[role="dialog"]');
    const count = await page.$eval('#attribute-count', (field) => Number(field.value));
    const labels = await dialog.$$eval('label', (all) => all.map((label) => label.textContent));
    assert.deepEqual(labels, ['Number of attributes', ...Array.from({ length: count }, (_, a) => `Attribute ${a + 1}`)]);
    if (names && names.length !== count) {
        await page.click('#attribute-count', { count: 3 });
        await page.keyboard.type(String(names.length));
    }
    if (names) {
        for (const [a, name] of names.entries()) {
            await page.click(`#attribute-${a + 1}`, { count: 3 });
            await page.keyboard.press('Backspace');
            await page.keyboard.type(name);
        }
    }
    await key(ok ? 'Enter' : 'Escape');
    await closed();
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

test('a number of attributes is a fresh start, undone as one; every field shows six characters on a page that fits', async () => {
    await fresh();
    await train([['Sunny', 'Warm', 'Normal', 'Strong', 'Warm', 'Same']]);
    for (const count of [3, 16, 1]) {
        const names = Array.from({ length: count }, (_, a) => (a === 1 ? '' : `A${a + 1}`));
        await typeNames(names);
        assert.deepEqual(await naming(), expected(names, count), `${count} attributes`);
        assert.deepEqual(await options('List3'), [], `${count}: a fresh start`);
        const instance = Array.from({ length: count }, (_, a) => `value${a + 1}`);
        await train([instance]);
        assert.deepEqual(await options('List2'), [instance.join(',')], `${count}: S`);
        // Six characters of a value in view in every field, and nothing out of the page.
        const fits = await page.evaluate(() => {
            const canvas = document.createElement('canvas').getContext('2d');
            const inputs = [...document.querySelectorAll('[id^=Text1_], [id^=Text2_]')];
            canvas.font = getComputedStyle(inputs[0]).font;
            const six = canvas.measureText('Strong').width;
            return {
                narrowest: Math.min(...inputs.map((input) => input.clientWidth - parseFloat(getComputedStyle(input).paddingLeft) * 2)) - six,
                overflow: [document.documentElement.scrollWidth - innerWidth, document.documentElement.scrollHeight - innerHeight],
            };
        });
        assert.ok(fits.narrowest >= 0, `${count}: a field ${-fits.narrowest} px short of six characters`);
        assert.deepEqual(fits.overflow, [0, 0], `${count}: the page scrolls`);
        if (count !== 1)
            await page.screenshot({ path: join(shots, `page-${count}-attributes.png`) });
    }
    await page.click('#undo'); // the press at one attribute
    await page.click('#undo'); // one attribute
    assert.equal((await fields()).length, 16);
    assert.deepEqual(await options('List2'), [Array.from({ length: 16 }, (_, a) => `value${a + 1}`).join(',')]);
    for (let undo = 0; undo < 4; ++undo)
        await page.click('#undo');
    assert.deepEqual(await naming(), expected(null), 'six again');
    assert.deepEqual(await options('List2'), ['Sunny,Warm,Normal,Strong,Warm,Same']);
    await reload(); // the browser kept the last number and names typed
    assert.deepEqual(await naming(), expected(['A1'], 1), 'one attribute, after a reload');
    await page.close();
});

test('PlayTennis opens at four attributes, its Day column its examples\' names, and a table of sixteen at sixteen', async () => {
    await fresh();
    await open(join(root, 'examples', 'playtennis.csv'));
    assert.deepEqual(await naming(), expected(['Outlook', 'Temperature', 'Humidity', 'Wind'], 4));
    await page.click('#play-to-end');
    await page.waitForFunction(() => document.getElementById('session-status').textContent.includes('14 of 14'));
    assert.equal((await options('List3')).length, 12);
    await open(join(root, 'tests', 'fuzz', 'corpus', 'sixteen_attributes.csv'));
    assert.equal((await fields('Text2')).length, 16);
    await page.close();
});

test('a table with an Id column and labels p and e opens through the Columns dialog, whose choice is kept for the file', async () => {
    await fresh();
    const file = join(scratch, 'cars.csv');
    await writeFile(file, 'Id,Origin,Colour,Class\n1,Japan,Blue,p\n2,USA,Red,e\n');
    const [chooser] = await Promise.all([page.waitForFileChooser(), page.click('#open-session')]);
    await chooser.accept([file]);
    const dialog = await page.waitForSelector('aria/Columns[role="dialog"]');
    assert.deepEqual(await dialog.$$eval('.roles select', (all) => all.map((select) => select.value)), ['names', 'attribute', 'attribute', 'label']);
    assert.match(await text('#columns .reason'), /line 2: unknown label "p"/);
    await page.type('#positive-words', 'p');
    await page.screenshot({ path: join(shots, 'page-columns.png') });
    await page.type('#negative-words', ' e ,');
    await page.click('#columns-ok');
    await page.waitForFunction(() => document.getElementById('session-status').textContent.includes('cars.csv'));
    assert.deepEqual(await naming(), expected(['Origin', 'Colour'], 2));
    await page.click('#play-to-end');
    await page.waitForFunction(() => document.getElementById('session-status').textContent.includes('2 of 2'));
    assert.deepEqual(await options('List3'), ['Japan,Blue,+', 'USA,Red,-']);
    await open(file); // as chosen before, without asking
    assert.equal(await page.$eval('#columns', (d) => d.open), false);
    await page.close();
});
