#!/bin/sh
# Runs one test with the Wine prefix's screen at DPI dots per inch (96 is 100 %, 144 is 150 %,
# 192 is 200 %), as Windows' display scale sets it, and puts 96 back afterwards.
#   at_dpi.sh DPI COMMAND...
dpi=$1
shift
set_dpi() {
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f > /dev/null 2>&1
  wineserver -w
}
set_dpi "$dpi"
"$@"
status=$?
wineserver -w
set_dpi 96
exit $status
