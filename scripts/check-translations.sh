#!/usr/bin/env bash
# Fails where a text the user sees has no translation in one of Tessel's languages, or where a
# .ts file is out of date with the sources: lupdate would add, change or drop a text.
# Usage: scripts/check-translations.sh LUPDATE
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
cp "$root"/translations/*.ts "$copy"/
# English, the texts' own language, keeps only the plural forms.
(cd "$root" && "$1" -silent -no-obsolete -locations none src -ts $(ls "$copy"/*.ts | grep -v _en.ts))
(cd "$root" && "$1" -silent -no-obsolete -locations none -pluralonly src -ts "$copy"/tessel_en.ts)
status=0
for ts in "$root"/translations/*.ts; do
    name=$(basename "$ts")
    if ! cmp -s "$ts" "$copy/$name"; then
        echo "$name is out of date with the sources: run"
        echo "  cmake --build build --target update_translations"
        echo "and translate what it adds."
        diff "$ts" "$copy/$name" | head -20
        status=1
    fi
    untranslated=$(grep -c -e 'type="unfinished"' -e '<translation></translation>' \
        -e '<translation/>' "$copy/$name" || true)
    if [ "$untranslated" -ne 0 ]; then
        echo "$name: $untranslated texts have no translation"
        status=1
    fi
done
exit $status
