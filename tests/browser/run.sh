#!/usr/bin/env bash
# Runs the page's tests and the lesson reports' in the browser BROWSER names: chromium (the
# default), headless Chromium through the DevTools protocol, or firefox, Firefox ESR through
# WebDriver BiDi. Screenshots go to <screenshot folder>/BROWSER.
# Usage: run.sh <web build folder> <screenshot folder> <vspace-replay> <report_bench>
set -euo pipefail
here=$(dirname "$0")
[ -f "$1/site/vspace.wasm" ] || { echo "skipped: needs the web build (scripts/web build)"; exit 0; }
[ -d "$here/../../node_modules/puppeteer-core" ] || { echo "skipped: needs npm ci (puppeteer-core)"; exit 0; }
export BROWSER=${BROWSER:-chromium}
mkdir -p "$2/$BROWSER"
SITE=$1/site SHOTS=$2/$BROWSER REPLAY=$3 REPORT_BENCH=$4 exec node --test "$here"/*.test.mjs
