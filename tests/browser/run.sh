#!/usr/bin/env bash
# Runs the page's tests in headless Chromium.
# Usage: run.sh <web build folder> <screenshot folder> <vspace-replay>
set -euo pipefail
here=$(dirname "$0")
[ -f "$1/site/vspace.wasm" ] || { echo "skipped: needs the web build (scripts/web build)"; exit 0; }
[ -d "$here/../../node_modules/puppeteer-core" ] || { echo "skipped: needs npm ci (puppeteer-core)"; exit 0; }
SITE=$1/site SHOTS=$2 REPLAY=$3 exec node --test "$here"/*.test.mjs
