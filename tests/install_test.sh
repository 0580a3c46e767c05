#!/usr/bin/env bash
# Installs Lapmark into a staging folder and runs the installed copy the way a desktop menu would,
# from a folder with no pictures or catalogs of its own. Needs a display (xvfb-run).
#   install_test.sh BUILD_DIR SOURCE_DIR WINDOW_DRIVER
set -u
build=$1 source=$2 driver=$3
. "$(dirname "$0")/program_lib.sh"
stage=$work/stage

DESTDIR=$stage cmake --install "$build" --prefix /usr > "$work/install.log" 2>&1
expect install "cmake --install succeeds" test $? -eq 0
(cd "$stage" && find . -type f | sed 's|^\./|/|' | sort) > "$work/files"
expect install "the installed files are exactly the expected ones" diff -u "$source/tests/installed_files.txt" "$work/files"
expect install "the installed desktop entry is valid" \
  desktop-file-validate "$stage/usr/share/applications/example.quillora.Lapmark.desktop"
expect install "the installed metainfo is valid" \
  appstreamcli validate --no-net "$stage/usr/share/metainfo/example.quillora.Lapmark.metainfo.xml"
# The release is the build's one version, as the installed program says it.
released=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$stage/usr/share/metainfo/example.quillora.Lapmark.metainfo.xml")
expect install "the metainfo's release ($released) is the program's version" \
  sh -c "case '$released' in *[!0-9.]* | '') exit 1 ;; esac; '$stage/usr/bin/lapmark' --version | grep -qF ' $released'"
for lang in ja zh_CN; do # from the catalogs, every text of both
  expect install "the desktop entry speaks $lang" \
    test "$(grep -Ec "^(Name|GenericName|Comment|Keywords)\[$lang\]=" "$stage/usr/share/applications/example.quillora.Lapmark.desktop")" -eq 4
  expect install "the metainfo speaks $lang" \
    test "$(grep -c "xml:lang=\"$lang\"" "$stage/usr/share/metainfo/example.quillora.Lapmark.metainfo.xml")" -ge 6
done

mkdir -p "$work/elsewhere"
run_program installed "$stage/usr/bin/lapmark" "$work/elsewhere" "ui_language=ja" "icon=Lapmark" \
  "keys=Lapmark:alt+a" "close=バージョン情報..." "close=Lapmark"
ran_cleanly installed # the icon and the Japanese About box: pictures and catalog were found

# A catalog below the working directory wins over the installed one.
mkdir -p "$work/local/locales/ja/LC_MESSAGES" "$work/local/img"
printf 'msgid ""\nmsgstr "Content-Type: text/plain; charset=UTF-8\\n"\n\nmsgid "Lapmark"\nmsgstr "Lapmark (local)"\n' > "$work/local.po"
msgfmt -o "$work/local/locales/ja/LC_MESSAGES/Lapmark.mo" "$work/local.po"
cp "$source/img/Lapmrak_01.ico" "$work/local/img/"
run_program local "$stage/usr/bin/lapmark" "$work/local" "ui_language=ja" "close=Lapmark (local)"
ran_cleanly local # the working directory's catalog won

finish
