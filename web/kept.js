// What this browser keeps for the page from one visit to the next, each under a key of its own:
// the learner shown, the attributes' names, how each table's columns were read. Where the browser
// keeps nothing (storage turned off or full), the page still uses what was chosen until it is
// left.

// What was kept under `key`, as it was given to keep(); a text kept by an earlier version as it
// stands; null for nothing.
/**
 * @param {string} key
 * @returns {unknown}
 */
export function kept(key) {
    let text = null;
    try {
        text = localStorage.getItem(key);
        return text === null ? null : JSON.parse(text);
    } catch {
        return text;
    }
}

// Keeps `value` under `key`; null forgets what was kept there.
/**
 * @param {string} key
 * @param {unknown} value
 */
export function keep(key, value) {
    try {
        if (value === null) localStorage.removeItem(key);
        else localStorage.setItem(key, JSON.stringify(value));
    } catch {
        // Kept for this visit alone.
    }
}
