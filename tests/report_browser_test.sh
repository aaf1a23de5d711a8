#!/usr/bin/env bash
# Renders the EnjoySport lesson report in headless Chromium and checks the screenshot is a page,
# not a blank. Usage: report_browser_test.sh <vspace-replay> <screenshot.png>
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$1" --csv --report "$work/report.html" "$(dirname "$0")/../examples/enjoysport.csv" >/dev/null
chromium --headless --no-sandbox --disable-gpu --user-data-dir="$work/profile" --window-size=1000,1300 \
    --screenshot="$2" "file://$work/report.html" >/dev/null 2>&1
colours=$(identify -format %k "$2")
spread=$(convert "$2" -colorspace Gray -format "%[fx:standard_deviation]" info:)
awk -v c="$colours" -v s="$spread" 'BEGIN { exit !(c > 50 && s > 0.05) }' || { echo "FAIL: a blank picture"; exit 1; }
echo "report: drawn by Chromium in $2, $colours colours"
