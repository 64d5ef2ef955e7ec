#!/usr/bin/env bash
# Every text of the sources marked for translation has a finished translation in each
# translations/*.ts: lupdate run on the sources leaves no entry unfinished.
# Usage: translations_complete.sh SOURCE_DIR LUPDATE
set -euo pipefail
src=$1 lupdate=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$src"/translations/*.ts "$work"/
"$lupdate" -silent -locations none -no-obsolete "$src/src" -ts "$work"/*.ts
status=0
for ts in "$work"/*.ts; do
    missing=$( (grep -B1 'type="unfinished"' "$ts" || true) | sed -n 's|.*<source>\(.*\)</source>.*|\1|p')
    if [ -n "$missing" ]; then
        echo "FAIL: $(basename "$ts") lacks $(printf '%s\n' "$missing" | wc -l) translation(s):"
        printf '    %s\n' "$missing"
        status=1
    fi
done
[ $status -eq 0 ] && echo "PASS: every marked text is translated in $(ls "$work" | tr '\n' ' ')"
exit $status
