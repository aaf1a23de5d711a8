// The page, used as a person would: EnjoySport typed by keyboard alone, the lists read through the
// accessibility tree, the dialogs answered, the download's bytes, Alt+C, Exit, and the layout at
// the window's width and on a 390 px phone; right-to-left values in the lists; the diagram, session
// files played in against vspace-replay (REPLAY), the manifest, a reload offline with the examples
// kept, and a rebuilt site, from a copy of SITE served cacheable. Screenshots go to SHOTS.

import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { appendFile, cp, mkdtemp, readFile, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { answer, chord, closeSite, disabled, downloads, fields, fill, focused, key, load, messages, newPage, open, openSite, options, page,
         pause, replay, replayed, root, rows, shots, site, status, text, train, typeValues } from './site.mjs';

let copy;
before(async () => {
    await cp(process.env.SITE, copy = await mkdtemp(join(tmpdir(), 'vspace-site-')), { recursive: true });
    await openSite(copy, { 'cache-control': 'max-age=3600' });
    await newPage();
});
after(() => closeSite().then(() => rm(copy, { recursive: true })));

test('EnjoySport by keyboard alone: boundaries, prediction, export, Clear, Exit; right-to-left values', async () => {
    await load(800);
    assert.equal(await focused(), 'Text1_1');
    assert.deepEqual([await rows('General'), await rows('Specific')], [['?,?,?,?,?,?'], ['0,0,0,0,0,0']]);
    assert.equal(await disabled('#Command2'), true);
    await typeValues(['Sunny', 'Warm', 'Normal', 'Strong', 'Warm', 'Same']);
    assert.equal(await focused(), 'Command1');
    await key('Enter');
    await typeValues(['Sunny', 'Warm', 'High', 'Strong', 'Warm', 'Same']);
    await key(' ');
    await typeValues(['Rainy', 'Cold', 'High', 'Strong', 'Warm', 'Change']);
    await key('Tab');
    await key('Enter');
    await typeValues(['Sunny', 'Warm', 'High', 'Strong', 'Cool', 'Change']);
    await key('Enter');
    assert.deepEqual(await rows('General'), ['Sunny,?,?,?,?,?', '?,Warm,?,?,?,?']);
    assert.deepEqual(await rows('Specific'), ['Sunny,Warm,?,Strong,?,?']);
    assert.deepEqual(await rows('Version Space'), ['Sunny,Warm,?,?,?,?', 'Sunny,?,?,Strong,?,?', '?,Warm,?,Strong,?,?']);
    assert.equal((await rows('Learning Data')).at(-1), 'Sunny,Warm,High,Strong,Cool,Change,+');

    // Along the tab order to the unseen fields; Enter in the sixth reaches Predict.
    for (let i = 0; i < 13; ++i) await key('Tab');
    await typeValues(['Sunny', 'Warm', 'Normal', 'Strong', 'Cool', 'Change']);
    assert.equal(await focused(), 'Command3');
    await key('Enter');
    assert.equal(await answer(), 'Result: Your Data is Positive , Result is +');
    assert.equal(await focused(), 'Text2_1');

    for (let i = 0; i < 6; ++i) await key('Tab');
    assert.equal(await focused(), 'Command4');
    await key('Enter');
    assert.equal(await answer(), 'Text File: Your TextFile Generate in Desktop is Hypothesis.txt');
    const file = join(downloads, 'hypothesis.txt');
    for (let i = 0; i < 50 && !(await readFile(file).catch(() => null)); ++i)
        await new Promise((resolve) => setTimeout(resolve, 100));
    assert.equal((await readFile(file)).toString('latin1'),
                 '"Sunny,Warm,?,?,?,?"\r\n"Sunny,?,?,Strong,?,?"\r\n"?,Warm,?,Strong,?,?"\r\n');
    await page.screenshot({ path: join(shots, 'page-wide.png') });

    await chord(['Alt'], 'c');
    assert.deepEqual([await rows('General'), await rows('Specific'), await rows('Learning Data'), await rows('Version Space')],
                     [['?,?,?,?,?,?'], ['0,0,0,0,0,0'], [], []]);
    assert.equal(await disabled('#Command2'), true);

    await chord(['Alt'], 'e');
    assert.equal(await page.$eval('#window', (w) => w.hidden), true);
    assert.equal(await text('[role=status]'), 'vspace has ended');
    assert.equal(await focused(), 'start-again');
    await key('Enter');
    assert.equal(await focused(), 'Text1_1');

    // Right-to-left values: each drawn right to left, whole in one isolated element, the label in view.
    const values = ['مرحبا', 'שלום עולם', 'אבגדהוזחטיכלמנסעפצקרשת'.repeat(2)];
    await typeValues(values.flatMap((value) => ['a', 'b', 'c', 'd', 'e', value, '']));
    assert.deepEqual(await page.$$eval('#List3 [role=option]', (options) => options.map((option) => {
        const value = option.ariaLabel.split(',')[5], label = document.createTreeWalker(option, NodeFilter.SHOW_TEXT).lastChild();
        const whole = [...option.querySelectorAll('*')].find((e) => getComputedStyle(e).unicodeBidi === 'isolate' && e.textContent === value);
        const box = (node, at, r = new Range()) => { r.setStart(node, at); r.setEnd(node, at + 1); return r.getBoundingClientRect(); };
        return [value, whole && box(whole.firstChild, 0).left > box(whole.firstChild, value.length - 1).left,
                box(label, label.length - 1).right <= option.getBoundingClientRect().right];
    })), values.map((value) => [value, true, true]));
});

test('the textbook beside the program: Steps, marks, the switch, the note, a suggestion, the diagram', async () => {
    await load(1280);
    await train([['Sunny', 'Warm', 'Normal', 'Strong', 'Warm', 'Same'], ['Sunny', 'Warm', 'High', 'Strong', 'Warm', 'Same']]);
    await train([['Rainy', 'Cold', 'High', 'Strong', 'Warm', 'Change']], 'Command2');
    const steps = () => page.$$eval('#steps [role=log] li', (items) => items.map((item) => item.textContent));
    assert.equal((await steps()).length, 3);
    assert.match((await steps())[2], /^Negative example Rainy,Cold,High,Strong,Warm,Change\. G loses .* The version space has 9 rows\.$/);
    const marked = () => page.$$eval('#List1 .added', (options) => options.map((o) => `${o.title} ${o.getAttribute('aria-description')}`));
    assert.deepEqual(await marked(), ['Sunny,?,?,?,?,?', '?,Warm,?,?,?,?', '?,?,?,?,?,Same'].map((row) => `${row} added by the last press`));
    await page.screenshot({ path: join(shots, 'page-steps.png') });

    // The switch by keyboard: the textbook's lists, its note, its vote, its version space written.
    await page.focus('#textbook');
    await key(' ');
    assert.equal(await page.$eval('#textbook', (s) => `${s.getAttribute('role')} ${s.getAttribute('aria-checked')}`), 'switch true');
    assert.deepEqual([(await rows('General')).length, (await rows('Version Space')).length, (await marked()).length], [3, 28, 0]);
    assert.match(await page.$eval('#differences', (d) => d.hidden ? '' : d.textContent), /The textbook's version space also has .* and 15 more\./);
    assert.match((await steps())[2], /The version space has 28 rows\.$/); // the textbook's sentence
    await page.screenshot({ path: join(shots, 'page-textbook.png') });
    await fill(['Sunny', 'Cold', 'Normal', 'Light', 'Warm', 'Same'], 'Text2');
    await page.click('#Command3');
    assert.equal(await answer(), 'Result: I can\'t Predict It ,Result is 0');
    assert.equal((await steps()).at(-1), '6 of 28 hypotheses accept it, so the answer is undecided.');

    // A suggestion fills the training fields with an instance that splits the version space.
    await page.click('#suggest');
    const [, suggested, accepting] = (await steps()).at(-1).match(/^Suggested (.*): (\d+) of 28 hypotheses accept it\.$/);
    assert.equal((await fields()).join(','), suggested);
    assert.ok(accepting > 0 && accepting < 28);

    // Back to the program's learner: nothing learnt is lost. The diagram has a legend and says in
    // words what it draws.
    await key('Tab');
    await page.click('#textbook');
    assert.deepEqual([(await rows('General')).length, (await rows('Version Space')).length, (await rows('Learning Data')).length], [3, 9, 3]);
    await page.click('#diagram-button');
    await page.waitForSelector('#diagram svg');
    assert.equal(await page.$eval('#diagram .legend', (l) => l.textContent.replace(/\s+/g, ' ').trim()),
                 'S, the specific boundary G, the general boundary The version space between them');
    assert.match(await page.$eval('#diagram svg', (svg) => document.getElementById(svg.getAttribute('aria-describedby')).textContent),
                 /^S: Sunny,Warm,\?,Strong,Warm,Same\. G: Sunny,\?,\?,\?,\?,\?; \?,Warm.*\. The version space: .*\.$/);
    await (await page.$('#diagram')).screenshot({ path: join(shots, 'page-legend.png') });
    await page.click('#diagram-button');
    // The learner shown is kept by the browser; the address goes before it.
    const switched = () => page.$eval('#textbook', (s) => s.getAttribute('aria-checked'));
    await page.click('#textbook');
    await load(1280);
    assert.equal(await switched(), 'true');
    // Its diagram of 64 hypotheses, larger than its panel, opens with G in view.
    await train([['Sunny', 'Warm', 'Normal', 'Strong', 'Warm', 'Same']]);
    await page.click('#diagram-button');
    await page.waitForSelector('#diagram svg .general');
    assert.ok(await page.$eval('#diagram .drawing', (drawing) => {
        const [view, g] = [drawing, drawing.querySelector('.general')].map((e) => e.getBoundingClientRect());
        return drawing.scrollWidth > drawing.clientWidth && g.left >= view.left && g.right <= view.right && g.top >= view.top && g.bottom <= view.bottom;
    }));
    await (await page.$('#diagram')).screenshot({ path: join(shots, 'page-diagram-first-view.png') });
    await page.click('#diagram-button');
    await page.goto(`${site.url}?learner=Program`);
    await page.waitForSelector('html[data-ready]');
    assert.deepEqual([await switched(), await options('List2')], ['false', ['0,0,0,0,0,0']]);
    await page.evaluate(() => localStorage.clear()); // the tests after it open as a first visit
});

test('on a 390 px phone the controls make one column in tab order, with no sideways scrolling', async () => {
    await load(390, 844);
    const layout = await page.evaluate(() => {
        const controls = [...document.querySelectorAll('#window input, #window button, #window [role=listbox]')];
        return {
            width: document.documentElement.scrollWidth,
            lefts: new Set(controls.map((c) => Math.round(c.getBoundingClientRect().left))).size,
            ordered: controls.every((c, i) => i === 0 || c.getBoundingClientRect().top > controls[i - 1].getBoundingClientRect().top),
        };
    });
    assert.deepEqual(layout, { width: 390, lefts: 1, ordered: true });
    await typeValues(['Sunny', 'Warm', 'Normal', 'Strong', 'Warm', 'Same']);
    await key('Enter');
    await page.screenshot({ path: join(shots, 'page-narrow.png'), fullPage: true });
});

// The diagram: S, the three version-space rows and the two G rows of EnjoySport.
const nodes = () => page.$$eval('#diagram svg .node', (found) => found.length);

// Each example and test table, opened through the file chooser and played to the end, leaves the
// lists and messages vspace-replay leaves; a bad file is refused, naming its line, and nothing
// changes. EnjoySport, press by press, shows its dialogs and redraws the diagram.
test('a session file plays to its end as vspace-replay plays it', async () => {
    // Every example and every seed of the fuzzer are played through the engine as the page plays
    // them by page_test; here, the page draws what it gives back.
    await load(1280);
    await page.click('#diagram-button');
    const file = join(root, 'examples', 'enjoysport.csv');
    await open(file);
    await page.click('#play-to-end');
    const { reports } = replay(file);
    const last = reports.at(-1);
    const lists = () => Promise.all(['List1', 'List2', 'List3', 'List4'].map(options));
    assert.deepEqual(await lists(), [last.List1, last.List2, last.List3, last.List4]);
    // Each message names the line of its press: the predictions.
    const read = (await readFile(file, 'utf8')).split('\n');
    assert.deepEqual((await messages()).map((m) => read[Number(/^line (\d+): /.exec(m)[1]) - 1].at(-1)), ['?', '?', '?']);
    // Saved, the session opens to the same lists in vspace-replay and in the page.
    const saved = join(downloads, 'vspace-session.jsonl');
    await rm(saved, { force: true });
    await page.click('#save-session');
    for (let i = 0; i < 50 && !(await readFile(saved).catch(() => null)); ++i)
        await pause(100);
    assert.deepEqual(replayed(replay(saved).reports.at(-1)), replayed(last));
    // Its worksheet: boxes for S and G after each of its four examples, a box for each vote.
    const sheet = join(downloads, 'worksheet.html');
    await rm(sheet, { force: true });
    await page.click('#worksheet');
    for (let i = 0; i < 50 && !(await readFile(sheet).catch(() => null)); ++i)
        await pause(100);
    const boxes = (await readFile(sheet, 'utf8')).match(/<div class="box[^"]*">/g);
    assert.deepEqual([boxes.length, boxes.filter((box) => box.includes('vote')).length], [4 * 2 + 3, 3]);
    await open(saved);
    await page.click('#play-to-end');
    assert.deepEqual(await lists(), [last.List1, last.List2, last.List3, last.List4]);
    await open(file);
    for (let press = 0; press < 4; ++press)
        await page.click('#next-press');
    assert.equal(await nodes(), 6);
    await page.click('#next-press');
    assert.equal(await answer(), 'Result: Your Data is Positive , Result is +');
    await (await page.$('#diagram')).screenshot({ path: join(shots, 'page-diagram.png') });
    await open(join(root, 'package.json'));
    assert.match(await status(), /^package.json was not opened: line 1: not JSON: /);
    assert.equal((await rows('Learning Data')).length, 4);
});

test('installable, working offline after one visit, diagram included; rebuilt, in use once its worker is active', async () => {
    await load(1280);
    const manifest = await page.evaluate(async () => (await fetch(document.querySelector('link[rel=manifest]').href)).json());
    assert.deepEqual([manifest.name, manifest.display, manifest.icons.map((icon) => icon.sizes).slice(0, 2)],
                     ['vspace', 'standalone', ['192x192', '512x512']]);
    await page.waitForFunction(() => navigator.serviceWorker.controller, { timeout: 20000 });
    // Chromium installs web apps and says why it would not; Firefox installs none on the desktop.
    if (page.browser().protocol === 'cdp') {
        const cdp = await page.createCDPSession();
        assert.deepEqual((await cdp.send('Page.getInstallabilityErrors')).installabilityErrors, []);
    }
    await page.setOfflineMode(true);
    await page.reload();
    await page.waitForSelector('html[data-ready]');
    // The service worker's own fetches are not offline: the examples must be among the files kept.
    const examples = await page.$$eval('#examples-menu [role=menuitem]', (items) => items.map((item) => item.textContent));
    assert.deepEqual(await page.evaluate((names) => Promise.all(names.map(async (name) => (await caches.match(`examples/${name}`))?.text())),
                                         examples),
                     await Promise.all(examples.map((name) => readFile(join(root, 'examples', name), 'utf8'))));
    await page.goto(`${site.url}?learner=textbook`); // an address of the site's, offline too
    await page.waitForSelector('html[data-ready]');
    assert.deepEqual(await options('List2'), ['∅,∅,∅,∅,∅,∅']);
    await page.goto(`${site.url}?learner=program`);
    await page.waitForSelector('html[data-ready]');
    await typeValues(['a', 'b', 'c', 'd', 'e', 'f']);
    await key('Enter');
    await typeValues(['x', 'b', 'c', 'd', 'e', 'f']);
    await key('Tab');
    await key('Enter');
    await page.click('#diagram-button');
    await page.waitForSelector('#diagram svg');
    assert.equal(await nodes(), 7);
    await page.setOfflineMode(false);
    await appendFile(join(copy, 'style.css'), ':root { --site: rebuilt; }\n');
    spawnSync('cmake', [`-DSITE=${copy}`, `-DTEMPLATE=${root}/web/sw.js.in`, '-P', `${root}/web/service_worker.cmake`]);
    const version = (await readFile(join(copy, 'sw.js'), 'utf8')).match(/'(vspace-\w+)'/)[1];
    await load(1280);
    await page.waitForFunction((v) => caches.keys().then((keys) => keys.join() === v), { timeout: 20000 }, version);
    await load(1280);
    assert.equal(await page.evaluate(() => getComputedStyle(document.body).getPropertyValue('--site').trim()), 'rebuilt');
});

// The page speaks the browser's language: names and the translation's own access keys; English
// where the browser asks for none the page has.
test('the page in German, Spanish and Thai, its explanations and access keys too', async () => {
    for (const [languages, lang, clear, shortcut, step, named] of [
        [['de-AT', 'en'], 'de', 'Leeren', 'l', 'Positives Beispiel a,b,c,d,e,f. S wird zum Beispiel. Noch gibt es keinen Versionsraum.', ['Schritte', 'Meldungen']],
        [['es'], 'es', 'Limpiar', 'l', 'Ejemplo positivo a,b,c,d,e,f. S pasa a ser el ejemplo. Todavía no hay espacio de versiones.', ['Pasos', 'Mensajes']],
        [['th-TH'], 'th', 'ล้าง (C)', 'c', 'ตัวอย่างบวก a,b,c,d,e,f S กลายเป็นตัวอย่างนี้ ยังไม่มีปริภูมิเวอร์ชัน', ['ขั้นตอน', 'ข้อความ']],
        [['fr', 'en'], 'en', 'Clear', 'c', 'Positive example a,b,c,d,e,f. S becomes the example. There is no version space yet.', ['Steps', 'Messages']]]) {
        await newPage();
        await page.evaluateOnNewDocument((list) => Object.defineProperty(navigator, 'languages', { get: () => list }), languages);
        await load(800);
        assert.deepEqual([await page.$eval('html', (html) => html.lang), await page.$eval('#Command6', (b) => b.textContent)], [lang, clear]);
        // The page's own elements take their texts from the catalog by name, every one of them.
        assert.deepEqual(await page.evaluate(() => [document.getElementById('steps-title').textContent, document.getElementById('messages').ariaLabel,
            document.querySelectorAll('[data-text]:empty, [data-label]:not([aria-label])').length]), [...named, 0], lang);
        // Each access key and shortcut is one button's; Clear, Exit and Next press have one each.
        const shortcuts = await page.$$eval('[aria-keyshortcuts]', (all) => all.flatMap((b) => b.ariaKeyShortcuts.toUpperCase().split(' ')));
        assert.deepEqual([new Set(shortcuts).size, shortcuts.length > 0], [shortcuts.length, true], lang);
        assert.ok(await page.$$eval('#Command5, #Command6, #next-press', (all) => all.every((b) => /^Alt\+/.test(b.ariaKeyShortcuts))));
        await typeValues(['a', 'b', 'c', 'd', 'e', 'f']);
        await key('Enter');
        assert.equal(await page.$eval('#steps li', (item) => item.textContent), step);
        await chord(['Alt'], shortcut);
        assert.deepEqual(await rows(await page.$eval('#List3', (list) => list.getAttribute('aria-label'))), []);
    }
});
