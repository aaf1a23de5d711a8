// Session files played into the page: a CSV table or JSON Lines, read whole on opening by the
// same reader as vspace-replay and kept by the engine. Opening over examples learnt asks first,
// and can be undone. "Next press" plays the next press as if typed; "Play to end" plays the rest
// quietly, a slice at a time so that the page stays responsive, with a progress bar and "Stop",
// its messages collected into a list, each naming its line.

/** @import { ColumnsDialog } from './columns.js' */
/** @import { LearnerName, Lesson, OpenedSession, SessionProgress, TableColumns, TextName, Update } from './vspace.js' */
/** @import { PageWindow } from './controls.js' */
import { download } from './controls.js';
import { lessonLink } from './link.js';
/** @import { TeachingPanel } from './teaching.js' */

// The first byte after a UTF-8 byte-order mark and ASCII white space.
/** @param {Uint8Array} bytes */
function firstCharacter(bytes) {
    let i = bytes[0] === 0xef && bytes[1] === 0xbb && bytes[2] === 0xbf ? 3 : 0;
    while ([0x09, 0x0a, 0x0c, 0x0d, 0x20].includes(bytes[i])) ++i;
    return bytes[i];
}

// How long the engine plays in one go before the page may paint again, in milliseconds; the first
// time less, as the page then lays out the progress bar and Stop as well.
const slice = 40;
const firstSlice = 10;

// Resolves once no dialog is open.
async function noDialogOpen() {
    for (let open; (open = document.querySelector('dialog[open]'));)
        await new Promise((resolve) => open.addEventListener('close', resolve, { once: true }));
}

// Resolves after the page has had a chance to paint, also in a tab in the background.
/** @type {() => Promise<void>} */
const painted = () =>
    new Promise((resolve) => {
        const done = () => setTimeout(resolve, 0);
        requestAnimationFrame(done);
        setTimeout(done, 100);
    }).then(() => {});

export class SessionPlayer {
    // `text(name, ...values)` and `plural(name, n, ...values)` give texts of the catalog by name,
    // `ask(text)` asks a question and resolves to the answer, `teaching` is the Steps panel,
    // `announce(text)` tells screen readers, `startAgain()` starts a new session after Exit,
    // `holdLayout(on)` keeps the page's scale while a session plays quietly (what grows meanwhile,
    // Messages and the progress bar, is fitted once, before the lists are drawn). The
    // Examples menu's button (`elements.examples`) is greyed with "Open session" while the rest
    // plays.
    /**
     * @param {PageWindow} vspace
     * @param {{
     *     text: (name: TextName, ...values: string[]) => string;
     *     plural: (name: TextName, n: number, ...values: string[]) => string;
     *     ask: (text: string) => Promise<boolean>;
     *     columns: ColumnsDialog;
     *     teaching: TeachingPanel;
     *     announce: (text: string) => void;
     *     startAgain: () => void;
     *     holdLayout: (on: boolean) => void;
     * }} page
     * @param {{
     *     open: HTMLButtonElement; save: HTMLButtonElement; chooser: HTMLInputElement; next: HTMLButtonElement;
     *     toEnd: HTMLButtonElement; stop: HTMLButtonElement; progress: HTMLProgressElement;
     *     messages: HTMLElement; status: HTMLElement; examples?: HTMLButtonElement;
     * }} elements
     */
    constructor(
        vspace,
        { text, plural, ask, columns, teaching, announce, startAgain, holdLayout },
        elements
    ) {
        this.startAgain = startAgain;
        this.holdLayout = holdLayout;
        this.vspace = vspace;
        this.text = text;
        this.plural = plural;
        this.ask = ask;
        this.columns = columns;
        this.teaching = teaching;
        this.announce = announce;
        this.elements = elements;
        this.playing = false;
        /** @type {SessionProgress | null} */
        this.session = null;
        // Heads the Messages list when earlier messages are not listed, and says how many.
        this.earlier = Object.assign(document.createElement('li'), { className: 'earlier' });
        const { open, save, chooser, next, toEnd, stop } = elements;
        open.addEventListener('click', () => chooser.click());
        save.addEventListener('click', () => this.save());
        chooser.addEventListener('change', () => {
            const [file] = chooser.files;
            chooser.value = '';
            if (file) this.open(file);
        });
        next.addEventListener('click', () => this.next());
        toEnd.addEventListener('click', () => this.playToEnd());
        stop.addEventListener('click', () => {
            this.playing = false;
        });
        // Files dropped anywhere are opened, once any dialog is closed; text dropped on a field
        // goes into the field, as the browser does it.
        document.addEventListener('dragover', (event) => {
            if (event.dataTransfer.types.includes('Files')) event.preventDefault();
        });
        document.addEventListener('drop', (event) => {
            if (!event.dataTransfer.types.includes('Files')) return;
            event.preventDefault();
            if (event.dataTransfer.files[0]) this.open(event.dataTransfer.files[0]);
        });
        vspace.observe((update) => {
            if (!('busy' in update)) this.update(update);
        });
    }

