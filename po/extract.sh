#!/usr/bin/env bash
# Writes the template of every text Lapmark shows, from where each is written: the sources, the
# desktop entry and the metainfo. The build's `pot` target writes po/Lapmark.pot with it, and the
# catalogs test compares that file with a fresh one. References name files, not lines, so the
# template changes only when a text does.
#   po/extract.sh SOURCE_DIR OUT VERSION
set -euo pipefail
cd "$1"
mapfile -t sources < <(find src -name '*.cpp' -o -name '*.h' | LC_ALL=C sort)
xgettext -C -k_ -kwxTRANSLATE -kwxGetTranslation --add-comments=TRANSLATORS --from-code=UTF-8 \
  --add-location=file --package-name=Lapmark --package-version="$3" -o "$2" "${sources[@]}"
xgettext --join-existing --add-location=file -L Desktop -o "$2" data/example.quillora.Lapmark.desktop.in
xgettext --join-existing --add-location=file --its=/usr/share/gettext/its/metainfo.its -o "$2" \
  data/example.quillora.Lapmark.metainfo.xml.in
