#!/usr/bin/env bash
# Checks every catalog named in po/LINGUAS with gettext's own tools: it compiles cleanly (format
# strings and accelerators included), it translates every text the sources hand to the catalog,
# with no fuzzy or untranslated entry, and the build compiled it where the program loads it.
#   catalogs.sh SOURCE_DIR BUILD_DIR
set -u
source=$1 build=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
. "$(dirname "$0")/checks.sh"

# The texts the sources use now, whatever po/Lapmark.pot says.
(cd "$source" && find src -name '*.cpp' -o -name '*.h' | sort |
  xargs xgettext -C -k_ -kwxTRANSLATE -kwxGetTranslation --from-code=UTF-8 -o "$work/used.pot")
check "the sources' texts were extracted" grep -q 'msgid "Do you want to reset?\\t"' "$work/used.pot"

languages=0
for lang in $(grep -v '^[[:space:]]*#' "$source/po/LINGUAS"); do
  languages=$((languages + 1))
  po=$source/po/$lang.po
  check "$lang: compiles cleanly" msgfmt --check --check-accelerators=\& -o /dev/null "$po"
  check "$lang: translates every text the sources use" msgcmp "$po" "$work/used.pot"
  msgfmt --statistics -o /dev/null "$po" 2> "$work/statistics"
  check "$lang: no fuzzy or untranslated entry ($(cat "$work/statistics"))" \
    grep -Eqv 'fuzzy|untranslated' "$work/statistics"
  check "$lang: the build compiled it" test -s "$build/locales/$lang/LC_MESSAGES/Lapmark.mo"
done
check "po/LINGUAS names at least one language" test "$languages" -gt 0
finish
