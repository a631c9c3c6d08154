#!/usr/bin/env bash
# Writes a report file and error lists through the program's real file layers
# while a preloaded shim fails one step of the write at a time:
#   report  the report save of both screens (QtFileSystem, save_driver)
#   list    the error list of the review screen's check run (QtFileSystem,
#           list_driver)
#   cli     the error list of dorvik-check (its own POSIX writer)
# After every failure the file must be byte for byte the old one (or the
# complete new one when the failure came after the rename), no temporary file
# may be left, and the user must have been told the system's description of
# the failure: in a message box, or on dorvik-check's stderr with exit
# status 2. A step a writer does not take must leave its write unharmed.
#
#   run_faults.sh SAVE-DRIVER LIST-DRIVER DORVIK-CHECK SHIM EXAMPLE [TABLE]
#
# TABLE, when given, receives one Markdown table row per case.
set -u
save_driver=$1 list_driver=$2 dorvik_check=$3 shim=$4 example=$5 table=${6:-/dev/null}
work=$(mktemp -d)
chmod 755 "$work"
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT
failed=0 passed=0
: >"$table"

check() { # name condition...
  local name=$1; shift
  if "$@"; then passed=$((passed + 1)); else echo "FAIL: $name"; failed=$((failed + 1)); fi
}

# The messages the program shows whether or not anything fails.
own_message() {
  [[ $1 == *"DALI ZAPOCNUVATE KONTROLA"* || $1 == *"KONTROLATA USPESNO"* \
     || $1 == *"Kontrolata ne e uspesna"* || $1 == *"GRESEN SLOG - NUMERICKIOT"* || $1 == *"Kontrola"$'\t'* || $1 == *"KONTROLA"$'\t'* ]]
}

# The complete new files, written without a fault. A list names its folder,
# so lists are compared with the folder's path taken out.
ref=$work/reference
mkdir -p "$ref"/{report,list,cli}
for w in report list cli; do cp "$example" "$ref/$w/PRIJAVA.TXT"; done
"$save_driver" "$ref/report/PRIJAVA.TXT" "Nova firma" >/dev/null || echo "FAIL: reference save"
new_report=$ref/report/PRIJAVA.TXT
"$list_driver" "$ref/list/PRIJAVA.TXT" >/dev/null || echo "FAIL: reference list"
new_list=$ref/list/PRIJAVA.err
"$dorvik_check" "$ref/cli/PRIJAVA.TXT" >/dev/null 2>&1
[ $? -le 1 ] || echo "FAIL: reference dorvik-check"
new_cli=$ref/cli/PRIJAVA.err
old_list=$work/old.err
printf 'An earlier list\r\n' >"$old_list"

# Prepares a folder for a case: the report and an earlier list.
prepare() { # dir
  mkdir -p "$1"
  cp "$example" "$1/PRIJAVA.TXT"
  cp "$old_list" "$1/PRIJAVA.err"
}

# What the target holds: old, new, missing, a folder, or something else.
same() { # file reference
  cmp -s <(sed "s#$(dirname "$1")#FOLDER#g" "$1") <(sed "s#$(dirname "$2")#FOLDER#g" "$2")
}
state_of() { # target old new
  if [ -d "$1" ]; then echo folder
  elif [ ! -e "$1" ]; then echo missing
  elif cmp -s "$1" "$2"; then echo old
  elif same "$1" "$3"; then echo new
  else echo other; fi
}

# Files in the folder besides the report and the list.
leftovers() { # dir
  [ -d "$1" ] || return 0
  ls -A "$1" | grep -v -x -e PRIJAVA.TXT -e PRIJAVA.err | tr '\n' ' '
}

# Runs one writer in one folder; sets rc, told (what the user was told).
run_writer() { # writer dir option-or-empty env...
  local writer=$1 dir=$2 option=$3; shift 3
  local out err
  case $writer in
    report) out=$(env "$@" "$save_driver" $option "$dir/PRIJAVA.TXT" "Nova firma" 2>/dev/null); rc=$? ;;
    list) out=$(env "$@" "$list_driver" $option "$dir/PRIJAVA.TXT" 2>/dev/null); rc=$? ;;
    cli) err=$(env "$@" "$dorvik_check" "$dir/PRIJAVA.TXT" 2>&1 >/dev/null); rc=$? ;;
  esac
  told=
  if [ "$writer" = cli ]; then
    told=${err#dorvik-check: *: }
    [ "$told" != "$err" ] || told=
  else
    while IFS= read -r line; do
      own_message "$line" || told=${line#*$'\t'}
    done <<<"$out"
  fi
}

writer_failed() { # writer rc
  case $1 in
    cli) [ "$2" -eq 2 ] ;;
    *) [ "$2" -eq 1 ] ;;
  esac
}

target_of() { # writer dir
  [ "$1" = report ] && echo "$2/PRIJAVA.TXT" || echo "$2/PRIJAVA.err"
}
old_of() { [ "$1" = report ] && echo "$example" || echo "$old_list"; }
new_of() {
  case $1 in report) echo "$new_report" ;; list) echo "$new_list" ;; cli) echo "$new_cli" ;; esac
}

