// The page in a lesson: typing undone before a press, opening over work, empty files, Next press,
// Play to end with Stop, Exit, Clear emptying Messages, values with line breaks, a file dropped
// during a message box. (Every kind of press undone and redone, a session's Undo kept in its
// session and each session played as vspace-replay (REPLAY) plays it are page_test's.)

import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { join } from 'node:path';
import { accessibleName, answer, chord, closeSite, description, disabled, fields, fill, focused, isOpen, key, learnt, load, messages,
         newPage, open, openSite, options, page, pause, replay, replayed, session, shots, shown, site, status, text, train,
         typeValues } from './site.mjs';
import { deflateRawSync } from 'node:zlib';
import { spawnSync } from 'node:child_process';

before(() => openSite(process.env.SITE).then(newPage));
after(closeSite);

const enjoySport = [
    ['Sunny', 'Warm', 'Normal', 'Strong', 'Warm', 'Same', 'Positive'],
    ['Sunny', 'Warm', 'High', 'Strong', 'Warm', 'Same', 'Positive'],
    ['Rainy', 'Cold', 'High', 'Strong', 'Warm', 'Change', 'Negative'],
    ['Sunny', 'Warm', 'Normal', 'Strong', 'Cool', 'Change', 'Predict'],
    [null, 'Gen Text'],
    ['Sunny', 'Warm', 'High', 'Strong', 'Cool', 'Change', 'Positive'],
    [null, 'Clear'],
    ['a', 'b', 'c', 'd', 'e', 'f', 'Positive'],
];

// Ctrl+Z in a field typed in undoes the typing first, then the last press, whose fields and focus
// come back; the values a refused duplicate cleared come back; a Suggest that filled the fields is
// undone whole.
test('typing is undone before the press; a duplicate\'s values and a suggestion are undone', async () => {
    await load();
    await train([['Sunny', 'Warm', 'Normal', 'Strong', 'Warm', 'Same']]);
    await page.click('#Text1_2');
    await page.keyboard.type('xy');
    await chord(['Control'], 'z');
    assert.equal((await fields())[1], '');
    assert.deepEqual(await learnt(), ['Sunny,Warm,Normal,Strong,Warm,Same,+']);
    await chord(['Control'], 'z');
    assert.deepEqual([await learnt(), (await fields())[5], await focused()], [[], 'Same', 'Command1']);

    await page.click('#Text1_1');
    await chord(['Control', 'Shift'], 'Z');
    await train([['Sunny', 'Warm', 'Normal', 'Strong', 'Warm', 'Same']]);
    assert.equal(await text('#message-text'), 'Duplicate Data');
    await key('Enter');
    assert.equal((await fields())[5], '');
    await chord(['Control'], 'y');
    await chord(['Control'], 'z');
    assert.deepEqual([await learnt(), (await fields())[5]], [['Sunny,Warm,Normal,Strong,Warm,Same,+'], 'Same']);
    await chord(['Control'], 'y');
    await train([['Rainy', 'Cold', 'High', 'Strong', 'Warm', 'Change']], 'Command2');
    await page.click('#suggest');
    const suggested = await fields();
    assert.notDeepEqual(suggested, ['', '', '', '', '', '']);
    await page.click('#undo');
    assert.deepEqual(await fields(), ['', '', '', '', '', '']);
    await page.click('#redo');
    assert.deepEqual(await fields(), suggested);
});

