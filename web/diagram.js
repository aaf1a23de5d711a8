// The version space drawn beside the window as the lesson report draws it: S at the bottom, G at
// the top, each hypothesis joined to those directly more general than it, under a legend of its
// colours, and described in words for screen readers. A drawing too large for its panel scrolls.
// Graphviz, compiled to WebAssembly, is loaded when the panel is first opened.

export class DiagramPanel {
    // `dot()` gives the drawing in Graphviz's DOT language, `describe()` the rows it draws in
    // words, by boundary; `name` the drawing's name.
    /**
     * @param {HTMLButtonElement} button
     * @param {HTMLElement} panel
     * @param {() => string} dot
     * @param {() => string} describe
     * @param {string} name
     */
    constructor(button, panel, dot, describe, name) {
        this.button = button;
        this.panel = panel;
        this.dot = dot;
        this.describe = describe;
        this.name = name;
        /** @type {import('./viz.js').Viz | null} */
        this.viz = null;
        /** @type {{ width: number; height: number }} */
        this.natural = { width: 0, height: 0 };
        this.drawing = /** @type {HTMLElement} */ (panel.querySelector('.drawing'));
        // The least a drawing is shrunk to, to be read; a larger one scrolls.
        this.least = 0.6;
        // Just opened, until the user moves it, the drawing keeps G in view.
        this.boundariesInView = false;
        button.addEventListener('click', () => this.toggle());
        for (const type of ['pointerdown', 'wheel', 'keydown'])
            this.drawing.addEventListener(type, () => (this.boundariesInView = false));
        // The page scaled or laid out anew: the drawing fitted to its panel's new size.
        new ResizeObserver(() => requestAnimationFrame(() => this.fit())).observe(this.drawing);
    }

    get open() {
        return !this.panel.hidden;
    }

    async toggle() {
        this.panel.hidden = this.open;
        this.button.setAttribute('aria-expanded', String(this.open));
        document.body.classList.toggle('with-diagram', this.open);
        this.boundariesInView = this.open;
        await this.draw();
    }

    async draw() {
        if (!this.open) return;
        if (!this.viz) {
            this.panel.setAttribute('aria-busy', 'true');
            const { instance } = await import('./viz.js');
            this.viz = await instance();
            this.panel.removeAttribute('aria-busy');
        }
        const svg = this.viz.renderSVGElement(this.dot());
        const description = this.panel.querySelector('#diagram-description');
        description.textContent = this.describe();
        svg.setAttribute('role', 'img');
        svg.setAttribute('aria-label', this.name);
        svg.setAttribute('aria-describedby', description.id);
        this.natural = { width: svg.width.baseVal.value, height: svg.height.baseVal.value };
        this.drawing.replaceChildren(svg);
        this.fit();
    }

    // A drawing larger than its panel shows G, and S with it where both fit: the drawing's scroll
    // centred on them.
    showBoundaries() {
        const { drawing } = this;
        /** @param {string} selector */
        const around = (selector) => {
            const boxes = [...drawing.querySelectorAll(selector)].map((node) =>
                node.getBoundingClientRect()
            );
            if (!boxes.length) return null;
            const left = Math.min(...boxes.map((box) => box.left));
            const top = Math.min(...boxes.map((box) => box.top));
            const right = Math.max(...boxes.map((box) => box.right));
            const bottom = Math.max(...boxes.map((box) => box.bottom));
            return { left, top, width: right - left, height: bottom - top };
        };
        const general = around('.general');
        const both = around('.general, .specific');
        if (!general || !both) return;
        const fits = both.width <= drawing.clientWidth && both.height <= drawing.clientHeight;
        const shown = fits ? both : general;
        const view = drawing.getBoundingClientRect();
        drawing.scrollLeft += shown.left + shown.width / 2 - (view.left + drawing.clientWidth / 2);
        drawing.scrollTop += shown.top + shown.height / 2 - (view.top + drawing.clientHeight / 2);
    }

    // Shrunk to the panel, but to no less than `least`: a larger drawing scrolls. The room is what
    // the panel has with the drawing left out (on a phone, any height).
    fit() {
        const svg = this.drawing.querySelector('svg');
        if (!svg || !this.open) return;
        const { scrollLeft, scrollTop } = this.drawing;
        svg.setAttribute('width', '0');
        svg.setAttribute('height', '0');
        const { width, height } = this.natural;
        const scale = Math.max(
            this.least,
            Math.min(
                1,
                this.drawing.offsetWidth / width,
                (this.drawing.offsetHeight || height) / height
            )
        );
        svg.setAttribute('width', `${width * scale}px`);
        svg.setAttribute('height', `${height * scale}px`);
        if (this.boundariesInView) this.showBoundaries();
        else Object.assign(this.drawing, { scrollLeft, scrollTop });
    }
}
