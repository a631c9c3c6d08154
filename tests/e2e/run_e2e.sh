#!/usr/bin/env bash
# End to end as a user: the real dorvik under Xvfb, driven from the keyboard
# with xdotool through review, check run, correction, entry and quitting.
# Then the files and the settings store are compared byte for byte.
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
  # -e: whatever the X server says goes to the test's output.
  # -a looks for a free display from -n on; starting from a number of our
  # own keeps two runs on one machine from racing for the same one.
  timeout -k 5 100 xvfb-run -a -n $((100 + $$ % 800)) -e /dev/stderr -s "-screen 0 1280x1024x24 -nolisten tcp" \
    "$0" --inside "$work" "$@"
  status=$?
  [ $status -eq 124 ] && echo "FAIL: the run took longer than 100 s"
  exit $status
fi

shift
work=$1 dorvik=$2 example=$3 expected_list=$4 shots=$5

# A private user: settings, file dialog history and runtime files stay here.
export HOME="$work/home"
export XDG_CONFIG_HOME="$HOME/.config"
export XDG_RUNTIME_DIR="$work/runtime"
export LC_ALL=C.UTF-8
unset QT_QPA_PLATFORM SESSION_MANAGER
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$shots"
chmod 700 "$XDG_RUNTIME_DIR"
rm -f "$shots"/*.png

report="$work/PRIJAVA.TXT"
list="$work/PRIJAVA.err"
newfile="$work/NOVA.TXT"
cp "$example" "$report"
chmod u+w "$report"

failures=0
pass() { echo "ok   - $*"; }
fail() { echo "FAIL - $*"; failures=$((failures + 1)); }

shot_no=0
shot() {
  shot_no=$((shot_no + 1))
  command -v import >/dev/null || return 0
  timeout 10 import -window root "$(printf '%s/%02d-%s.png' "$shots" "$shot_no" "$1")" 2>/dev/null \
    || echo "note: no screenshot $1"
}

x() { timeout 5 xdotool "$@" 2>/dev/null; }
visible_windows() { x search --onlyvisible --name '.' || true; }
is_visible() { visible_windows | grep -qx "$1"; }
alive() { kill -0 "$app" 2>/dev/null; }

known=" "
# Waits (at most 10 s) for a visible window named exactly $1 that is not one
# of the known windows, and prints its id.
wait_window() {
  local pattern="^${1//./\\.}\$" id
  for _ in $(seq 100); do
    for id in $(x search --all --onlyvisible --pid "$app" --name "$pattern" || true); do
      case "$known" in *" $id "*) ;; *) echo "$id"; return 0 ;; esac
    done
    alive || return 1
    sleep 0.1
  done
  return 1
}
wait_gone() {
  for _ in $(seq 100); do
    is_visible "$1" || return 0
    sleep 0.1
  done
  return 1
}
# Raises the window and gives it the keyboard (there is no window manager
# to do either).
focus() { x windowraise "$1"; x windowfocus --sync "$1" || x windowfocus "$1"; sleep 0.15; }
keys() { x key --delay 40 "$@"; }
typed() { x type --delay 30 "$1"; }

# Waits for a window, gives it the keyboard and photographs it; its id is
# left in $win. Ends the test when it does not come.
open_window() {
  win=$(wait_window "$1") || { fail "window \"$1\" appeared"; finish; }
  focus "$win"
  shot "$2"
}

# The next message box must bear title $1; it is photographed as $2 and
# answered with key $3.
answer_box() {
  open_window "$1" "$2"
  keys "$3"
  wait_gone "$win" || { fail "box \"$1\" ($2) closed"; finish; }
}

# Waits (at most 10 s) until file $1 ends with the bytes $2.
wait_file_ending() {
  for _ in $(seq 100); do
    [ -f "$1" ] && tail -c "${#2}" "$1" | cmp -s - <(printf '%s' "$2") && return 0
    sleep 0.1
  done
  return 1
}

finish() {
  if alive; then
    kill "$app" 2>/dev/null
    sleep 0.5
    kill -9 "$app" 2>/dev/null
  fi
  echo "--- dorvik's output:"; cat "$work/dorvik.log"
  echo "screenshots: $shots"
  if [ $failures -eq 0 ]; then echo "e2e: passed"; exit 0; fi
  echo "e2e: $failures failed (screenshots in $shots)"
  exit 1
}

footer="$(printf '%.0s_' $(seq 79))"

# ---- Start ------------------------------------------------------------------
# xvfb-run may hand over before the server takes connections.
for _ in $(seq 100); do x getdisplaygeometry >/dev/null && break; sleep 0.1; done
"$dorvik" >"$work/dorvik.log" 2>&1 &
app=$!
open_window Dorvik main-window; main=$win
known=" $main "
pass "main window shown"

# ---- Review: KONTROLA > "Kontrola i korekcija na prijavi..." ----------------
keys alt+k
sleep 0.3
shot menu-kontrola
keys Return
open_window Otvori open-dialog; dialog=$win
typed "$report"
keys Return
wait_gone "$dialog" || fail "file dialog closed"
open_window "Pregled i kontrola na prijavi..." review-record-1; review=$win
known="$known$review "
pass "review screen opened on the example"

# Paging. The focus starts on "Napred"; the tab order goes on with txtGodina,
# txtRegBroj, txtImePrezime, txtFirma, "Nazad", "Kraj", "Po~etok", "Kontrola".
keys space space
sleep 0.3
shot review-record-3
keys Tab Tab Tab Tab Tab space
sleep 0.3
shot review-record-2-nazad

# ---- The check run, every box confirmed --------------------------------------
keys Tab Tab Tab space
answer_box Dorvik check-question y
answer_box Kontrola check-record-3-licen-broj Return
answer_box Dorvik check-record-5-numeric Return
answer_box KONTROLA check-record-7-period Return
answer_box KONTROLA check-record-7-hours Return
answer_box KONTROLA check-verdict Return
pass "check run: the boxes came in order (question, 3 findings, bad numeric, verdict)"
if wait_file_ending "$list" "$footer"$'\r\n'; then
  { head -n 7 "$expected_list"; printf '%s\r\n' "${report%????}"; tail -n +9 "$expected_list"; } \
    >"$work/expected.err"
  if cmp "$work/expected.err" "$list"; then pass "error list byte for byte"
  else fail "error list differs:"; diff <(cat -A "$work/expected.err") <(cat -A "$list"); fi
else
  fail "error list written and closed"
fi
shot review-after-check

# ---- Correct record 5's year "9A" to "99" and save -----------------------------
# Search by record number (Ctrl+R), then from "Kontrola", where the focus
# went back, Shift+Tab seven times reaches txtGodina.
focus "$review"
keys ctrl+r
open_window Prebaruvanje search-record-number; search=$win
keys ctrl+a
typed 5
keys Return
wait_gone "$search" || fail "search box closed"
focus "$review"
keys shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab
keys ctrl+a
typed 99
sleep 0.2
shot review-record-5-corrected
# "Snimi": txtGodina, back to "Napred", then "Pregled", "Snimi".
cp "$report" "$work/before-save"
keys shift+Tab shift+Tab shift+Tab space
sleep 0.5
shot review-saved
{ head -c $((4 * 149)) "$example"; printf 99; tail -c +$((4 * 149 + 3)) "$example"; } >"$work/expected.txt"
if cmp "$work/expected.txt" "$report"; then pass "saved file differs from the example only in record 5's year"
else fail "saved report file:"; cmp -l "$work/expected.txt" "$report" | head; fi

# ---- Entry: PRENOS > "Vnos na prijavi" on a new file ---------------------------
focus "$main"
keys alt+p
sleep 0.3
shot menu-prenos
keys Return
open_window "Otvori nova datoteka za vnesuvanje ..." entry-file-dialog; dialog=$win
typed "$newfile"
keys Return
wait_gone "$dialog" || fail "entry file dialog closed"
open_window "Avtomatsko popolnuvanje" autofill-dialog; autofill=$win
# The focus is on chkBox (the value boxes are hidden until it is ticked).
keys space Tab Tab Tab
typed 99
keys Tab
typed 3982597910
keys Tab
typed "Tekstil DOO Bitola"
keys Tab Tab Tab space
shot autofill-filled
keys Return
wait_gone "$autofill" || fail "auto-fill dialog closed"
open_window "Vnos na novi prijavi..." entry-opened; entry=$win
known="$known$entry "
[ -f "$newfile" ] && [ ! -s "$newfile" ] && pass "new file created empty" || fail "new file created empty"

# Two reports. The focus starts in txtLicenBrojV and every full box hands it
# on; the auto-filled boxes are skipped; after the hours of sick leave comes
# "snimi", after "snimi" "vnesi".
type_report() {
  typed "$1$2$3"
  keys Tab
  typed "0101311212002088$4"
  typed 0000
  sleep 0.3
}
type_report 9074833741 8876232860121 "Petar Petrovski" 002560800
shot entry-report-1-typed
keys space
sleep 0.4
keys space
sleep 0.3
type_report 4047966666 9725102734642 "Marija Ilievska" 007520000
shot entry-report-2-typed
keys space
sleep 0.4
shot entry-saved
# The two reports are the example's first two records, byte for byte.
if head -c $((2 * 149)) "$example" | cmp - "$newfile"; then pass "new file holds the two typed reports"
else fail "new file:"; cat -A "$newfile"; fi

# ---- Quit: IZBOR > "K&raj" --------------------------------------------------
focus "$main"
keys alt+i
sleep 0.3
shot menu-izbor
keys r
for _ in $(seq 100); do alive || break; sleep 0.1; done
if alive; then fail "program ended after K&raj"; else
  wait "$app"; status=$?
  [ $status -eq 0 ] && pass "program ended with status 0" || fail "program ended with status $status"
fi

# ---- Files and settings after quitting ----------------------------------------
cmp -s "$work/expected.txt" "$report" && pass "review's unsaved state did not touch the report" \
  || fail "report file changed after quitting"
conf="$XDG_CONFIG_HOME/Dorvik/Dorvik.conf"
if [ -f "$conf" ]; then
  echo "--- $conf:"; cat "$conf"
  # A first run places the window from the defaults (1000, 1000, 6500,
  # 6500 twips); nothing moved it, so it stores them back to the pixel.
  for entry in MainLeft=1000 MainTop=1000 MainWidth=6500 MainHeight=6500; do
    key=${entry%=*} default=${entry#*=}
    value=$(sed -n "s/^$key=\([0-9][0-9]*\)\r\{0,1\}$/\1/p" "$conf")
    if [ -n "$value" ] && [ $((value - default)) -le 15 ] && [ $((default - value)) -le 15 ]; then
      pass "settings: $key=$value"
    else
      fail "settings: $key=${value:-missing}, expected $default within a pixel"
    fi
  done
  grep -qx '\[Settings\]' "$conf" && pass "settings: section Settings" || fail "settings: section Settings"
else
  fail "settings store $conf written"
fi
[ -z "$(find "$HOME" -mindepth 1 -maxdepth 1 ! -name .config)" ] || fail "nothing but .config in HOME"
leftovers=$(cd "$work" && ls -A | grep -vxE 'PRIJAVA.TXT|PRIJAVA.err|NOVA.TXT|home|runtime|dorvik.log|expected.err|expected.txt|before-save')
[ -z "$leftovers" ] && pass "no temporary files left beside the reports" || fail "left over: $leftovers"

finish