    // Opens a file: its bytes as they stand, undecoded, as vspace-replay reads them; told apart by
    // the file's name, otherwise by its first character. A file with no presses, or not a session,
    // is refused and nothing changes; over examples learnt, the user is asked first; after Exit, a
    // new session starts. A table read with a column that names the examples, or refused as it
    // stands, is read as the Columns dialog chose, or as this browser kept the choice for it.
    // Resolves to whether the session was opened.
    /** @param {File} file */
    async open(file) {
        const bytes = new Uint8Array(await file.arrayBuffer());
        await noDialogOpen();
        if (this.playing) return false;
        if (this.vspace.root.hidden) this.startAgain();
        const csv =
            /\.(csv|tsv)$/i.test(file.name) ||
            (!/\.(jsonl|json)$/i.test(file.name) && firstCharacter(bytes) !== 0x7b);
        /** @type {OpenedSession} */
        /** @type {(columns?: TableColumns) => OpenedSession} */
        const readAs = (columns) =>
            JSON.parse(this.vspace.page.open(bytes, csv, columns, file.name));
        let read = readAs(undefined);
        const { layout } = read;
        if (layout && (read.error !== undefined || layout.names !== null)) {
            // As chosen before, unless that no longer reads; otherwise as chosen now.
            const kept = this.columns.kept(file.name, layout);
            const keptRead = kept && readAs(kept);
            if (keptRead && keptRead.error === undefined) {
                read = keptRead;
            } else {
                const columns = await this.columns.choose(file.name, layout, read.error);
                if (columns) read = readAs(columns);
                else if (read.error === undefined) return false;
            }
        }
        return this.start(file.name, read);
    }

    // Starts a session read as `read` says, under the name `name`; over examples learnt, once the
    // user agrees. Resolves to whether it was started.
    /**
     * @param {string} name
     * @param {OpenedSession} read
     */
    async start(name, read) {
        if ('error' in read) {
            this.refuse(name, read.error);
            return false;
        }
        if (read.learnt > 0 && !(await this.ask(this.plural('OpenOverWork', read.learnt, name))))
            return false;
        this.vspace.act((fields) => this.vspace.page.startSession(fields));
        this.vspace.onPressed();
        this.say(this.plural('SessionOpened', read.presses, name));
        this.announce(this.elements.status.textContent);
        this.elements.next.focus();
        return true;
    }

    // Opens a lesson handed on by a link, under its file's name or else `name`: its session file
    // read as it was, the learner it showed, played quietly up to its place; Next press plays on.
    /**
     * @param {Lesson} lesson
     * @param {string} name
     * @param {(learner: LearnerName) => void} showLearner
     */
    async openLesson({ bytes, csv, columns, name: file, played, learner }, name, showLearner) {
        await noDialogOpen();
        if (this.playing) return;
        if (this.vspace.root.hidden) this.startAgain();
        /** @type {OpenedSession} */
        const read = JSON.parse(this.vspace.page.open(bytes, csv, columns, file));
        if (!(await this.start(file || name, read))) return;
        showLearner(learner);
        if (played > 0) await this.playToEnd(played);
        this.elements.next.focus();
    }

    // Hands on the lesson as it stands in a link: put in the address bar, and copied to the
    // clipboard where the browser allows it; says which, and how long the link is.
    /** @param {string} language */
    async copyLink(language) {
        const link = await lessonLink({ lesson: this.vspace.page.lesson(), language });
        history.replaceState(history.state, '', link);
        // A browser may leave the clipboard's promise waiting on a permission: not for long.
        const copied = await Promise.race([
            navigator.clipboard?.writeText(link).then(
                () => true,
                () => false
            ),
            new Promise((resolve) => setTimeout(() => resolve(false), 1000)),
        ]);
        this.say(this.text(copied ? 'LinkCopied' : 'LinkInAddress', String(link.length)));
        this.announce(this.elements.status.textContent);
    }

    // Offers what was done as a session file, which this page and vspace-replay open again.
    save() {
        if (!this.playing) download(this.vspace.page.saveSession(), 'vspace-session.jsonl');
    }

    // Offers a worksheet of the lesson, in the page's language (`language`, its tag).
    /** @param {string} language */
    worksheet(language) {
        if (!this.playing) download(this.vspace.page.worksheet(language), 'worksheet.html');
    }

