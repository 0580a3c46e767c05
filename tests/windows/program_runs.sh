#!/usr/bin/env bash
# Runs the real Lapmark.exe of the portable zip under Wine, the way a Windows user starts it from
# another folder, and drives it (killing it once, to see its run come back): Wine's windows are X11 windows, so the window driver types into
# them, and window_state.exe reads what they show from the Windows side. Needs a display
# (xvfb-run) and the test's Wine prefix in WINEPREFIX.
#   program_runs.sh ZIP WINDOW_DRIVER WINDOW_STATE_EXE
set -u
zip=$1 driver=$2 state_exe=$3
. "$(dirname "$0")/../program_lib.sh"

unzip -q "$zip" -d "$work"
key='HKCU\Software\Quillora\Lapmark'
run_file=$WINEPREFIX/drive_c/users/$(id -un)/AppData/Local/Quillora/Lapmark/run.txt
# A first start: nothing stored yet, no run kept (other tests share the prefix).
wine reg delete "$key" /f > /dev/null 2>&1
rm -f "$run_file"
mkdir -p "$work/elsewhere"
start_program "$work/lapmark.out" "$work/elsewhere" wine "$work/Lapmark/Lapmark.exe"

shows() { # TITLE CONDITION...: waits until that window shows it (window_state.exe's conditions)
  wine "$state_exe" 120 "$@" > "$work/shown.txt"
}
stored_language() { wine reg query "$key" /v ui_language 2>/dev/null | tr -d '\r' | awk '$1 == "ui_language" {print $3}'; }
main="Lapmark"
about="バージョン情報..."

# Nothing is chosen yet, so the list opens with no row selected (under Wine the first key selects
# the first row); Japanese is the last.
check "the first start asks for the language" drive "wait=Language selection"
check "Japanese is picked" drive "keys=Language selection:End,End,Return"
check "the window opens in Japanese: the catalog beside the program was found" shows "$main" "has=開始(&S)"
check "the choice is in the registry at once" test "$(stored_language)" = ja
check "a screen reader hears what each readout is, its digits, and the list's name" \
  shows "$main" "heard=合計時間: 00:00:00.0" "heard=ラップタイム: 00:00:00.0" "heard=スプリット一覧"

check "Start" drive "keys=$main:alt+s"
check "starts timing" shows "$main" "has=停止(&S)" "has=スプリット(&T)"
check "two splits" drive "keys=$main:alt+t,alt+t"
check "make two rows" shows "$main" "rows=2"
# Killed while timing, as a crash or a power cut ends it: the next start brings both rows back,
# stopped, as they were.
check "the two rows are copied" drive "keys=$main:ctrl+c" "clipboard=$work/before.txt"
check "and written down: a first line and a start, then a record a row" \
  wait_until "[ \"\$(wc -l < '$run_file' 2>/dev/null)\" = 4 ]"
check "the program is killed" drive "kill=$main"
end_program
start_program "$work/lapmark.out" "$work/elsewhere" wine "$work/Lapmark/Lapmark.exe"
check "the next start shows both rows, stopped" shows "$main" "rows=2" "has=開始(&S)" "has=リセット(&T)"
check "with the same totals" drive "keys=$main:ctrl+c" "clipboard=$work/after.txt"
check "the copies agree" cmp "$work/before.txt" "$work/after.txt"
check "Start resumes" drive "keys=$main:alt+s"
check "timing" shows "$main" "has=停止(&S)" "rows=2"
# A second start brings this window to the front (from behind Notepad) and ends at once with
# status 0: still one window, the same two rows.
wine notepad > /dev/null 2>&1 &
check "another program has the foreground" wine "$state_exe" 120 "Untitled - Notepad" foreground
check "a second start ends with status 0" \
  sh -c "cd $work/elsewhere && timeout 120 wine $work/Lapmark/Lapmark.exe > $work/second.out 2>&1"
check "and brings the first window to the front, the only one, with its rows" \
  shows "$main" foreground windows=1 rows=2
check "Notepad closes" drive "close=Untitled - Notepad"
check "Stop" drive "keys=$main:alt+s"
check "makes the third row" shows "$main" "rows=3" "has=開始(&S)"
check "the laps are copied" drive "keys=$main:ctrl+c" "clipboard=$work/laps.txt"
check "as a header and three rows, read back from the X clipboard" \
  laps_are "$work/laps.txt" "番号"$'\t'"操作"$'\t'"合計時間"$'\t'"ラップ" スプリット スプリット 停止

