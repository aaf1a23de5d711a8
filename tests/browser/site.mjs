// Serves a built site on a loopback port (with `headers`) and opens Debian's Chromium, headless, on
// it. `folder` may be a list: a file is served from the first that has it.

import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize } from 'node:path';
import puppeteer from 'puppeteer-core';

const types = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm',
                '.svg': 'image/svg+xml', '.png': 'image/png', '.json': 'application/json',
                '.webmanifest': 'application/manifest+json' };

export async function openSite(folder, headers = {}) {
    const server = createServer(async (request, response) => {
        const path = normalize(decodeURIComponent(new URL(request.url, 'http://x').pathname));
        try {
            let body = null;
            for (const each of [folder].flat())
                body ??= await readFile(join(each, path.endsWith('/') ? `${path}index.html` : path)).catch(() => null);
            if (!body)
                throw new Error('not found');
            response.writeHead(200, { ...headers, 'content-type': types[extname(path) || '.html'] ?? 'application/octet-stream' });
            response.end(body);
        } catch {
            response.writeHead(404).end();
        }
    });
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
    const browser = await puppeteer.launch({
        executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
        args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
               '--disable-component-update', '--disable-sync', '--font-render-hinting=none'],
    });
    return {
        browser,
        url: `http://127.0.0.1:${server.address().port}/`,
        async close() {
            await browser.close();
            server.close();
        },
    };
}
