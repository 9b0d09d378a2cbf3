#!/usr/bin/env bash
# Gives a Wine prefix a small sample machine, so the program has something to show on a
# first run:   scripts/sample-machine.sh PREFIX VERSION   (VERSION as for wine-prefix.sh)
#
#   HKLM Run          Sample Backup    enabled
#   HKLM Run (32-bit) Sample Updater   disabled by its startup-approved record
#   HKCU Run          Sample Notes     enabled
#   HKCU Run          OrvaneHelper     hidden: the built-in name list holds "Orvane"
#   all users' Startup folder   Sample Site.url
#   the user's Startup folder   Sample Sync.cmd
#   services          SampleAgent (automatic), SampleIndexer (manual)
#
# The programs the Run values and services name are not installed, so nothing of the
# sample ever runs: Wine starts automatic services itself, and a missing program fails at
# once. The startup files do nothing when opened.
set -euo pipefail

if [ $# -ne 2 ]; then
  echo "usage: $0 PREFIX win10|win81" >&2
  exit 2
fi
here="$(cd -- "$(dirname -- "${BASH_SOURCE[0]}")" && pwd)"
"$here/wine-prefix.sh" "$1" "$2"
prefix="$(cd -- "$1" && pwd)"

run_key='Software\Microsoft\Windows\CurrentVersion\Run'
run32_key='Software\Wow6432Node\Microsoft\Windows\CurrentVersion\Run'
approved_run32='Software\Microsoft\Windows\CurrentVersion\Explorer\StartupApproved\Run32'

staging="$prefix/drive_c/orvane-sample"
mkdir -p "$staging"
# Registry Editor 5 text in UTF-16 with its byte-order mark (the UTF-8 mark converted).
{
  printf '\xef\xbb\xbf'
  sed 's/$/\r/' <<REG
Windows Registry Editor Version 5.00

[HKEY_LOCAL_MACHINE\\${run_key}]
"Sample Backup"="\\"C:\\\\Program Files\\\\Sample Backup\\\\backup.exe\\" /tray"

[HKEY_LOCAL_MACHINE\\${run32_key}]
"Sample Updater"="\\"C:\\\\Program Files (x86)\\\\Sample Updater\\\\updater.exe\\" -background"

; Disabled the way Task Manager disables it: state 3, then the time of the change.
[HKEY_LOCAL_MACHINE\\${approved_run32}]
"Sample Updater"=hex:03,00,00,00,00,e0,e7,a1,d1,f3,d4,01

[HKEY_CURRENT_USER\\${run_key}]
"Sample Notes"="C:\\\\Program Files\\\\Sample Notes\\\\notes.exe --minimized"
"OrvaneHelper"="C:\\\\Program Files\\\\Orvane\\\\helper.exe"
REG
} | iconv -f UTF-8 -t UTF-16LE >"$staging/sample.reg"

printf '[InternetShortcut]\r\nURL=https://example.com/\r\n' >"$staging/Sample Site.url"
printf '@echo off\r\nrem A sample startup script: it does nothing.\r\n' >"$staging/Sample Sync.cmd"

cat >"$staging/sample.cmd" <<'BAT'
@echo off
reg import C:\orvane-sample\sample.reg
if errorlevel 1 exit /b 10
set common=%ALLUSERSPROFILE%\Microsoft\Windows\Start Menu\Programs\Startup
set user=%APPDATA%\Microsoft\Windows\Start Menu\Programs\Startup
if not exist "%common%" mkdir "%common%"
if not exist "%user%" mkdir "%user%"
copy /y "C:\orvane-sample\Sample Site.url" "%common%\Sample Site.url" >nul
if errorlevel 1 exit /b 11
copy /y "C:\orvane-sample\Sample Sync.cmd" "%user%\Sample Sync.cmd" >nul
if errorlevel 1 exit /b 12
sc create SampleAgent binPath= "\"C:\Program Files\Sample Agent\agent.exe\" -service" type= own start= auto DisplayName= "Sample Agent"
if errorlevel 1 exit /b 13
sc create SampleIndexer binPath= "C:\Program Files\Sample Indexer\indexer.exe" type= own start= demand DisplayName= "Sample Indexer"
if errorlevel 1 exit /b 14
exit /b 0
BAT
sed -i 's/$/\r/' "$staging/sample.cmd"

ORVANE_WINE_PREFIX="$prefix" ORVANE_WINE_VERSION="$2" \
  "$here/wine-run.sh" "$prefix/drive_c/windows/system32/cmd.exe" /c 'C:\orvane-sample\sample.cmd' >/dev/null
rm -rf -- "$staging"
