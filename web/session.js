// Session files played into the page: a CSV table or JSON Lines, read whole on opening by the
// same reader as vspace-replay; "Next press" plays the next press as if typed, "Play to end" the
// rest, its messages collected into a list.

// The first byte after a UTF-8 byte-order mark and ASCII white space.
function firstCharacter(bytes) {
    let i = bytes[0] === 0xef && bytes[1] === 0xbb && bytes[2] === 0xbf ? 3 : 0;
    while ([0x09, 0x0a, 0x0c, 0x0d, 0x20].includes(bytes[i]))
        ++i;
    return bytes[i];
}

export class SessionPlayer {
    // `start()` begins a fresh session, `text(key, ...values)` gives the page's own texts.
    constructor(vspace, module, start, text, elements) {
        this.vspace = vspace;
        this.module = module;
        this.start = start;
        this.text = text;
        this.elements = elements;
        this.commands = [];
        const { open, chooser, next, toEnd } = elements;
        open.addEventListener('click', () => chooser.click());
        chooser.addEventListener('change', () => chooser.files[0] && this.open(chooser.files[0]));
        next.addEventListener('click', () => this.next());
        toEnd.addEventListener('click', () => this.playToEnd());
        document.addEventListener('dragover', (event) => event.preventDefault());
        document.addEventListener('drop', (event) => {
            event.preventDefault();
            if (event.dataTransfer.files[0])
                this.open(event.dataTransfer.files[0]);
        });
    }

    // Its bytes as they stand, undecoded, as vspace-replay reads them; told apart by the file's
    // name, otherwise by its first character.
    async open(file) {
        const bytes = new Uint8Array(await file.arrayBuffer());
        const csv = /\.(csv|tsv)$/i.test(file.name)
            || (!/\.(jsonl|json)$/i.test(file.name) && firstCharacter(bytes) !== 0x7b);
        const session = this.module.readSession(bytes, csv);
        this.elements.chooser.value = '';
        if (session.error) {
            this.say(this.text('refused', file.name, session.error));
            return;
        }
        this.commands = session.commands;
        this.elements.messages.replaceChildren();
        this.elements.messages.hidden = true;
        this.start();
        this.say(this.text('opened', file.name, String(this.presses())));
        this.update();
    }

    presses() {
        return this.commands.filter((command) => command.press !== undefined).length;
    }

    // Types the values up to the next press, then presses it; false when nothing is left.
    step(quietly) {
        while (this.commands.length) {
            const command = this.commands.shift();
            if (command.training)
                this.vspace.type('Training', command.training);
            if (command.unseen)
                this.vspace.type('Unseen', command.unseen);
            if (command.press !== undefined) {
                this.vspace.press(command.press, quietly);
                return true;
            }
        }
        return false;
    }

    next() {
        this.step(false);
        this.update();
    }

    playToEnd() {
        const messages = this.elements.messages;
        this.vspace.quietMessages = (text, title) => {
            const item = document.createElement('li');
            item.textContent = `${title}: ${text}`;
            messages.append(item);
        };
        while (this.step(true));
        this.vspace.quietMessages = null;
        messages.hidden = messages.childElementCount === 0;
        this.vspace.pressed();
        this.update();
    }

    update() {
        const left = this.presses();
        this.elements.next.disabled = this.elements.toEnd.disabled = left === 0;
        if (left === 0 && this.commands.length === 0)
            this.elements.next.blur();
    }

    say(text) {
        this.elements.status.textContent = text;
    }
}