// Opening over examples learnt asks, naming the file and the examples, and Cancel changes nothing;
// once opened, Undo brings the examples back. Files with no presses are refused and change nothing.
test('opening over work asks first and can be undone; files with no presses are refused', async () => {
    await load();
    await train(enjoySport.slice(0, 2).map((press) => press.slice(0, 6)));
    const before = await learnt();
    for (const [name, text] of [['empty.csv', ''], ['header.csv', 'Sky,AirTemp,Humidity,Wind,Water,Forecast,label\n'],
                                ['blank.jsonl', '\n  \n\n']]) {
        assert.equal(await open(await session(name, text)), null, name);
        assert.equal(await status(), `${name} was not opened: the file holds no presses`);
        assert.deepEqual(await learnt(), before);
    }
    const table = await session('lesson.csv', 'Sunny,Warm,Normal,Strong,Warm,Same,+\nRainy,Cold,High,Strong,Warm,Change,-\n');
    assert.equal(await open(table, 'question-no'),
                 'Open lesson.csv? The 2 examples learnt are set aside; Undo brings them back.');
    assert.deepEqual([await learnt(), await disabled('#next-press')], [before, true]);
    await open(table);
    assert.deepEqual([await learnt(), await status(), await focused()], [[], 'Opened lesson.csv: 2 presses to play.', 'next-press']);
    await page.click('#undo');
    assert.deepEqual([await learnt(), await disabled('#next-press')], [before, true]);
    await page.click('#redo');
    assert.equal(await disabled('#next-press'), false);
});

// Next press keeps the focus, and gets it back after a message box's OK; Alt and its access key
// press it. An undone played press is played again. Exit ends the session: nothing more plays and
// no message box comes over the ended page; the way back brings the lesson back as it was.
test('Next press: focus, its access key, undo, and Exit', async () => {
    await load();
    const lines = [['Text1', 'Sunny,Warm,Normal,Strong,Warm,Same', 'Positive'], ['Text1', 'Sunny,Warm,High,Strong,Warm,Same', 'Positive'],
                   ['Text2', 'Sunny,Warm,Normal,Strong,Cool,Change', 'Predict'], ['Text1', 'x,x,x,x,x,x', 'Positive'],
                   [null, null, 'Exit'], ['Text2', 'y,y,y,y,y,y', 'Predict']];
    await open(await session('lesson.jsonl', lines.map(([row, values, press]) => ({ ...(row && { [row]: values.split(',') }), press }))));
    assert.equal(await page.$eval('#next-press', (b) => b.getAttribute('aria-keyshortcuts')), 'Alt+N');
    await page.click('#next-press');
    assert.deepEqual([await focused(), await status()], ['next-press', '1 of 5 presses played']);
    await page.click('#Text2_1');
    await chord(['Alt'], 'n');
    assert.deepEqual([await learnt(), await focused()], [['Sunny,Warm,Normal,Strong,Warm,Same,+', 'Sunny,Warm,High,Strong,Warm,Same,+'], 'next-press']);
    await page.click('#undo');
    assert.equal(await status(), '1 of 5 presses played');
    await page.click('#next-press');
    assert.equal((await learnt()).length, 2);
    await page.click('#next-press');
    assert.equal(await answer(), 'Cannot Predict: Please input Data to Learning Before Predicting Unseen Data');
    assert.equal(await focused(), 'next-press');
    await page.click('#next-press');
    await page.click('#next-press');
    assert.deepEqual(await page.evaluate(() => [document.getElementById('window').hidden, document.getElementById('message').open,
                                                document.getElementById('next-press').disabled,
                                                document.getElementById('play-to-end').disabled]), [true, false, true, true]);
    // Back to the lesson as it was: the session at its end, what it learnt, Undo.
    await page.click('#back-to-lesson');
    assert.deepEqual([await page.$eval('#window', (w) => w.hidden), await status(), (await learnt()).length, await focused(), await disabled('#undo')],
                     [false, '5 of 5 presses played', 3, 'Text1_1', false]);
    // Undone past the opening of the file: no session, nothing learnt; done again: its start.
    while (!(await disabled('#undo'))) await page.click('#undo');
    assert.deepEqual([await status(), await learnt(), await disabled('#next-press')], ['', [], true]);
    await page.click('#redo');
    assert.deepEqual([await status(), await disabled('#next-press')], ['0 of 5 presses played', false]);
});