check "About opens" drive "keys=$main:alt+a"
check "with the build information, and the picture button named for a screen reader" \
  shows "$about" "heard=ダウンロード ページを開く"
check "which names Windows" grep -Eq "^wxWidgets [0-9.]+-Windows-Unicode build$" "$work/shown.txt"
check "About closes" drive "close=$about"
# The toolkit's own texts are translated too: its catalog ships beside ours.
check "the Language list opens" drive "keys=$main:alt+l"
check "with the toolkit's Cancel in Japanese beside OK" shows "言語の選択" "has=キャンセル" "has=OK"
check "and closes" drive "keys=言語の選択:Escape" "gone=言語の選択"
check "the main window closes" drive "close=$main"
end_program
check "and the program ends with status 0 (got $status)" test "$status" -eq 0
check "the stored language is kept" test "$(stored_language)" = ja

# A stored value the program cannot use is reported, and left as it is.
wine reg add "$key" /v ui_language /d xx-nonsense /f > /dev/null 2>&1
start_program "$work/lapmark.out" "$work/elsewhere" wine "$work/Lapmark/Lapmark.exe"
check "an unknown stored language is reported" drive "close=Lapmark Error" "close=Lapmark"
end_program
check "and the program still ends with status 0 (got $status)" test "$status" -eq 0
check "the unknown value is left as it is" test "$(stored_language)" = xx-nonsense

# Keys in every window: the system's hot keys, which Wine passes on while another of its
# programs (Notepad) has the keyboard; Notepad keeps it.
wine reg add "$key" /v ui_language /d default /f > /dev/null 2>&1
wine reg add "$key" /v global_start_stop /d Ctrl+Shift+F9 /f > /dev/null 2>&1
wine reg add "$key" /v global_split /d F8 /f > /dev/null 2>&1
rm -f "$run_file"
start_program "$work/lapmark.out" "$work/elsewhere" wine "$work/Lapmark/Lapmark.exe"
check "the window opens" shows "$main" "has=&Start"
wine notepad > /dev/null 2>&1 &
check "Notepad has the keyboard" wine "$state_exe" 120 "Untitled - Notepad" foreground
check "Ctrl+Shift+F9, F8, F8 and Ctrl+Shift+F9 typed into Notepad" \
  drive "keys=Untitled - Notepad:ctrl+shift+F9,F8,F8,ctrl+shift+F9"
check "started, split twice and stopped Lapmark" shows "$main" "rows=3" "has=&Start"
check "and Notepad kept the keyboard" wine "$state_exe" 10 "Untitled - Notepad" foreground
check "Notepad and Lapmark close" drive "close=Untitled - Notepad" "close=$main"
end_program
# Another program holds F8 first: Lapmark names it once, and Ctrl+Shift+F9 still works.
wine "$state_exe" 120 hotkey=0:77 > "$work/holder.out" 2>&1 &
helper_pid=$!
check "another program holds F8" wait_until "grep -q held $work/holder.out"
start_program "$work/lapmark.out" "$work/elsewhere" wine "$work/Lapmark/Lapmark.exe"
check "Lapmark says so" shows "Lapmark Warning" "has=Another program holds F8, so it cannot split or reset Lapmark from other windows. Choose another key on the split list's menu."
check "and closes the box" drive "close=Lapmark Warning"
check "on stderr too, once" test "$(grep -c "Another program holds F8" "$work/lapmark.out")" -eq 1
wine notepad > /dev/null 2>&1 &
check "Notepad has the keyboard" wine "$state_exe" 120 "Untitled - Notepad" foreground
check "Ctrl+Shift+F9 typed into Notepad" drive "keys=Untitled - Notepad:ctrl+shift+F9"
check "resumes the run" shows "$main" "rows=3" "has=&Stop"
check "Notepad and Lapmark close" drive "close=Untitled - Notepad" "close=$main"
end_program
kill "$helper_pid" 2>/dev/null

[ "$failures" -eq 0 ] || sed 's/^/    /' "$work/lapmark.out" | head -20
finish
