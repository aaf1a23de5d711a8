// The version space drawn beside the window as the lesson report draws it: S at the bottom, G at
// the top, each hypothesis joined to those directly more general than it, under a legend of its
// colours, and described in words for screen readers. A wide drawing scrolls in its panel.
// Graphviz, compiled to WebAssembly, is loaded when the panel is first opened.

export class DiagramPanel {
    // `dot()` gives the drawing in Graphviz's DOT language, `describe()` the rows it draws in
    // words, by boundary; `name` the drawing's name.
    constructor(button, panel, dot, describe, name) {
        this.button = button;
        this.panel = panel;
        this.dot = dot;
        this.describe = describe;
        this.name = name;
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
        const description = this.panel.querySelector('#diagram-description');
        description.textContent = this.describe();
        svg.setAttribute('role', 'img');
        svg.setAttribute('aria-label', this.name);
        svg.setAttribute('aria-describedby', description.id);
        const drawing = this.panel.querySelector('.drawing');
        drawing.replaceChildren(svg);
        // Shrunk to the panel's width, but to no less than 60 %: a wider drawing scrolls.
        const natural = svg.width.baseVal.value, room = drawing.clientWidth;
        const scale = Math.max(0.6, Math.min(1, room / natural));
        svg.setAttribute('width', `${natural * scale}px`);
        svg.setAttribute('height', `${svg.height.baseVal.value * scale}px`);
    }
}
