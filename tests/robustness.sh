#!/usr/bin/env bash
# Starts, uses and closes the real program with damaged pictures, catalogs, settings and run files
# and an unusable working directory. Every run must end with status 0 (a sanitizer build turns a crash,
# a memory error or a leak into another status), and the stored language must survive. Every box
# the damage brings up is waited for and closed; where none comes, no step expects one.
# Needs a display (xvfb-run). The groups are independent, so ctest runs them side by side.
#   robustness.sh pictures|catalogs-ja|catalogs-zh_CN|settings LAPMARK WINDOW_DRIVER BUILD_DIR
set -u
group=$1 lapmark=$2 driver=$3 build=$4
. "$(dirname "$0")/program_lib.sh"
. "$(dirname "$0")/damage.sh"
main=$main_window
about="About...|バージョン情報...|关于..."
use=("keys=$main:alt+s,alt+t,alt+s,alt+a" "close=$about" "close=$main")

# A folder holding a copy of the program with its pictures and catalogs, and nothing else to
# fall back on.
fresh_install() {
  local dir=$1
  mkdir -p "$dir"
  cp "$lapmark" "$dir/lapmark"
  cp -r "$build/img" "$build/locales" "$dir/"
}

# Pictures: every one damaged alike, one run per kind of damage. The window has no icon of its
# own then, and the About box opens without its pictures.
pictures() {
  local kind name dir picture
  for kind in missing empty truncated random huge; do
    name=pictures-$kind
    dir=$work/$name
    fresh_install "$dir"
    for picture in "$dir"/img/*; do damage "$picture" "$kind"; done
    run_program "$name" "$dir/lapmark" "$dir" "ui_language=default" "noicon=$main" "${use[@]}"
    ran_cleanly "$name"
    expect "$name" "the stored language survives" grep -qx "ui_language=default" "$settings"
    if [ "$kind" = huge ]; then
      for picture in "$build"/img/*; do
        picture=${picture##*/}
        case $picture in *_2x.*) continue ;; esac # looked for only once the small one is shown
        expect "$name" "the huge $picture is refused with a message" \
          grep -q "$picture\" claims .* more than 4096 x 4096" "$work/$name.out"
      done
    fi
  done
}

# Catalogs: each language's, each kind of damage. The toolkit reports a catalog it cannot make
# sense of (empty, or random bytes) in a box, which the user closes; a missing one it does not
# report, and a truncated one it takes for a catalog without entries.
catalogs() { # LANG
  local lang=$1 kind name dir boxes
  for kind in missing empty truncated random; do
    name=catalog-$lang-$kind
    dir=$work/$name
    fresh_install "$dir"
    damage "$dir/locales/$lang/LC_MESSAGES/Lapmark.mo" "$kind"
    boxes=()
    # Its box is titled by the toolkit's own catalog, which is whole: "Lapmark 警告" in both.
    case $kind in empty | random) boxes=("close=Lapmark 警告") ;; esac
    run_program "$name" "$dir/lapmark" "$dir" "ui_language=$lang" "${boxes[@]}" "${use[@]}"
    ran_cleanly "$name"
    expect "$name" "the stored language survives" grep -qx "ui_language=$lang" "$settings"
  done
}