# Checks one case and writes its row. must: fail, pass, or either.
judge() { # writer case must dir [after-rename-ok]
  local writer=$1 name=$2 must=$3 dir=$4 late=${5:-}
  local target state left outcome
  target=$(target_of "$writer" "$dir")
  state=$(state_of "$target" "$(old_of "$writer")" "$(new_of "$writer")")
  left=$(leftovers "$dir")
  if writer_failed "$writer" "$rc"; then
    outcome=failed
    check "$writer/$name: must not fail" test "$must" != pass
    if [ -n "$late" ]; then
      check "$writer/$name: file old or new ($state)" bash -c '[ "$1" = old ] || [ "$1" = new ]' _ "$state"
    else
      check "$writer/$name: file unchanged ($state)" test "$state" = "$(default_state "$dir")"
    fi
    check "$writer/$name: the user saw the system's description ($told)" \
      bash -c '[ -n "$1" ] && [[ "$1" != *"Unknown error"* ]]' _ "$told"
  else
    outcome="succeeded (rc $rc)"
    check "$writer/$name: must not succeed" test "$must" != fail
    check "$writer/$name: complete new file ($state)" test "$state" = new
    check "$writer/$name: nothing told ($told)" test -z "$told"
  fi
  if [[ $name == *unlink* && $outcome == failed ]]; then
    : # the shim also refuses to remove the temporary; it may stay
  else
    check "$writer/$name: no temporary file left ($left)" test -z "$left"
  fi
  printf '| %s | %s | %s | %s | %s | %s |\n' "$writer" "$name" "$outcome" "$state" \
    "${left:-none}" "${told:-nothing}" >>"$table"
}
default_state() { [ -d "$1" ] && echo old || echo missing; }

# The steps each writer takes (the rest must not harm its write).
declare -A takes=(
  [report]="open write shortwrite fdatasync linkat rename rofile rodir"
  [list]="open write shortwrite fdatasync linkat rename rofile rodir"
  [cli]="open write shortwrite fdatasync close rename rodir"
)

for writer in report list cli; do
  for fault in open write shortwrite fdatasync fsync dirfsync close linkat rename unlink \
               rofile rodir write,unlink rename,unlink; do
    dir="$work/$writer-$fault"
    prepare "$dir"
    run_writer "$writer" "$dir" "" DORVIK_FAULT_DIR="$dir" DORVIK_FAULT="$fault" LD_PRELOAD="$shim"
    must=either
    for step in ${takes[$writer]}; do
      [[ ,$fault, == *",$step,"* ]] && must=fail
    done
    [ "$must" = either ] && [[ $fault != *,* ]] && must=pass
    late=
    [ "$fault" = dirfsync ] && late=yes
    judge "$writer" "$fault" "$must" "$dir" "$late"
  done
done

# A folder that vanished between the load and the write: nothing is created.
for writer in report list; do
  dir="$work/$writer-vanished"
  prepare "$dir"
  run_writer "$writer" "$dir" --vanish
  check "$writer/vanished: failed" writer_failed "$writer" "$rc"
  check "$writer/vanished: folder not made again" test ! -e "$dir"
  check "$writer/vanished: told ($told)" test -n "$told"
  printf '| %s | folder vanished after loading | %s | %s | none | %s |\n' "$writer" \
    "$(writer_failed "$writer" "$rc" && echo failed || echo "succeeded (rc $rc)")" \
    "$([ -e "$dir" ] && echo "folder exists" || echo "folder missing")" "${told:-nothing}" >>"$table"
done

# The file to write replaced by a folder: the folder stays as it is.
for writer in report list cli; do
  dir="$work/$writer-folder"
  prepare "$dir"
  target=$(target_of "$writer" "$dir")
  if [ "$writer" = cli ]; then
    rm "$target" && mkdir "$target"
    run_writer cli "$dir" ""
  else
    run_writer "$writer" "$dir" "--dir=$target"
  fi
  touch "$target/inside"
  check "$writer/folder: failed" writer_failed "$writer" "$rc"
  check "$writer/folder: still a folder" test -d "$target"
  check "$writer/folder: told ($told)" test -n "$told"
  left=$(leftovers "$dir")
  check "$writer/folder: no temporary file left ($left)" test -z "$left"
  printf '| %s | %s replaced by a folder | %s | folder kept | %s | %s |\n' "$writer" \
    "$(basename "$target")" "$(writer_failed "$writer" "$rc" && echo failed || echo "succeeded (rc $rc)")" \
    "${left:-none}" "${told:-nothing}" >>"$table"
done

# Real permissions, as a user who is not root (root may write anyway).
if [ "$(id -u)" -eq 0 ] && command -v setpriv >/dev/null && getent passwd nobody >/dev/null; then
  as_nobody=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
  if "${as_nobody[@]}" test -x "$save_driver" 2>/dev/null; then
    for writer in report list cli; do
      for kind in file folder; do
        dir="$work/$writer-nobody-$kind"
        prepare "$dir"
        chown -R nobody:nogroup "$dir"
        chmod 444 "$dir/PRIJAVA.TXT" "$dir/PRIJAVA.err"
        [ "$kind" = folder ] && chmod 555 "$dir"
        run_writer "$writer" "$dir" "" "${as_nobody[@]}"
        chmod 755 "$dir"
        must=fail
        # A read-only list in a writable folder is replaced, as any file
        # is by a rename; only the screens' writer refuses it.
        [ "$writer" = cli ] && [ "$kind" = file ] && must=pass
        judge "$writer" "read-only $kind (user nobody)" "$must" "$dir"
      done
    done
  else
    echo "note: the user nobody cannot run the drivers here; real permissions not tried"
  fi
fi

# Without a fault the save changes only the first record.
check "no fault: first record changed" grep -q "Nova firma" "$new_report"
check "no fault: rest unchanged" cmp -s <(tail -c +150 "$example") <(tail -c +150 "$new_report")
check "no fault: list written" test -s "$new_list"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
