#!/usr/bin/env bash
# The portable zip's Lapmark.exe under Wine with damaged or missing pictures and catalogs and with
# stored languages it cannot use, as on Linux: each case opens the main window and the About box,
# shows no debug alert of the toolkit, ends with status 0 when closed, and keeps what is stored.
# Needs a display (xvfb-run) and the test's Wine prefix in WINEPREFIX.
#   robustness.sh ZIP WINDOW_DRIVER
set -u
zip=$1 driver=$2
. "$(dirname "$0")/../program_lib.sh"
. "$(dirname "$0")/../damage.sh"

unzip -q "$zip" -d "$work/zip"
key='HKCU\Software\Quillora\Lapmark'
alert='wxWidgets Debug Alert*'
mkdir -p "$work/elsewhere"

stored() { wine reg query "$key" /v ui_language 2>/dev/null | tr -d '\r' | awk '$1 == "ui_language" {print $2 " " $3}'; }

# run_case NAME DIR MAIN ABOUT BOX...: starts DIR's Lapmark.exe from another folder, closes each
# BOX (a window title) it brings up, times a run, opens and closes About, closes the window.
run_case() {
  local name=$1 dir=$2 main=$3 about=$4
  shift 4
  local steps=()
  for box; do steps+=("close=$box"); done
  start_program "$work/$name.out" "$work/elsewhere" wine "$dir/Lapmark.exe"
  local before=$failures
  check "$name: driven through its windows with no debug alert" drive "${steps[@]}" \
    "keys=$main:alt+s,alt+t,alt+s,alt+a" "wait=$about" "absent=$alert" "close=$about" \
    "absent=$alert" "close=$main"
  end_program $((failures - before))
  check "$name: ends with status 0 (got $status)" test "$status" -eq 0
  [ "$status" -eq 0 ] || sed 's/^/    /' "$work/$name.out" | head -10
}

english=(Lapmark About...)

# Pictures: Lapmark.exe copied alone to a folder of its own, then every picture damaged alike.
wine reg add "$key" /v ui_language /d default /f > /dev/null 2>&1
mkdir -p "$work/alone" && cp "$work/zip/Lapmark/Lapmark.exe" "$work/alone/"
run_case exe-alone "$work/alone" "${english[@]}"
for kind in truncated random huge; do
  dir=$work/pictures-$kind
  cp -r "$work/zip/Lapmark" "$dir"
  for picture in "$dir"/img/*; do damage "$picture" "$kind"; done
  run_case "pictures-$kind" "$dir" "${english[@]}"
done
check "the stored language survives the pictures" test "$(stored)" = "REG_SZ default"

# Catalogs: the Japanese one damaged; a catalog the toolkit cannot make sense of is reported.
wine reg add "$key" /v ui_language /d ja /f > /dev/null 2>&1
for kind in missing truncated empty random; do
  dir=$work/catalog-$kind
  cp -r "$work/zip/Lapmark" "$dir"
  damage "$dir/locales/ja/LC_MESSAGES/Lapmark.mo" "$kind"
  boxes=()
  # The toolkit's own catalog, which is not damaged, titles the box in Japanese.
  case $kind in empty | random) boxes=("Lapmark 警告") ;; esac
  # Without its catalog's texts the window speaks English.
  run_case "catalog-$kind" "$dir" "${english[@]}" "${boxes[@]}"
done
check "the stored language survives the catalogs" test "$(stored)" = "REG_SZ ja"

# Stored languages the program cannot use: reported once in its own words, never asked over,
# left exactly as they are.
long=$(head -c 20000 /dev/zero | tr '\0' 'x')
registry_case() { # NAME TYPE VALUE BOX
  local name=$1 type=$2 value=$3 box=$4
  wine reg add "$key" /v ui_language /t "$type" /d "$value" /f > /dev/null 2>&1
  run_case "$name" "$work/zip/Lapmark" "${english[@]}" "$box"
  check "$name: the value is left as it is" test "$(stored)" = "$type $value"
}
registry_case registry-unknown REG_SZ xx-nonsense "Lapmark Error"
registry_case registry-not-text REG_DWORD 0x5 "Lapmark Warning"
registry_case registry-long REG_SZ "$long" "Lapmark Error"

finish