# settings_case NAME CONTENT STEP...: a settings file holding CONTENT, which must stay as it is.
settings_case() {
  local name=$1 content=$2
  shift 2
  home=$work/$name-home
  mkdir -p "$home/.config/Lapmark"
  printf '%b' "$content" > "$work/$name.original"
  cp "$work/$name.original" "$home/.config/Lapmark/Lapmark.conf"
  run_program "$name" "$dir/lapmark" "$dir" "" "$@"
  ran_cleanly "$name"
  expect "$name" "the settings file is unchanged" cmp -s "$work/$name.original" "$settings"
}
folder_for_settings() { mkdir -p "$settings"; }
damaged_run_file() {
  run_file=$home/.local/state/Lapmark/run.txt
  mkdir -p "${run_file%/*}"
  damage "$run_file" random
  cp "$run_file" "$work/$name.original"
}
# run_record EVENT TOTAL: a run file's record, with its checksum (32-bit FNV-1a of the rest).
run_record() {
  local text="$1 $2" hash=2166136261 i byte
  for ((i = 0; i < ${#text}; i++)); do
    printf -v byte '%d' "'${text:i:1}"
    hash=$(( ((hash ^ byte) * 16777619) & 0xFFFFFFFF ))
  done
  printf '%s %08x\n' "$text" "$hash"
}
nearly_full_run_file() { # a run of 59 rows in 1,021 bytes: the next record takes it past 1 KiB
  run_file=$home/.local/state/Lapmark/run.txt
  mkdir -p "${run_file%/*}"
  { printf 'Lapmark run 1\n'; run_record S 0
    for i in $(seq 1 59); do run_record L $((i * 1000)); done; } > "$run_file"
}
three_rows_run_file() { # a run of three splits that even root cannot write
  run_file=$home/.local/state/Lapmark/run.txt
  mkdir -p "${run_file%/*}"
  { printf 'Lapmark run 1\n'; run_record S 0; run_record L 1000; run_record L 2000; run_record L 3000; } > "$run_file"
  chattr +i "$run_file"
}
file_for_state_folder() { mkdir -p "$home/.local/state"; echo "not a folder" > "$home/.local/state/Lapmark"; }
file_for_folder() { rm -rf "$home/.config/Lapmark"; echo "not a folder" > "$home/.config/Lapmark"; }

# Settings files the program cannot make sense of are left exactly as they were, and so is a
# working directory that cannot be read.
settings() {
  local name
  dir=$work/settings-install
  fresh_install "$dir"
  # The toolkit's own texts speak the chosen language too (its catalogs, wx3.2-i18n): the box is
  # titled in Japanese.
  settings_case settings-garbage 'ui_language=ja\nthis is no setting\n[unterminated\n' \
    "close=Lapmark 警告" "${use[@]}"
  settings_case settings-binary 'ui_language=ja\n\x01\x02\xfe\xff\x80garbage\n\x00\x00\n' \
    "close=Lapmark 警告" "${use[@]}"
  settings_case settings-no-line-end 'ui_language=ja' "${use[@]}"
  head -c 1048576 /dev/zero | tr '\0' 'x' > "$work/huge-value"
  settings_case settings-huge-value "ui_language=$(cat "$work/huge-value")\n" \
    "close=Lapmark Error" "${use[@]}"

  # A settings file that cannot be read (a folder stands in its place): asked again, kept as it
  # is. The warning comes at the question's first idle moment, over it.
  name=settings-unreadable
  prepare_home=folder_for_settings
  run_program "$name" "$dir/lapmark" "$dir" "" "close=Lapmark Warning" "close=Language selection" "${use[@]}"
  prepare_home=
  ran_cleanly "$name"
  expect "$name" "the unreadable settings are left alone" test -d "$settings"

  # A settings folder that cannot be written (a file stands in its place); the question is
  # cancelled, so nothing needs writing and nothing is reported.
  name=settings-unwritable
  prepare_home=file_for_folder
  run_program "$name" "$dir/lapmark" "$dir" "" "close=Language selection" "${use[@]}"
  prepare_home=
  ran_cleanly "$name"
  expect "$name" "the file in the folder's place is untouched" grep -qx "not a folder" "$home/.config/Lapmark"

  # A run file that is no run file: kept aside as it was, reported once, and a new run started.
  name=run-damaged
  prepare_home=damaged_run_file
  run_program "$name" "$dir/lapmark" "$dir" "ui_language=default" "close=Lapmark Warning" "${use[@]}"
  prepare_home=
  ran_cleanly "$name"
  expect "$name" "the damaged run file is kept aside as it was" cmp -s "$work/$name.original" "$run_file.damaged"
  expect "$name" "and a new run written down" grep -q "^Lapmark run" "$run_file"

  # A state folder that cannot be written (a file stands in its place): reported once, and the
  # run goes on in memory.
  name=run-unwritable
  prepare_home=file_for_state_folder
  run_program "$name" "$dir/lapmark" "$dir" "ui_language=default" "close=Lapmark Warning" "${use[@]}"
  prepare_home=
  ran_cleanly "$name"
  expect "$name" "the file in the folder's place is untouched" grep -qx "not a folder" "$home/.local/state/Lapmark"

  # A run file that can be read but not written (made immutable, which binds root too): its run
  # is shown, so it can still be saved, and the user is told once that it will not be kept.
  name=run-read-only
  touch "$work/immutable"
  if chattr +i "$work/immutable" 2> /dev/null; then
    chattr -i "$work/immutable"
    prepare_home=three_rows_run_file
    run_program "$name" "$dir/lapmark" "$dir" "ui_language=default" "close=Lapmark Warning" \
      "keys=$main:ctrl+c" "clipboard=$work/$name.laps" "close=$main"
    chattr -i "$run_file"
    prepare_home=
    ran_cleanly "$name"
    expect "$name" "its three rows are shown and copied" test "$(grep -c . "$work/$name.laps")" = 4
  else
    echo "$name: skipped, this file system cannot make a file immutable"
  fi

  # A disk that fills up (a file-size limit stands in) as the run is written down: reported once,
  # in a window that leaves the keyboard to the timer, so the next keys still split and stop; every
  # record written before stays, marked as ending early, and comes back with a word that it may.
  name=run-full-disk
  printf '#!/bin/bash\ntrap "" XFSZ\nulimit -f 1 # KiB\nexec "${0%%%%-full-disk}" "$@"\n' > "$dir/lapmark-full-disk"
  chmod +x "$dir/lapmark-full-disk"
  prepare_home=nearly_full_run_file
  run_program "$name" "$dir/lapmark-full-disk" "$dir" "ui_language=default" "keys=$main:alt+s" \
    "wait=Lapmark Warning" "type=alt+t" "type=alt+s" "keys=$main:ctrl+c" "clipboard=$work/$name.laps" \
    "close=Lapmark Warning" "close=$main"
  prepare_home=
  ran_cleanly "$name"
  expect "$name" "the keys after the warning split and stopped" \
    test "$(tail -n 2 "$work/$name.laps" | cut -f 2 | tr -d '\r' | tr '\n' ' ')" = "Split Stop "
  expect "$name" "the run file keeps its records, marked" test "$(tail -n 1 "$run_file")" = E
  expect "$name" "and kept its 59 rows" test "$(grep -c '^L ' "$run_file")" = 59
  run_program "$name" "$dir/lapmark" "$dir" "ui_language=default" "close=Lapmark Warning" \
    "keys=$main:ctrl+c" "clipboard=$work/$name.back" "close=$main"
  ran_cleanly "$name"
  expect "$name" "the 59 rows come back" test "$(grep -c . "$work/$name.back")" = 60

  # A working directory that cannot be read any more (removed while the program starts in it).
  name=cwd-unreadable
  mkdir -p "$work/gone"
  remove_cwd=yes
  run_program "$name" "$dir/lapmark" "$work/gone" "ui_language=ja" "${use[@]}"
  remove_cwd=
  ran_cleanly "$name"
  expect "$name" "the stored language survives" grep -qx "ui_language=ja" "$settings"
}

case $group in
  pictures | settings) "$group" ;;
  catalogs-ja | catalogs-zh_CN) catalogs "${group#catalogs-}" ;;
  *) echo "robustness.sh: unknown group \"$group\"" >&2; exit 2 ;;
esac
finish
