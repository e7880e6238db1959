#!/bin/sh
# validate.sh <validator> [arguments...]
# Runs a metadata validator and also fails on the findings that it lets pass:
# desktop-file-validate exits 0 after warnings and hints, appstreamcli after
# warnings unless told --strict. appstreamcli's notes ("I:" lines) fail here
# too; its pedantic hints ("P:") pass. Exits 77 (skipped) when the validator
# is not installed.
tool="$1"
if ! command -v "$tool" >/dev/null 2>&1; then
    echo "$tool is not installed: validation skipped"
    exit 77
fi
output=$("$@" 2>&1)
status=$?
printf '%s\n' "$output"
if [ $status -ne 0 ]; then
    exit $status
fi
if printf '%s\n' "$output" | grep -Eq '^ *(W|E|I): |(error|warning|hint): '; then
    echo "the validator reported findings"
    exit 1
fi
exit 0