    // Offers the lesson report vspace-replay writes for the lesson, in the page's language
    // (`language`, its tag), its drawings laid out by the page's Graphviz.
    /** @param {string} language */
    async report(language) {
        if (this.playing) return;
        const drawing = /<pre class="dot" hidden>([^<]*)<\/pre>\n/g;
        let html = this.vspace.page.report(language);
        if (drawing.test(html)) {
            const { instance } = await import('./viz.js');
            const viz = await instance();
            /** @param {string} text */
            const unescaped = (text) =>
                text
                    .replaceAll('&lt;', '<')
                    .replaceAll('&gt;', '>')
                    .replaceAll('&quot;', '"')
                    .replaceAll('&amp;', '&');
            // A drawing Graphviz cannot make stays out of sight, as its DOT text.
            html = html.replace(drawing, (placeholder, dot) => {
                try {
                    const svg = viz.renderString(unescaped(dot), { format: 'svg' });
                    return svg.slice(svg.indexOf('<svg'));
                } catch {
                    return placeholder;
                }
            });
        }
        download(html, 'report.html');
    }

    // Plays the next press, as if typed; the focus stays on "Next press", and comes back to it
    // after the press's messages, or goes to the first training field after the last press.
    next() {
        if (this.playing || this.vspace.dialogs.open || this.elements.next.disabled) return;
        const { next } = this.elements;
        const update = this.vspace.act((fields) => this.vspace.page.playNext(fields));
        if (update.closed) return;
        (next.disabled ? this.vspace.fields.Training[0] : next).focus();
        this.vspace.pressed();
    }

    // Plays the rest of the session quietly, a slice at a time; "Stop" ends it after the slice
    // being played. The lists are drawn once, at the end, which is announced.
    // Stops after press `until` of the session, if given.
    async playToEnd(until = Infinity) {
        if (this.playing || this.vspace.dialogs.open) return;
        const { stop, progress, toEnd } = this.elements;
        this.playing = true;
        this.vspace.setBusy(true);
        this.teaching.quiet(true);
        this.holdLayout(true);
        stop.hidden = progress.hidden = false;
        stop.focus();
        this.update({ session: this.session });
        /** @type {Update} */
        let update;
        let length = firstSlice;
        do {
            update = this.vspace.act(
                (fields) =>
                    this.vspace.page.play(fields, length, this.vspace.module.keptSteps, until),
                true
            );
            length = slice;
            progress.value = update.session?.played ?? 0;
            if (update.closed || !update.session?.left || 'differences' in update) break;
            await painted();
        } while (this.playing && this.vspace.page);
        this.holdLayout(false);
        if (!('differences' in update) && !update.closed)
            this.vspace.act(() => this.vspace.page.stopPlaying(), true);
        await this.vspace.drawn();
        this.playing = false;
        this.vspace.setBusy(false);
        this.teaching.quiet(false);
        stop.hidden = progress.hidden = true;
        if (update.closed) return;
        this.update({ session: this.session });
        (toEnd.disabled ? this.vspace.fields.Training[0] : toEnd).focus();
        this.vspace.pressed();
        this.announce(this.elements.status.textContent);
    }

    // A new start: no session, an empty Messages list.
    reset() {
        this.playing = false;
        this.update({ session: null, messageList: { drop: 0, keep: 0, add: [] } });
        this.say('');
    }

    // Follows the engine's updates: the session's progress, the buttons that play it, the
    // Messages list; Exit ends the session.
    /** @param {Partial<Update>} update */
    update(update) {
        const { next, toEnd, open, examples, messages, progress } = this.elements;
        if (update.closed) {
            this.playing = false;
            update = { ...update, session: null };
        }
        if ('session' in update) {
            const session = (this.session = update.session);
            next.disabled = toEnd.disabled = this.playing || !session?.left;
            open.disabled = this.elements.save.disabled = this.playing;
            if (examples) examples.disabled = this.playing;
            // An undo or redo to another session, or to none, tells where that one stands.
            const moved = 'history' in update;
            if (session) {
                progress.max = session.presses;
                if (session.played > 0 || !session.left || moved)
                    this.say(this.plural('PressesPlayed', session.presses, String(session.played)));
            } else if (moved) {
                this.say('');
            }
        }
        if (update.messageList) {
            const { drop, keep, add, before } = update.messageList;
            this.earlier.remove();
            for (let item = 0; item < drop; ++item) messages.firstElementChild?.remove();
            while (messages.childElementCount > keep) messages.lastElementChild.remove();
            messages.append(
                ...add.map((text) =>
                    Object.assign(document.createElement('li'), { textContent: text })
                )
            );
            this.earlier.textContent = before ?? '';
            if (before) messages.prepend(this.earlier);
            messages.hidden = messages.childElementCount === 0;
        }
    }

    // Says that the file `name` was not opened, and why.
    /**
     * @param {string} name
     * @param {string} reason
     */
    refuse(name, reason) {
        this.say(this.text('SessionRefused', name, reason));
        this.announce(this.elements.status.textContent);
    }

    /** @param {string} text */
    say(text) {
        this.elements.status.textContent = text;
    }
}