// Play to end of a long table: a progress bar that grows while the page paints, Stop ending it part
// way, within the slice it stops, with the lists drawn as they stand, the rest played on; refused
// presses in Messages with their lines, the last 500 of them; the status counts what was played;
// Clear empties Messages.
test('Play to end: progress, Stop, messages by line, Clear', async () => {
    await load();
    const rows = ['Sunny,Warm,Normal,Strong,Warm,Same,+'];
    for (let i = 1; i < 60000; ++i)
        rows.push(i % 2 ? rows[0] : `v${i},w${i % 5},Normal,Strong,Warm,Same,+`);
    await open(await session('long.csv', `${rows.join('\n')}\n`));
    // The presses played, as each slice leaves them; when Stop is pressed, the page as it plays.
    await page.evaluate((progress = document.getElementById('play-progress'), record = () => globalThis.slices.push(progress.value)) => {
        globalThis.slices = [];
        (function frame() { record(); requestAnimationFrame(frame); })();
        document.getElementById('stop').addEventListener('click', () => { globalThis.atStop = [progress.value, { shown: !progress.hidden,
            max: progress.max, role: progress.ariaLabel, undo: document.getElementById('undo').disabled, focused: document.activeElement.id }]; });
    });
    // Stop has the focus as soon as the session plays; Enter presses it in one step, before the end.
    await page.click('#play-to-end');
    await key('Enter');
    await page.waitForFunction(() => document.getElementById('play-progress').hidden);
    const [atStop, playing] = (await page.evaluate(() => globalThis.atStop)) ?? [];
    const played = Number(/^(\d+) of 60000 presses played$/.exec(await status())[1]);
    assert.ok(atStop > 0 && played < 60000, `${played} played before Stop, ${atStop} when it was pressed`);
    assert.deepEqual(playing, { shown: true, max: 60000, role: 'Playing the session', undo: true, focused: 'stop' });
    const slices = await page.evaluate(() => globalThis.slices.filter((value, i, all) => i === 0 || value !== all[i - 1]));
    const longest = Math.max(...slices.slice(1).map((value, i) => value - slices[i]));
    assert.ok(played - atStop <= longest, `${played - atStop} played after Stop, slices of at most ${longest}`);
    assert.equal((await learnt()).length, new Set(rows.slice(0, played)).size);
    await page.click('#play-to-end');
    if (page.browser().protocol === 'cdp') await page.screenshot({ path: join(shots, 'page-playing.png') }); // Firefox's takes to the end
    await page.waitForFunction(() => document.getElementById('session-status').textContent === '60000 of 60000 presses played'
                                     && document.getElementById('play-progress').hidden, { timeout: 60000 });
    assert.deepEqual(await messages(), ['Earlier messages, not listed here: 29500',
                                        ...Array.from({ length: 500 }, (_, i) => `line ${59002 + 2 * i}: Data not correct: Duplicate Data`)]);
    assert.deepEqual([(await learnt()).length, await disabled('#next-press')], [30000, true]);
    await page.click('#Command6');
    assert.deepEqual([await messages(), await page.$eval('#messages', (m) => m.hidden)], [[], true]);
});

// A session's values reach the engine as vspace-replay reads them, line breaks and all: the field
// shows each break as ⏎ and, pressed again untouched, gives the value back whole; the lists equal
// vspace-replay's. A lone surrogate typed in a field becomes U+FFFD and leaves its neighbours be.
test('values as read: line breaks from a session, a lone surrogate typed', async () => {
    await load();
    const lines = [{ Text1: ['a\nb', 'c\r\nd', 'e', 'f', 'g', 'h'], press: 'Positive' },
                   { Text1: ['x', 'c\r\nd', 'e', 'f', 'g', 'h'] }, { Text2: ['a\nb', 'c', 'e', 'f', 'g', 'h'], press: 'Predict' }];
    await open(await session('breaks.jsonl', lines));
    await page.click('#play-to-end');
    await page.waitForFunction(() => document.getElementById('session-status').textContent === '2 of 2 presses played');
    assert.deepEqual((await fields()).slice(0, 2), ['x', 'c⏎d']);
    await page.click('#Command1');
    const last = replay(await session('breaks.jsonl', [...lines, { press: 'Positive' }])).reports.at(-1);
    assert.deepEqual(await shown(), replayed(last));
    assert.equal(last.List3[1], 'x,c\r\nd,e,f,g,h,+');

    await fill(['a\uD800b', 'q', 'r', 's', 't', 'u']);
    await page.click('#Command1');
    assert.equal((await learnt()).at(-1), 'a\uFFFDb,q,r,s,t,u,+');
});

