#!/usr/bin/env bash
# Installs Lapmark with its installer, silently and for the current user as Windows would under
# Wine, looks at what it installed and registered, then uninstalls it silently and looks again.
# Needs the test's Wine prefix in WINEPREFIX.
#   installer.sh INSTALLER
set -u
installer=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
. "$(dirname "$0")/../checks.sh"

uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Lapmark'
windows_path() { wine winepath -u "$1" 2>/dev/null | tr -d '\r'; }
folder_of() { windows_path "$(wine cmd /c "echo %$1%" 2>/dev/null | tr -d '\r')"; }
folder=$(folder_of LOCALAPPDATA)/Programs/Lapmark
start_menu="$(folder_of APPDATA)/Microsoft/Windows/Start Menu/Programs"
registered() { wine reg query "$uninstall_key" /v "$1" 2>/dev/null | tr -d '\r' | grep -q "$1"; }
# The uninstaller runs from a copy of itself and returns at once: once every process of the
# prefix has ended, it has done its work.
after_uninstalling() { wineserver -w; ! test -e "$1"; }

wine "$installer" /S
check "the silent installer ends with status 0 (got $?)" test $? -eq 0
for file in Lapmark.exe License.txt Uninstall.exe img/Lapmrak_01.ico img/quillora_logo.bmp \
            img/quillora_stat_01.jpg locales/ja/LC_MESSAGES/Lapmark.mo locales/zh_CN/LC_MESSAGES/Lapmark.mo \
            locales/ja/LC_MESSAGES/wxstd-3.2.mo locales/zh_CN/LC_MESSAGES/wxstd-3.2.mo; do
  check "it installed $file for this user" test -f "$folder/$file"
done
check "a Start-menu shortcut" test -f "$start_menu/Lapmark.lnk"
for value in DisplayName DisplayVersion Publisher UninstallString QuietUninstallString; do
  check "the uninstaller is registered with Windows ($value)" registered "$value"
done
check "and needs no administrator: nothing under HKEY_LOCAL_MACHINE" \
  sh -c "! wine reg query 'HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Lapmark' > /dev/null 2>&1"

wine "$folder/Uninstall.exe" /S
check "the silent uninstaller starts" test $? -eq 0
check "and removes the program" after_uninstalling "$folder/Lapmark.exe"
check "and its folder" after_uninstalling "$folder"
check "and the shortcut" after_uninstalling "$start_menu/Lapmark.lnk"
check "and its entry among the installed programs" sh -c "! wine reg query '$uninstall_key' > /dev/null 2>&1"

finish
