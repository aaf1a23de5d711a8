#!/usr/bin/env bash
# Renders the EnjoySport lesson report in headless Chromium and checks the screenshot is a page,
# not a blank; then has Chromium read the report of a 10,000-row table to its end.
# Usage: report_browser_test.sh <vspace-replay> <report_bench> <screenshot.png>
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chrome=(chromium --headless --no-sandbox --disable-gpu --disable-background-networking
        --disable-component-update --no-first-run --user-data-dir="$work/profile")
"$1" --quiet --csv --report "$work/report.html" "$(dirname "$0")/../examples/enjoysport.csv"
"${chrome[@]}" --window-size=1000,1300 --screenshot="$3" "file://$work/report.html" >/dev/null 2>&1
colours=$(identify -format %k "$3")
spread=$(convert "$3" -colorspace Gray -format "%[fx:standard_deviation]" info:)
awk -v c="$colours" -v s="$spread" 'BEGIN { exit !(c > 50 && s > 0.05) }' || { echo "FAIL: a blank picture"; exit 1; }
echo "report: drawn by Chromium in $3, $colours colours"

"$2" --table 10000 >"$work/long.csv"
"$1" --quiet --csv --report "$work/long.html" "$work/long.csv"
timeout 120 "${chrome[@]}" --dump-dom "file://$work/long.html" 2>/dev/null >"$work/dom.html"
figures=$(grep -c '<figure>' "$work/dom.html")
grep -q '<h2>The learning data at the end</h2>' "$work/dom.html" && [ "$figures" -eq 100 ] \
    || { echo "FAIL: Chromium did not read the long report to its end ($figures diagrams)"; exit 1; }
echo "long report: $(du -h "$work/long.html" | cut -f1), read to its end by Chromium, $figures diagrams"
