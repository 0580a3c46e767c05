#!/usr/bin/env bash
# Installs Lapmark into a staging folder and runs the installed copy the way a desktop menu would,
# from a folder with no pictures or catalogs of its own. Needs a display (xvfb-run).
#   install_test.sh BUILD_DIR SOURCE_DIR WINDOW_DRIVER
set -u
build=$1 source=$2 driver=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0 passes=0
stage=$work/stage

expect() {
  local what=$1
  shift
  if "$@"; then passes=$((passes + 1)); else failures=$((failures + 1)); echo "FAILED: $what"; fi
}

DESTDIR=$stage cmake --install "$build" --prefix /usr > "$work/install.log" 2>&1
expect "cmake --install succeeds" test $? -eq 0
(cd "$stage" && find . -type f | sed 's|^\./|/|' | sort) > "$work/files"
expect "the installed files are exactly the expected ones" diff -u "$source/tests/installed_files.txt" "$work/files"
expect "the installed desktop entry is valid" \
  desktop-file-validate "$stage/usr/share/applications/example.quillora.Lapmark.desktop"
expect "the installed metainfo is valid" \
  appstreamcli validate --no-net "$stage/usr/share/metainfo/example.quillora.Lapmark.metainfo.xml"

# start NAME DIR TITLE: runs the installed program in DIR with Japanese stored, closes the window
# with TITLE (checking it has an icon) and leaves the exit statuses in $status and $closed.
start() {
  local name=$1 dir=$2 title=$3
  local home=$work/$name-home
  mkdir -p "$home/.config/Lapmark"
  echo "ui_language=ja" > "$home/.config/Lapmark/Lapmark.conf"
  (cd "$dir" && HOME=$home XDG_CONFIG_HOME=$home/.config exec timeout 60 "$stage/usr/bin/lapmark") \
    > "$work/$name.out" 2>&1 &
  local pid=$!
  "$driver" "icon=$title" "close=$title"
  closed=$?
  wait "$pid"
  status=$?
}

mkdir -p "$work/elsewhere"
start installed "$work/elsewhere" "Lapmark ラップタイマー"
expect "the installed copy finds its catalog and icon from an empty folder (close $closed)" test "$closed" -eq 0
expect "the installed copy ends with status 0 (got $status)" test "$status" -eq 0

# A catalog below the working directory wins over the installed one.
mkdir -p "$work/local/locales/ja/LC_MESSAGES" "$work/local/img"
printf 'msgid ""\nmsgstr "Content-Type: text/plain; charset=UTF-8\\n"\n\nmsgid "Lapmark"\nmsgstr "Lapmark (local)"\n' > "$work/local.po"
msgfmt -o "$work/local/locales/ja/LC_MESSAGES/Lapmark.mo" "$work/local.po"
cp "$source/img/Lapmrak_01.ico" "$work/local/img/"
start local "$work/local" "Lapmark (local)"
expect "the working directory's catalog wins (close $closed)" test "$closed" -eq 0
expect "the program ends with status 0 (got $status)" test "$status" -eq 0

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
