// ESLint, with its recommended rules, over every JavaScript file of the checkout (`npx eslint`): the
// page's modules (web/), the browser tests and the page benchmarks. The tests and benchmarks run in
// node and hand functions to the page, so both sets of globals hold there.
import js from '@eslint/js';
import globals from 'globals';

export default [
    { ignores: ['**/node_modules/', 'build*/'] },
    js.configs.recommended,
    { files: ['web/**/*.js', 'web/**/*.mjs'], languageOptions: { globals: globals.browser } },
    {
        files: ['tests/browser/*.mjs', 'bench/*.mjs'],
        languageOptions: { globals: { ...globals.node, ...globals.browser } },
    },
];
