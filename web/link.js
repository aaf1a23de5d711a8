// A lesson by link: the session file open (or what was done), how its columns were read, the
// presses of it played, the learner shown and the page's language, compressed into the address's
// fragment, which never reaches a server. An address holding one opens that lesson at that press.

/** @import { Lesson } from './vspace.js' */

// The version of the links this page makes: it reads those of its version and older ones.
const linkVersion = 1;
const prefix = '#lesson=';
// The most a link's lesson may unpack to, and the longest fragment read: far beyond any address a
// browser keeps, short of what would stall the page.
const maxLessonBytes = 16 * 1024 * 1024;
const maxFragment = 4 * 1024 * 1024;

/**
 * @typedef {{ lesson: Lesson; language: string }} LinkedLesson
 * @typedef {{ error: 'LinkDamagedReason' | 'LinkNewerReason' }} RefusedLink
 */

/**
 * @param {Uint8Array<ArrayBuffer>} bytes
 * @param {CompressionStream | DecompressionStream} stream
 */
async function through(bytes, stream) {
    // Written and read apart, so that a failure (damaged data) is settled on both sides.
    const writer = stream.writable.getWriter();
    const reader = stream.readable.getReader();
    const readAll = async () => {
        const chunks = [];
        let size = 0;
        for (let chunk; !(chunk = await reader.read()).done;) {
            chunks.push(chunk.value);
            if ((size += chunk.value.length) > maxLessonBytes) {
                await reader.cancel();
                throw new RangeError('more than a lesson by link may hold');
            }
        }
        return new Uint8Array(await new Blob(chunks).arrayBuffer());
    };
    const [written, read] = await Promise.allSettled([
        writer.write(bytes).then(() => writer.close()),
        readAll(),
    ]);
    if (read.status === 'rejected') throw read.reason;
    if (written.status === 'rejected') throw written.reason;
    return read.value;
}

/** @param {Uint8Array} bytes */
function toBase64Url(bytes) {
    let binary = '';
    for (let i = 0; i < bytes.length; i += 0x8000)
        binary += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
    return btoa(binary).replaceAll('+', '-').replaceAll('/', '_').replace(/=+$/, '');
}

/** @param {string} text */
const fromBase64Url = (text) =>
    Uint8Array.from(atob(text.replaceAll('-', '+').replaceAll('_', '/')), (c) => c.charCodeAt(0));

/**
 * The address of the page that opens `linked`.
 * @param {LinkedLesson} linked
 */
export async function lessonLink({ lesson, language }) {
    const { bytes, csv, columns, name, played, learner } = lesson;
    const head = new TextEncoder().encode(
        `${JSON.stringify({ version: linkVersion, csv, columns, name, played, learner, language })}\n`
    );
    const whole = new Uint8Array(head.length + bytes.length);
    whole.set(head);
    whole.set(bytes, head.length);
    const packed = await through(whole, new CompressionStream('deflate-raw'));
    return `${location.origin}${location.pathname}${location.search}${prefix}${toBase64Url(packed)}`;
}

/**
 * The lesson a fragment (location.hash) holds; null when it holds none; or why it cannot be
 * opened: damaged or cut short, or made by a newer version.
 * @param {string} hash
 * @returns {Promise<LinkedLesson | RefusedLink | null>}
 */
export async function readLessonLink(hash) {
    if (!hash.startsWith(prefix)) return null;
    if (hash.length > maxFragment) return { error: 'LinkDamagedReason' };
    /** @type {RefusedLink} */
    const damaged = { error: 'LinkDamagedReason' };
    try {
        const packed = fromBase64Url(hash.slice(prefix.length));
        const whole = await through(packed, new DecompressionStream('deflate-raw'));
        const end = whole.indexOf(0x0a);
        const head = JSON.parse(
            new TextDecoder('utf-8', { fatal: true }).decode(whole.subarray(0, end))
        );
        if (!Number.isInteger(head?.version) || head.version < 1) return damaged;
        if (head.version > linkVersion) return { error: 'LinkNewerReason' };
        const { csv, columns, name, played, learner, language } = head;
        const words = (/** @type {unknown} */ list) =>
            Array.isArray(list) && list.every((word) => typeof word === 'string');
        const sound =
            end > 0 &&
            typeof csv === 'boolean' &&
            Number.isInteger(played) &&
            played >= 0 &&
            (learner === 'Program' || learner === 'Textbook') &&
            typeof language === 'string' &&
            typeof name === 'string' &&
            ['label', 'names'].every((key) =>
                ['undefined', 'string'].includes(typeof columns?.[key])
            ) &&
            words(columns?.ignored) &&
            words(columns.positive) &&
            words(columns.negative);
        if (!sound) return damaged;
        return {
            lesson: { bytes: whole.slice(end + 1), csv, columns, name, played, learner },
            language,
        };
    } catch {
        return damaged;
    }
}
