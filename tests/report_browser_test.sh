#!/usr/bin/env bash
# Has headless Chromium read the lesson report of a 10,000-row table to its end.
# Usage: report_browser_test.sh <vspace-replay> <report_bench>
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chrome=(chromium --headless --no-sandbox --disable-gpu --disable-background-networking
        --disable-component-update --no-first-run --user-data-dir="$work/profile")
"$2" --table 10000 >"$work/long.csv"
"$1" --quiet --csv --report "$work/long.html" "$work/long.csv"
timeout 120 "${chrome[@]}" --dump-dom "file://$work/long.html" 2>/dev/null >"$work/dom.html"
figures=$(grep -c '<figure>' "$work/dom.html")
grep -q '<h2>The learning data at the end</h2>' "$work/dom.html" && [ "$figures" -eq 100 ] \
    || { echo "FAIL: Chromium did not read the long report to its end ($figures diagrams)"; exit 1; }
echo "long report: $(du -h "$work/long.html" | cut -f1), read to its end by Chromium, $figures diagrams"
