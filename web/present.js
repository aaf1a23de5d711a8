// The page on any screen at least as wide as the window: the window, the tools bar and the panels
// scaled together to fill the screen without scrolling, above their own size on a projector, and
// scaled again whenever the screen or what the page shows changes, below their own size on a small
// screen. The browser's zoom is the user's: where a CSS pixel takes more than a device pixel the
// page never scales itself below its own size, and scrolls instead; and a zoom made while it is
// open scales it as much. The Present button shows the lesson sized for a room,
// full screen where the browser allows it: the window's lists and fields, the Steps and the
// diagram in larger type, the diagram beside the window. Narrower than the window, the page is one
// column and is left as it is.

import { showingNewest, showNewest } from './teaching.js';

/** @typedef {'beside' | 'below'} Arrangement */
/** @typedef {{ arrangement: Arrangement; width: number; height: number }} Measured */

// The window's width, under which the page is one column.
const windowWidth = 712;

export class PresentView {
    // `main` is the page, `diagram` the diagram panel that Present opens.
    /**
     * @param {HTMLElement} main
     * @param {HTMLButtonElement} button
     * @param {import('./diagram.js').DiagramPanel} diagram
     */
    constructor(main, button, diagram) {
        this.main = main;
        this.button = button;
        this.diagram = diagram;
        this.presenting = false;
        this.openedDiagram = false;
        this.scheduled = 0;
        this.holding = false;
        this.missed = false;
        // The device pixels a CSS pixel takes when the page opened: more since then is a zoom.
        this.openedAt = devicePixelRatio;
        button.addEventListener('click', () => (this.presenting ? this.stop() : this.present()));
        document.addEventListener('fullscreenchange', () => this.changed());
        addEventListener('resize', () => this.schedule());
        // What the page shows changes its size: a session's status, a note, messages, the diagram.
        const observer = new ResizeObserver(() => this.schedule());
        for (const element of main.querySelectorAll(
            '.form, .tools, .differences, .diagram, .messages'
        ))
            observer.observe(element);
        // The Steps, showing their newest entry, keep showing it when the page is laid out anew.
        this.steps = /** @type {HTMLOListElement} */ (main.querySelector('#steps ol'));
        this.stepsAtEnd = true;
        this.steps.addEventListener('scroll', () => {
            this.stepsAtEnd = this.atEnd();
        });
        new ResizeObserver(() => this.keepEnd(this.stepsAtEnd)).observe(this.steps);
        this.fit();
    }

    atEnd() {
        return showingNewest(this.steps);
    }

    /** @param {boolean} atEnd */
    keepEnd(atEnd) {
        if (atEnd) showNewest(this.steps);
    }

    // While held, the page is not fitted anew; let go, it is in the next frame, where something
    // changed meanwhile: a task of its own, apart from the last slice of a session played.
    /** @param {boolean} on */
    hold(on) {
        this.holding = on;
        if (!on && this.missed) this.schedule();
        this.missed = false;
    }

    // Fitted anew in the frames to come, one arrangement measured a frame, so that no frame lays
    // out the whole page more than twice: with thousands of list rows, messages and Steps, each
    // layout takes tens of milliseconds.
    schedule() {
        if (this.holding) {
            this.missed = true;
            return;
        }
        /** @type {Measured[]} */
        const measured = [];
        let atEnd = false;
        const next = () => {
            this.scheduled = requestAnimationFrame(() => {
                const arrangements = this.arrangements();
                if (measured.length === 0) atEnd = this.atEnd();
                if (!arrangements) this.scheduled = 0;
                else if (
                    measured.push(...this.measure([arrangements[measured.length]])) <
                    arrangements.length
                )
                    next();
                else {
                    this.scheduled = 0;
                    this.apply(measured, atEnd);
                }
            });
        };
        if (!this.scheduled) next();
    }

    // The page fitted at once: the scale at which the page, laid out one way or the other at its
    // least, fills the screen in one direction; the larger of the two wins, and while presenting
    // the panels go beside the window. The page then takes the whole screen at that scale, its
    // panels sharing the room.
    fit() {
        cancelAnimationFrame(this.scheduled);
        this.scheduled = 0;
        const arrangements = this.arrangements();
        const atEnd = this.atEnd();
        if (arrangements) this.apply(this.measure(arrangements), atEnd);
    }

    // The arrangements to measure; none where the page is narrower than the window, and left as
    // one column.
    /** @returns {Arrangement[] | null} */
    arrangements() {
        if (innerWidth >= windowWidth) return this.presenting ? ['beside'] : ['beside', 'below'];
        delete this.main.dataset.arrangement;
        for (const property of ['--page-zoom', '--page-width', '--page-height'])
            document.documentElement.style.removeProperty(property);
        return null;
    }

