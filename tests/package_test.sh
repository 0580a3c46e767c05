#!/usr/bin/env bash
# Builds the Debian package with cpack into a temporary folder and looks at it as Debian's
# checker does: lintian reports no error and no warning, the package recommends the toolkit's
# translations, and it holds the manual page, the copyright file and the changelog.
# Status 77 (skipped) where lintian is not installed.
#   package_test.sh BUILD_DIR
set -u
build=$1
command -v lintian > /dev/null || { echo "lintian is not installed"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
. "$(dirname "$0")/checks.sh"

cpack --config "$build/CPackConfig.cmake" -B "$work" > "$work/cpack.log" 2>&1
check "cpack builds the package" test $? -eq 0
deb=$(ls "$work"/*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { cat "$work/cpack.log"; failures=$((failures + 1)); finish; exit; }

check "it recommends the toolkit's translations" test "$(dpkg-deb -f "$deb" Recommends)" = wx3.2-i18n
check "it has an extended description" test "$(dpkg-deb -f "$deb" Description | wc -l)" -gt 2
dpkg-deb -c "$deb" | awk '{print $6}' > "$work/contents"
for file in ./usr/share/man/man1/lapmark.1.gz ./usr/share/doc/lapmark/copyright \
            ./usr/share/doc/lapmark/changelog.gz; do
  check "it holds $file" grep -x "$file" "$work/contents"
done
check "lintian reports no error and no warning" lintian --fail-on error,warning --tag-display-limit 0 "$deb"
finish
