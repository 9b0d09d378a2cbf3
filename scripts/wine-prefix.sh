#!/usr/bin/env bash
# Creates a throw-away 64-bit Wine prefix for the Windows tests:
#   scripts/wine-prefix.sh PREFIX VERSION      (VERSION: win10, win81 or win7)
# Idempotent: a prefix that is already ready is left alone (and this returns at once).
# The prefix never links to the real home folder, and ~/.wine is never touched.
set -euo pipefail

if [ $# -ne 2 ]; then
  echo "usage: $0 PREFIX win10|win81|win7" >&2
  exit 2
fi
case "$2" in
  win10 | win81 | win7) version="$2" ;;
  *) echo "wine-prefix: unknown Windows version '$2' (win10, win81 or win7)" >&2; exit 2 ;;
esac

# The faces the screens are drawn with. Wine falls back without a word when one is
# missing, and Korean text would turn into boxes while every test still passed.
for font in /usr/share/wine/fonts/marlett.ttf \
            /usr/share/fonts/truetype/nanum/NanumGothic.ttf \
            /usr/share/fonts/truetype/nanum/NanumGothicCoding.ttf \
            /usr/share/fonts/truetype/nanum/NanumMyeongjo.ttf \
            /usr/share/fonts/truetype/wqy/wqy-microhei.ttc; do
  if [ ! -f "$font" ]; then
    echo "wine-prefix: the font $font is missing (bash scripts/setup.sh installs it)" >&2
    exit 2
  fi
done

mkdir -p "$(dirname -- "$1")"
prefix="$(cd -- "$(dirname -- "$1")" && pwd)/$(basename -- "$1")"
case "$prefix" in
  / | "$HOME" | "$HOME/.wine" | "$HOME/.wine/"* | /root/.wine*)
    echo "wine-prefix: refusing to use $prefix; give a throw-away folder under the build tree" >&2
    exit 2 ;;
esac

stamp="$prefix/.orvane-ready"
# The version and a revision of the settings below: a prefix made with older settings is
# brought up to date.
ready="$version settings-3"
if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$ready" ]; then exit 0; fi

# Wine looks at HOME for the user folders and winemenubuilder writes menu entries under
# it, so every Wine command of a test gets a home folder of its own beside the prefix.
export HOME="$prefix.home"
export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share" XDG_CACHE_HOME="$HOME/.cache"
export WINEPREFIX="$prefix" WINEARCH=win64 WINEDEBUG=-all
# No Mono or Gecko install prompt (nothing here uses .NET or the HTML engine), and no
# desktop menu entries.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
mkdir -p "$HOME"

# Two tests may ask for the same prefix at once; the second waits for the first.
exec 8>"$prefix.create.lock"
flock 8
if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$ready" ]; then exit 0; fi

log="$prefix.create.log"
: >"$log"
run() { "$@" </dev/null >>"$log" 2>&1 8>&-; }

if [ ! -f "$prefix/system.reg" ]; then
  run wineboot --init
fi
run wine winecfg -v "$version"

# Marlett draws the caption buttons of the title bars Wine paints itself; this Wine does
# not find it in its data folder, and the buttons would show letters. (Only Marlett: with
# Wine's Tahoma in the prefix, Wine's locale-dependent links for Tahoma name files that
# are not there, and bold Korean text would turn into boxes.)
cp -f -- /usr/share/wine/fonts/marlett.ttf "$prefix/drive_c/windows/Fonts/"

# Registry settings, imported in one go. Text is UTF-16 so the Korean face names survive.
multi_sz() {  # REG_MULTI_SZ in .reg notation: hex(7) of the UTF-16LE strings, double NUL
  local bytes
  bytes="$( { for s in "$@"; do printf '%s\0' "$s"; done; printf '\0'; } | iconv -f UTF-8 -t UTF-16LE | od -An -v -tx1 | tr -s ' \n' ' ')"
  echo "hex(7):$(echo $bytes | tr ' ' ',')"
}
# Hangul from NanumGothic; the Japanese and Chinese characters Nanum lacks (kanji, kana,
# ideographic punctuation) from WenQuanYi Micro Hei.
link="$(multi_sz 'NanumGothic.ttf,NanumGothic' 'wqy-microhei.ttc,WenQuanYi Micro Hei')"
reg="$prefix/drive_c/orvane-settings.reg"
{
  printf '\xef\xbb\xbf'
  cat <<REG
Windows Registry Editor Version 5.00

; Windows get a title bar and frame from Wine itself; Xvfb runs no window manager.
[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]
"Decorated"="N"

; The Korean faces the program asks for come from fonts-nanum.
[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]
"Gulim"="NanumGothic"
"굴림"="NanumGothic"
"GulimChe"="NanumGothicCoding"
"Dotum"="NanumGothic"
"돋움"="NanumGothic"
"DotumChe"="NanumGothicCoding"
"Batang"="NanumMyeongjo"
"바탕"="NanumMyeongjo"
"Malgun Gothic"="NanumGothic"
"맑은 고딕"="NanumGothic"

; Korean, Japanese and Chinese in a Latin face (Tahoma, Segoe UI, the dialog font) fall
; back to the linked faces.
[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink]
"Tahoma"=$link
"Segoe UI"=$link
"MS Shell Dlg"=$link
"MS Shell Dlg 2"=$link
"Microsoft Sans Serif"=$link
"Consolas"=$link
REG
} | iconv -f UTF-8 -t UTF-16LE >"$reg"
run wine regedit /S 'C:\orvane-settings.reg'
rm -f -- "$reg"

# The profile folders are links into HOME: make each an empty real folder, so nothing a
# test writes to Documents, Desktop and the rest lands outside the prefix.
for user_dir in "$prefix/drive_c/users/"*; do
  [ -d "$user_dir" ] || continue
  for entry in "$user_dir"/* "$user_dir"/AppData/*; do
    if [ -L "$entry" ]; then
      rm -f -- "$entry"
      mkdir -p -- "$entry"
    fi
  done
done

run wineserver -w
echo "$ready" >"$stamp"
