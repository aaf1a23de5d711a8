// The version space drawn beside the window as the lesson report draws it: S at the bottom, G at
// the top, each hypothesis joined to those directly more general than it. Graphviz, compiled to
// WebAssembly, is loaded when the panel is first opened.

export class DiagramPanel {
    // `dot()` gives the drawing in Graphviz's DOT language.
    constructor(button, panel, dot) {
        this.button = button;
        this.panel = panel;
        this.dot = dot;
        this.viz = null;
        button.addEventListener('click', () => this.toggle());
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
        if (!this.open)
            return;
        if (!this.viz) {
            this.panel.setAttribute('aria-busy', 'true');
            const { instance } = await import('./viz.js');
            this.viz = await instance();
            this.panel.removeAttribute('aria-busy');
        }
        const svg = this.viz.renderSVGElement(this.dot());
        svg.setAttribute('role', 'img');
        svg.setAttribute('aria-label', [...svg.querySelectorAll('.node title')].length + ' hypotheses');
        this.panel.querySelector('.drawing').replaceChildren(svg);
    }
}
