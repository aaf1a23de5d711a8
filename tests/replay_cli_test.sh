#!/usr/bin/env bash
# vspace-replay as scripts run it: the exit status, what standard error says and how many reports
# standard output holds, for files it cannot read, failed exports and reports that cannot be
# written. Usage: replay_cli_test.sh <vspace-replay> <examples folder>
set -uo pipefail
replay=$1 examples=$2 work=$(mktemp -d) failed=0
trap 'rm -rf "$work"' EXIT
printf '%s\n' '{"Text1":["a","b","c","d","e","f"],"press":"Positive"}' '{"press":"Gen Text"}' \
    '{"Text2":["a","b","c","d","e","f"],"press":"Predict"}' >"$work/session.jsonl"
cp "$examples/enjoysport.csv" "$work/table.csv"
# expect STATUS "STDERR" REPORTS ARGUMENTS...
expect() {
    local status=$1 err=$2 reports=$3
    shift 3
    "$replay" "$@" >"$work/out" 2>"$work/err"
    local got=$? lines
    lines=$(wc -l <"$work/out")
    if [ "$got" != "$status" ] || [ "$(cat "$work/err")" != "$err" ] || [ "$lines" != "$reports" ]; then
        echo "FAIL: vspace-replay $* gave status $got, $lines reports and: $(cat "$work/err")"
        failed=1
    fi
}
expect 0 "" 1 --version
expect 2 "vspace-replay: cannot read /tmp: Is a directory" 0 /tmp
expect 2 "vspace-replay: cannot read /tmp: Is a directory" 0 --csv --report "$work/r.html" /tmp
expect 2 "vspace-replay: cannot read /proc/self/mem: Input/output error" 0 /proc/self/mem
expect 2 "vspace-replay: cannot open $work/none.csv: No such file or directory" 0 "$work/none.csv"
expect 1 "vspace-replay: line 2: Gen Text failed: The hypothesis file /dev/null/hypothesis.txt could not be written: /dev/null is not a folder" \
    3 --export-dir /dev/null "$work/session.jsonl"
expect 2 "vspace-replay: the report $work/table.csv cannot be written: it is the session being played ($work/table.csv)" \
    0 --csv --report "$work/table.csv" "$work/table.csv"
cmp -s "$work/table.csv" "$examples/enjoysport.csv" || { echo "FAIL: the input was replaced"; failed=1; }
expect 2 "vspace-replay: the report $work cannot be written: Is a directory" 0 --csv --report "$work" "$work/table.csv"
expect 2 "vspace-replay: the worksheet $work cannot be written: Is a directory" 0 --csv --worksheet "$work" "$work/table.csv"
"$replay" --exercise >/dev/full 2>"$work/err"
status=$?
if [ "$status" != 1 ] || [ "$(cat "$work/err")" != "vspace-replay: the table could not be written to standard output" ]; then
    echo "FAIL: --exercise to a full device gave status $status and: $(cat "$work/err")"
    failed=1
fi
expect 1 "vspace-replay: the report $work/none/r.html cannot be written: No such file or directory" \
    0 --csv --report "$work/none/r.html" "$work/table.csv"
# On a terminal, a long report tells how far it has got, a line for the presses and one for the
# diagrams; off one it says nothing (above).
python3 -c "
for i in range(1000): print('{\"Text1\":[\"a\",\"b\",\"c\",\"d\",\"e\",\"%d\"],\"press\":\"Positive\"}' % (i % 3))
" >"$work/long.jsonl"
shown=$(script -qec "'$replay' --quiet --report '$work/long.html' '$work/long.jsonl'" /dev/null | tr -d '\r' | sed 's/\x1b\[K/|/g')
progress="vspace-replay: report: 1000 presses played|"
progress+="vspace-replay: report: 1000 of 1000 presses played|
vspace-replay: report: 1 of 2 diagrams drawn|vspace-replay: report: 2 of 2 diagrams drawn|"
[ "$shown" = "$progress" ] || { echo "FAIL: the report's progress on a terminal: $shown"; failed=1; }
grep -q '<title>vspace lesson: long.jsonl</title>' "$work/long.html" || { echo "FAIL: the report's title"; failed=1; }
rm -f "$work/long.jsonl" "$work/long.html"
# A report the file system does not take whole fails the run, and leaves nothing behind.
(ulimit -f 4 && trap '' XFSZ && exec "$replay" --quiet --report "$work/big.html" "$examples/enjoysport.jsonl") 2>"$work/err"
status=$?
[ "$status" = 1 ] && [ "$(cat "$work/err")" = "vspace-replay: the report $work/big.html cannot be written: File too large" ] \
    || { echo "FAIL: a report too large gave status $status and: $(cat "$work/err")"; failed=1; }
# Memory running out is told with the line, and a status of its own, never an abort: examples of
# six values of 170 KB each (each kept, as examples are), in a process given 200 MB. The sanitizers
# need more address space than that, so a build with them is not tried.
if ! ldd "$replay" | grep -q libasan; then
    python3 -c "
import json
for i in range(400):
    print(json.dumps({'Text1': [chr(97 + a) * 170000 + str(i) for a in range(6)], 'press': 'Positive' if i == 0 else 'Negative'}))" \
        >"$work/huge.jsonl"
    (ulimit -v 200000 && exec "$replay" --quiet "$work/huge.jsonl") 2>"$work/err"
    status=$?
    grep -q '^vspace-replay: line [0-9]*: out of memory: the presses before this line were played' "$work/err" \
        && [ "$status" = 3 ] || { echo "FAIL: out of memory gave status $status and: $(cat "$work/err")"; failed=1; }
    rm -f "$work/huge.jsonl"
fi
[ ! -e "$work/r.html" ] && [ "$(ls -A "$work" | wc -l)" = 4 ] || { echo "FAIL: files left: $(ls -A "$work")"; failed=1; }
exit $failed