// A file dropped while a message box is open waits until it is closed.
test('a file dropped during a message box opens after it', async () => {
    await load();
    await page.click('#Command3');
    assert.equal(await isOpen('message'), true);
    await page.evaluate(() => {
        const data = new DataTransfer();
        data.items.add(new File(['a,b,c,d,e,f,+\n'], 'dropped.csv'));
        document.body.dispatchEvent(new DragEvent('drop', { dataTransfer: data, bubbles: true, cancelable: true }));
    });
    await pause(100);
    assert.equal(await status(), '');
    await key('Enter');
    await page.waitForFunction(() => document.getElementById('session-status').textContent === 'Opened dropped.csv: 1 press to play.');
});

// A lesson by link: a fresh browser profile opens it at its place, with its learner and language;
// a link cut short, or made by a newer version, is refused and nothing on the page is lost.
test('a lesson by link opens in a fresh profile at its place; damaged and newer links are refused', async () => {
    await load();
    const table = await session('exercise.csv', spawnSync(process.env.REPLAY, ['--exercise', '--examples', '100'], { encoding: 'utf8' }).stdout);
    await open(table);
    for (let press = 0; press < 3; ++press)
        await page.click('#next-press');
    await page.click('#textbook');
    const lists = await shown();
    await page.click('#copy-link');
    await page.waitForFunction(() => /: \d+ characters\.$/.test(document.getElementById('session-status').textContent));
    const link = page.url();
    assert.ok(link.length <= 2000, `${link.length} characters`);
    const context = await site.browser.createBrowserContext();
    const fresh = await context.newPage();
    await fresh.goto(link);
    await fresh.waitForSelector('html[data-ready]');
    const freshLists = await fresh.evaluate(() => Object.fromEntries(['List1', 'List2', 'List3', 'List4'].map((list) =>
        [list, [...document.querySelectorAll(`#${list} [role=option]`)].map((option) => option.textContent)])));
    assert.deepEqual(freshLists, { List1: lists.List1, List2: lists.List2, List3: lists.List3, List4: lists.List4 });
    assert.equal(await fresh.$eval('#session-status', (s) => s.textContent), '3 of 100 presses played');
    assert.equal(await fresh.$eval('#textbook', (s) => s.getAttribute('aria-checked')), 'true');
    // In the language it was made in; cut short, or newer, it is refused where the page stands.
    const made = (head) => `${site.url}#lesson=${deflateRawSync(Buffer.concat([Buffer.from(`${JSON.stringify(head)}\n`),
                                                                              Buffer.from('a,b,+\n')])).toString('base64url')}`;
    const head = { version: 1, csv: true, columns: { ignored: [], positive: [], negative: [] }, name: 'ab.csv', played: 1, learner: 'Program', language: 'de' };
    await fresh.goto('about:blank');
    await fresh.goto(made(head));
    await fresh.waitForSelector('html[data-ready]');
    assert.equal(await fresh.$eval('html', (html) => html.lang), 'de');
    assert.deepEqual(await fresh.$$eval('#List2 [role=option]', (options) => options.map((o) => o.textContent)), ['a,b']);
    await context.close();
    for (const [address, reason] of [[link.slice(0, -12), 'it is damaged or cut short'],
                                     [made({ ...head, version: 2 }), 'it was made by a newer version of vspace']]) {
        await page.evaluate((hash) => { location.hash = hash; }, new URL(address).hash);
        await page.waitForFunction((reason) => document.getElementById('session-status').textContent.endsWith(reason), {}, reason);
        assert.equal(await status(), `The lesson link was not opened: ${reason}`);
        assert.deepEqual(await shown(), lists);
    }
});

