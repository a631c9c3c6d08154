#!/usr/bin/env bash
# End to end as a user: the real dorvik under Xvfb, driven from the keyboard
# with xdotool. It opens the example named on its command line, checks it,
# goes from the error list to a record and corrects it, and quits, saving the
# correction when asked. Then the files and the settings store are compared
# byte for byte. (Typing reports, the boxes and the file dialogs are the
# screen tests' work, offscreen.)
#
#   run_e2e.sh DORVIK EXAMPLE EXPECTED_LIST SHOTS_DIR
#
# Exit 0 passed, 1 failed, 77 skipped (no xvfb-run or xdotool).
set -uo pipefail

if [ "${1:-}" != --inside ]; then
  if ! command -v xvfb-run >/dev/null || ! command -v xdotool >/dev/null; then
    echo "SKIP: xvfb-run or xdotool is not installed"
    exit 77
  fi
  [ $# -eq 4 ] || { echo "usage: $0 DORVIK EXAMPLE EXPECTED_LIST SHOTS_DIR" >&2; exit 2; }
  work=$(mktemp -d "${TMPDIR:-/tmp}/dorvik-e2e.XXXXXX") || exit 1
  trap 'rm -rf "$work"' EXIT
  # A session bus of its own where one can be started; else D-Bus may start
  # one for the display and keep its address in the home folder.
  bus=()
  command -v dbus-run-session >/dev/null && bus=(dbus-run-session --)
  # -e: what the X server says goes to the test's output. -a looks for a
  # free display from -n on; a number of our own keeps two runs apart.
  # -noreset: the server must not start afresh, refusing connections for a
  # moment, whenever its last client leaves.
  timeout -k 5 100 xvfb-run -a -n $((100 + $$ % 800)) -e /dev/stderr \
    -s "-screen 0 1280x1024x24 -nolisten tcp -noreset" "${bus[@]}" "$0" --inside "$work" "$@"
  status=$?
  [ $status -eq 124 ] && echo "FAIL: the run took longer than 100 s"
  exit $status
fi

shift
work=$1 dorvik=$2 example=$3 expected_list=$4 shots=$5
# A private user: settings, file dialog history and runtime files stay here.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/runtime"
export LC_ALL=C.UTF-8
# Nothing of the desktop the test may run in: no Qt theme, style, scaling
# or input method, no session manager.
unset QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS \
  QT_FONT_DPI QT_IM_MODULE XMODIFIERS XDG_CURRENT_DESKTOP DESKTOP_SESSION SESSION_MANAGER
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$shots"
chmod 700 "$XDG_RUNTIME_DIR"
rm -f "$shots"/*.png
report=$work/PRIJAVA.TXT list=$work/PRIJAVA.err
cp "$example" "$report"
chmod u+w "$report"

failures=0 shot_no=0 known=" "
pass() { echo "ok   - $*"; }
fail() { echo "FAIL - $*"; failures=$((failures + 1)); }
ok() { local what=$1; shift; if "$@"; then pass "$what"; else fail "$what"; fi; }
x() { timeout 5 xdotool "$@" 2>/dev/null; }
keys() { x key --delay 40 "$@"; }
enter() { x type --delay 30 "$1"; }
alive() { kill -0 "$app" 2>/dev/null; }
# Tries a command every 0.1 s for at most 10 s.
within() { for _ in $(seq 100); do "$@" && return 0; sleep 0.1; done; return 1; }
shot() {
  shot_no=$((shot_no + 1))
  command -v import >/dev/null || return 0
  timeout 10 import -window root "$(printf '%s/%02d-%s.png' "$shots" $shot_no "$1")" 2>/dev/null \
    || echo "note: no screenshot $1"
}
finish() {
  alive && { kill "$app"; sleep 0.5; kill -9 "$app"; } 2>/dev/null
  echo "--- dorvik's output:"; cat "$work/dorvik.log"
  [ $failures -eq 0 ] && { echo "e2e: passed (screenshots in $shots)"; exit 0; }
  echo "e2e: $failures failed (screenshots in $shots)"
  exit 1
}

# A visible window of the program named $1 that is none of the known ones:
# its id in $win.
new_window() {
  for win in $(x search --all --onlyvisible --pid "$app" --name "^$1\$"); do
    [[ $known == *" $win "* ]] || return 0
  done
  return 1
}
# Raises the window and gives it the keyboard: there is no window manager
# to do either.
focus() { x windowraise "$1"; x windowfocus --sync "$1" || x windowfocus "$1"; sleep 0.15; }
# Waits for window $1, focuses and photographs it as $2. Ends the test when
# it does not come.
open_window() {
  within new_window "$1" || { fail "window \"$1\" ($2) appeared"; finish; }
  known+="$win "
  focus "$win"
  shot "$2"
}
# The next message box bears title $1; photographed as $2, answered with keys.
answer() { open_window "$1" "$2"; shift 2; keys "$@"; }

# ---- --help and --version answer on standard output, without a display -----
ok "dorvik --version" eval 'env -u DISPLAY "$dorvik" --version | grep -qx "dorvik [0-9.]*"'
ok "dorvik -V" eval 'env -u DISPLAY "$dorvik" -V | grep -qx "dorvik [0-9.]*"'
ok "dorvik --help" eval 'env -u DISPLAY "$dorvik" --help | grep -q "^Upotreba: .*\[DATOTEKA\.\.\.\]"'

# ---- Start on the example: the main window and a review screen over it ------
within x getdisplaygeometry >/dev/null
"$dorvik" "$report" >"$work/dorvik.log" 2>&1 &
app=$!
open_window Dorvik main-window
main=$win
open_window "Pregled i kontrola na prijavi... - PRIJAVA.TXT" review
review=$win

# ---- The check run: the first finding quiets the rest -------------------------
# The focus starts on "Napred"; then come txtGodina, txtRegBroj,
# txtImePrezime, txtFirma, "Nazad", "Kraj", "Po~etok", "Kontrola".
keys Tab Tab Tab Tab Tab Tab Tab Tab space
# The boxes' buttons are "&Da", "&Ne", "&Otkazi": their letters answer.
answer Dorvik check-question d
# Tab to "Ne prikazuvaj gi ostanatite poraki", tick it, OK.
answer Kontrola check-record-3-licen-broj Tab space Return
answer KONTROLA check-verdict Return
# The failed run's list opens beside the screen once it is written. Its rows
# are records 3, 5 and 7, the first one current; Enter on record 5 shows it.
open_window "Lista na greski" error-list
ok "error list byte for byte" cmp <(sed "s#@STEM@#${report%????}#" "$expected_list") "$list"
keys Down Return
# Record 5's year "9A" becomes "99": from "Kontrola" Shift+Tab seven times
# reaches txtGodina. Saved only when quitting.
focus "$review"
keys shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab ctrl+a
enter 99
shot review-record-5-corrected

# ---- Quit: IZBOR > "K&raj"; the correction saved -------------------------------
focus "$main"
x key alt+i sleep 0.3 key r
answer Dorvik save-correction d
within eval '! alive' && wait "$app"
status=$?
ok "program ended with status 0 ($status)" test $status -eq 0

# ---- Files and settings after quitting ----------------------------------------
ok "report differs from the example only in record 5's year" \
  cmp <(head -c $((4 * 149)) "$example"; printf 99; tail -c +$((4 * 149 + 3)) "$example") "$report"
# A first run places the window from the defaults (1000, 1000, 6500, 6500
# twips) and, nothing having moved it, stores them back to the pixel.
ok "settings stored" cmp <(printf '[Settings]\nMainHeight=6495\nMainLeft=1005\nMainTop=1005\nMainWidth=6495\n') \
  "$XDG_CONFIG_HOME/Dorvik/Dorvik.conf"
# In the home folder the program writes its settings and the file dialog its
# history, nothing else. (A session bus started for the display keeps its
# address in .dbus; caches are no one's.)
ok "nothing else in the home folder" test -z "$(cd "$HOME" && find . -type f ! -path './.dbus/*' \
  ! -path './.cache/*' ! -path ./.config/Dorvik/Dorvik.conf ! -path ./.config/QtProject.conf)"
ok "no temporary files beside the reports" \
  test -z "$(cd "$work" && ls -A | grep -vxE 'PRIJAVA.TXT|PRIJAVA.err|home|runtime|dorvik.log')"
finish
