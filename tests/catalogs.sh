#!/usr/bin/env bash
# Checks the template and every catalog named in po/LINGUAS with gettext's own tools: the
# template is what the sources hold now; each catalog compiles cleanly (format strings and
# accelerators included), translates every text with no fuzzy or untranslated entry, is merged
# with the template, and the build compiled it where the program loads it.
#   catalogs.sh SOURCE_DIR BUILD_DIR
set -u
source=$1 build=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
. "$(dirname "$0")/checks.sh"

# The texts the sources, the desktop entry and the metainfo use now, extracted as the build's pot
# target does; the committed template must be the same (header aside), or a translator updating
# against it would lose texts.
"$source/po/extract.sh" "$source" "$work/used.pot" 0
check "the sources' texts were extracted" grep -q 'msgid "Do you want to reset?\\t"' "$work/used.pot"
entries() { msgcat --no-wrap --sort-output "$1" | sed '1,/^$/d'; } # the header goes
check "po/Lapmark.pot holds what the sources hold (the build's pot target writes it)" \
  diff <(entries "$source/po/Lapmark.pot") <(entries "$work/used.pot")

languages=0
for lang in $(grep -v '^[[:space:]]*#' "$source/po/LINGUAS"); do
  languages=$((languages + 1))
  po=$source/po/$lang.po
  check "$lang: compiles cleanly" msgfmt --check --check-accelerators=\& -o /dev/null "$po"
  check "$lang: translates every text the sources use" msgcmp "$po" "$work/used.pot"
  msgmerge --quiet --add-location=file -o "$work/$lang.merged" "$po" "$work/used.pot"
  check "$lang: its references are the template's (the build's update-po target merges them)" \
    diff <(entries "$po") <(entries "$work/$lang.merged")
  msgfmt --statistics -o /dev/null "$po" 2> "$work/statistics"
  check "$lang: no fuzzy or untranslated entry ($(cat "$work/statistics"))" \
    grep -Eqv 'fuzzy|untranslated' "$work/statistics"
  check "$lang: the build compiled it" test -s "$build/locales/$lang/LC_MESSAGES/Lapmark.mo"
done
check "po/LINGUAS names at least one language" test "$languages" -gt 0
finish