    // The page's least size in each of `arrangements`, without its zoom, measured in one pass at
    // the zoom it has (a change of zoom would restyle every element); then shown as it was.
    /**
     * @param {Arrangement[]} arrangements
     * @returns {Measured[]}
     */
    measure(arrangements) {
        const { main } = this;
        const shown = main.dataset.arrangement;
        main.classList.add('measuring');
        const measured = arrangements.map((arrangement) => {
            main.dataset.arrangement = arrangement;
            return { arrangement, ...this.least(arrangement) };
        });
        main.classList.remove('measuring');
        if (shown) main.dataset.arrangement = shown;
        else delete main.dataset.arrangement;
        return measured;
    }

    // Scales the page to the best of the arrangements measured; the Steps show their newest
    // entry still, if they did (`atEnd`).
    /**
     * @param {Measured[]} measured
     * @param {boolean} atEnd
     */
    apply(measured, atEnd) {
        const style = document.documentElement.style;
        // The screen as the page saw it before any zoom made since it opened.
        const zoomed = Math.max(1, devicePixelRatio / this.openedAt);
        const [screenWidth, screenHeight] = [innerWidth * zoomed, innerHeight * zoomed];
        const scaled = measured.map(({ arrangement, width, height }) => ({
            arrangement,
            width,
            zoom: Math.min(screenWidth / width, screenHeight / height),
        }));
        const best = scaled.reduce((a, b) => (b.zoom > a.zoom ? b : a));
        // A scale a hair larger than the one shown, in the same arrangement, is not taken: the
        // least size measured at one scale rounds differently at the other, and the page would be
        // fitted anew every other frame, each time laying it out in full.
        const shown = Number(style.getPropertyValue('--page-zoom'));
        const zoom =
            best.arrangement === this.main.dataset.arrangement &&
            best.zoom > shown &&
            best.zoom < shown * 1.01
                ? shown
                : best.zoom;
        // Where a CSS pixel takes more than a device pixel, as the browser's zoom makes it, the
        // page is never smaller than its own size; elsewhere it shrinks to fit a small screen.
        if (zoom >= 1 || devicePixelRatio <= 1) {
            this.main.dataset.arrangement = best.arrangement;
            style.setProperty('--page-zoom', String(zoom));
            style.setProperty('--page-width', `${innerWidth / zoom}px`);
            style.setProperty('--page-height', `${innerHeight / zoom}px`);
        } else {
            // Too small for the page at its own size: it stays at that size and scrolls, the
            // panels beside the window where they fit, below it otherwise.
            const beside = scaled.find((m) => m.arrangement === 'beside');
            this.main.dataset.arrangement =
                beside && beside.width <= innerWidth ? 'beside' : scaled.at(-1).arrangement;
            style.setProperty('--page-zoom', '1');
            style.setProperty('--page-width', `${innerWidth}px`);
            style.removeProperty('--page-height');
        }
        // A new scale moves what a panel shows.
        this.keepEnd(atEnd);
    }

    // The page's least size without its zoom: under the window, its whole height as laid out; beside
    // it, the taller of the two columns, the window over the tools bar and the panels.
    /** @param {Arrangement} arrangement */
    least(arrangement) {
        // Sizes without the page's zoom, as offset sizes are.
        const { offsetWidth: width, offsetHeight: height } = this.main;
        if (arrangement === 'below') return { width, height };
        const style = getComputedStyle(this.main);
        const [form, upper, tools, lower] = ['.form', '.upper', '.tools', '.lower'].map(
            (selector) =>
                /** @type {HTMLElement} */ (this.main.querySelector(selector)).offsetHeight
        );
        const column = Math.max(form + tools, upper + lower) + parseFloat(style.rowGap);
        return {
            width,
            height: column + parseFloat(style.paddingTop) + parseFloat(style.paddingBottom),
        };
    }

    // Present: the diagram open beside the window, full screen where the browser allows it and in
    // the browser's window where it refuses (an embedding page, a browser without the
    // Fullscreen API).
    async present() {
        this.presenting = true;
        this.button.setAttribute('aria-pressed', 'true');
        const atEnd = this.atEnd();
        document.body.classList.add('presenting');
        this.diagram.least = 1;
        this.openedDiagram = !this.diagram.open;
        try {
            await document.documentElement.requestFullscreen();
        } catch {
            // Refused: presented as the page is.
        }
        if (this.openedDiagram && !this.diagram.open) await this.diagram.toggle();
        this.fit();
        this.diagram.fit();
        this.keepEnd(atEnd);
    }

    // Pressed again, or full screen left (Esc): back as it was.
    stop() {
        this.presenting = false;
        this.button.setAttribute('aria-pressed', 'false');
        const atEnd = this.atEnd();
        document.body.classList.remove('presenting');
        this.diagram.least = 0.6;
        if (document.fullscreenElement) document.exitFullscreen().catch(() => {});
        if (this.openedDiagram && this.diagram.open) this.diagram.toggle();
        this.openedDiagram = false;
        this.fit();
        this.diagram.fit();
        this.keepEnd(atEnd);
    }

    changed() {
        if (!document.fullscreenElement && this.presenting) this.stop();
        else this.schedule();
    }
}
