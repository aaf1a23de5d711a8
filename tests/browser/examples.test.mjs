// The Examples menu: every session file in examples/ in a menu button's menu, worked by keyboard,
// each example opened as a chosen file is and played with Next press, asked first over examples
// learnt. Screenshots go to SHOTS.

import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { readdir } from 'node:fs/promises';
import { join } from 'node:path';
import { accessibleName, accessibleNames, closeSite, disabled, key, learnt, load, newPage, openSite, page, replay, root, settle,
         shots, status, train } from './site.mjs';

// The session files of examples/, by name, as the build lists them.
const examples = (await readdir(join(root, 'examples'))).filter((name) => /\.(csv|tsv|jsonl|json)$/.test(name)).sort();
before(() => openSite(process.env.SITE));
after(closeSite);
const fresh = (height) => newPage().then(() => load(1280, height));
// What vspace-replay reports for the example, press by press.
function presses(name) {
    const run = replay(join(root, 'examples', name));
    assert.equal(run.status, 0, run.stderr);
    return run.reports.length;
}

// The menu's state: its button's aria-expanded, whether it is hidden, and what has the focus (an
// item by its text, anything else by its id).
const menu = () => page.evaluate(() => ({
    expanded: document.getElementById('examples-button').getAttribute('aria-expanded'),
    hidden: document.getElementById('examples-menu').hidden,
    focused: document.activeElement.getAttribute('role') === 'menuitem' ? document.activeElement.textContent
        : document.activeElement.id,
}));
const closed = (focused) => ({ expanded: 'false', hidden: true, focused });
const open = (focused) => ({ expanded: 'true', hidden: false, focused });
// The example chosen by keyboard: the menu opened with Down on its button, Down to the item, Enter.
async function chooseByKeyboard(name) {
    await page.focus('#examples-button');
    await key('ArrowDown');
    for (let i = 0; i < examples.indexOf(name); ++i)
        await key('ArrowDown');
    assert.equal((await menu()).focused, name);
    await key('Enter');
}

test('the menu is a menu button\'s: every session file in examples/, by pointer and keyboard', async () => {
    await fresh();
    assert.deepEqual(await page.$eval('#examples-button', (b) => [b.getAttribute('aria-haspopup'), b.getAttribute('aria-controls')]),
                     ['menu', 'examples-menu']);
    assert.deepEqual(await menu(), closed('Text1_1'));
    await page.click('#examples-button');
    const items = await page.$('#examples-menu');
    assert.deepEqual([await accessibleName(items, 'menu'), await accessibleNames(items, 'menuitem')], ['Examples', examples]);
    // By keyboard: Up wraps round to the last item, End and Home, Escape back to the button.
    for (const [step, expected] of [['ArrowUp', open(examples.at(-1))], ['Home', open(examples[0])],
                                    ['End', open(examples.at(-1))], ['Escape', closed('examples-button')]]) {
        await key(step);
        assert.deepEqual(await menu(), expected, `after ${step}`);
    }
    await page.close();
});

// Each example, chosen by keyboard, is opened with its presses counted and Next press focused,
// which plays it (the page test plays every example against vspace-replay).
for (const name of examples) {
    test(`${name} from the menu opens for Next press`, async () => {
        await fresh();
        await chooseByKeyboard(name);
        await settle(name);
        assert.equal(await status(), `Opened ${name}: ${presses(name)} presses to play.`);
        assert.deepEqual([await menu(), await disabled('#next-press')], [closed('next-press'), false]);
        await key('Enter');
        assert.equal(await status(), `1 of ${presses(name)} presses played`);
        await page.close();
    });
}

// Over two EnjoySport examples learnt, EnjoySport chosen from the menu asks first; Open sets the
// examples aside, and Undo brings them back. (Cancel is the classroom test's.)
test('an example chosen over examples learnt asks first; Undo brings them back', async () => {
    await fresh(720);
    const name = 'enjoysport.csv';
    await train([['Sunny', 'Warm', 'Normal', 'Strong', 'Warm', 'Same'], ['Sunny', 'Warm', 'High', 'Strong', 'Warm', 'Same']]);
    const learntBefore = await learnt();
    await page.click('#examples-button');
    await page.click(`xpath/.//*[@role="menuitem"][text()="${name}"]`);
    await settle(name, null);
    assert.equal(await page.$eval('#question', (dialog) => dialog.open && dialog.querySelector('p').textContent),
                 `Open ${name}? The 2 examples learnt are set aside; Undo brings them back.`);
    await page.screenshot({ path: join(shots, 'page-open-over-work.png') });
    await key('Enter');
    await page.waitForFunction((name) => document.getElementById('session-status').textContent.includes(name), {}, name);
    assert.deepEqual([await learnt(), await status(), (await menu()).focused, await disabled('#next-press')],
                     [[], `Opened ${name}: ${presses(name)} presses to play.`, 'next-press', false]);
    await page.click('#undo');
    assert.deepEqual([await learnt(), await disabled('#next-press')], [learntBefore, true]);
    await page.close();
});
