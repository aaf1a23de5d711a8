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
        button.addEventListener('click', () => this.toggle());
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

    // Shrunk to the panel, but to no less than 60 %: a larger drawing scrolls. The room is what
    // the panel has with the drawing left out (on a phone, any height).
    fit() {
        const svg = this.drawing.querySelector('svg');
        if (!svg || !this.open) return;
        svg.setAttribute('width', '0');
        svg.setAttribute('height', '0');
        const { width, height } = this.natural;
        const scale = Math.max(
            0.6,
            Math.min(
                1,
                this.drawing.offsetWidth / width,
                (this.drawing.offsetHeight || height) / height
            )
        );
        svg.setAttribute('width', `${width * scale}px`);
        svg.setAttribute('height', `${height * scale}px`);
    }
}