// Exercises, by keyboard: the switch shows the textbook learner; a typed Positive waits for S and
// G, written in fields named for screen readers; Enter checks: a wrong answer is marked row by
// row in words, its first mistake said, nothing learnt; the right one makes the press and counts.
// Next press opens the session's next, Reveal makes it; Undo puts an open exercise away, then
// takes a step back with its count.
test('an exercise answered wrong then right, by keyboard; Reveal and Undo', async () => {
    await load();
    await page.click('#exercise-switch');
    assert.equal(await page.$eval('#textbook', (b) => b.getAttribute('aria-checked')), 'true');
    const example = ['Sunny', 'Warm', 'Normal', 'Strong', 'Warm', 'Same'];
    await page.focus('#Text1_1');
    await typeValues(example);
    await key('Enter');
    const written = () => page.$$eval('#exercise .row', (rows) => rows.map((row) => [...row.querySelectorAll('input')].map((f) => f.value)));
    assert.deepEqual(await written(), [Array(6).fill('∅'), Array(6).fill('?')]);
    assert.deepEqual(await learnt(), []);
    const row = await page.$('#exercise .specific .row');
    assert.equal(await accessibleName(row, 'group'), 'Row 1 of S');
    assert.equal(await accessibleName(await row.$('input'), 'textbox'), 'Value 1');
    assert.equal(await description(await page.$('#exercise form')), await text('#exercise .question'));
    assert.match(await text('#exercise .question'), /^Positive example Sunny,Warm,Normal,Strong,Warm,Same\. Before it is shown/);
    assert.equal(await focused(), '');
    await key('Enter');
    await page.waitForFunction(() => document.querySelector('#exercise .result').textContent);
    const marks = () => page.$$eval('#exercise .mark', (all) => all.map((mark) => mark.textContent));
    assert.deepEqual(await marks(), ['wrong', 'right']);
    assert.equal((await text('#exercise .result')).replace(/[\u2068\u2069]/g, ''),
                 '1 right, 1 wrong, 1 missing. ∅,∅,∅,∅,∅,∅ is not the next S. S becomes the example.');
    assert.equal(await text('#exercise .specific .missing'), 'Rows missing: 1');
    await page.screenshot({ path: join(shots, 'exercise-checked.png') });
    for (const [a, value] of example.entries()) {
        await chord(['Control'], 'a');
        await page.keyboard.type(value);
        if (a < example.length - 1) await key('Tab');
    }
    await key('Enter');
    await page.waitForFunction(() => document.querySelector('#exercise form').hidden);
    assert.deepEqual([await learnt(), await options('List2'), await focused()], [[`${example},+`], [`${example}`], 'Text1_1']);
    assert.equal(await text('#exercise .score'), 'Steps answered right: 1 of 1');
    assert.equal(await text('#exercise .result'), '2 right, 0 wrong, 0 missing. Right: S and G are as you wrote them.');

    await open(await session('exercise.jsonl', [{ Text1: ['Sunny', 'Warm', 'High', 'Strong', 'Warm', 'Same'], press: 'Positive' },
                                                { Text1: ['Rainy', 'Cold', 'High', 'Strong', 'Warm', 'Change'], press: 'Negative' }]));
    await page.click('#next-press');
    assert.equal(await page.$eval('#exercise form', (form) => form.hidden), false);
    await page.click('#exercise .reveal');
    assert.deepEqual([await learnt(), await text('#exercise .score'), await focused()],
                     [['Sunny,Warm,High,Strong,Warm,Same,+'], 'Steps answered right: 1 of 2', 'next-press']);
    await page.click('#next-press');
    await chord(['Control'], 'z');
    assert.deepEqual([await page.$eval('#exercise form', (form) => form.hidden), (await learnt()).length], [true, 1]);
    await page.click('#undo');
    assert.deepEqual([await learnt(), await text('#exercise .score')], [[], 'Steps answered right: 1 of 1']);
});
