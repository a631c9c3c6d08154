#!/usr/bin/env bash
# Writes through the program's real file layers while a preloaded shim
# (fault_shim.c) fails steps of the write. The writers:
#   report  the report save of both screens (fault_driver save)
#   backup  the same on a report with a line that is no record, whose first
#           save keeps the file on the disk as PRIJAVA.TXT.bak first
#   list    the error list of the review screen's check run (fault_driver check)
#   cli     the error list of dorvik-check (its own POSIX writer)
# A writer that fails leaves its folder byte for byte as it was (the old
# file, no .bak, no temporary file) and its last word to the user is the
# system's description (the driver prints its boxes; dorvik-check says it on
# stderr and exits with 2); only a failed folder sync comes after the rename,
# with the new file in place. A failed step a writer does not take leaves the
# folder as a write without faults does, and nothing more is said. Every
# write that succeeds syncs the file's data, then links or renames it into
# place, then syncs the folder, in that order (the shim's log of calls).
#
#   run_faults.sh FAULT-DRIVER DORVIK-CHECK SHIM EXAMPLE [TABLE]
#
# TABLE, when given, receives one Markdown table row per case.
set -u
driver=$1 dorvik_check=$2 shim=$3 example=$4 table=${5:-/dev/null}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Every case runs in the same folder, so that the lists, which name it,
# compare byte for byte.
dir=$work/case failed=0 passed=0
declare -A ref_out ref_snap
: >"$table"

check() { # what condition...
  local what=$1; shift
  if "$@"; then passed=$((passed + 1)); else echo "FAIL: $what"; failed=$((failed + 1)); fi
}

# The folder anew with the report and an earlier list.
prepare() { # writer
  rm -rf "$dir" && mkdir "$dir" && cp "$example" "$dir/PRIJAVA.TXT"
  [ "$1" = backup ] && printf '%0148d\r\n' 7 >>"$dir/PRIJAVA.TXT"
  printf 'An earlier list\r\n' >"$dir/PRIJAVA.err"
}

# Every name in the folder (a folder's with a slash, a FIFO's with a bar)
# and every regular file's checksum.
snap() { # dir
  [ -d "$1" ] || { echo missing; return; }
  (cd "$1" && ls -AF && find . -maxdepth 1 -type f -exec cksum {} + | sort -k3)
}

# Runs a writer on the report in the folder with the faults, COMMAND run
# between loading and writing; sets rc, ok_rc, fail_rc and out (what it said).
run() { # writer faults [command]
  local env=(DORVIK_FAULT_DIR="$dir" DORVIK_FAULT="$2" DORVIK_FAULT_LOG="$work/calls"
             LD_PRELOAD="$shim")
  rm -f "$work/calls"
  if [ "$1" = cli ]; then
    (cd "$dir" && eval "${3:-}")
    out=$(env "${env[@]}" "$dorvik_check" "$dir/PRIJAVA.TXT" 2>&1 >/dev/null)
    rc=$? ok_rc=1 fail_rc=2
  else
    local what=save
    [ "$1" = list ] && what=check
    out=$(cd "$dir" && env "${env[@]}" "$driver" $what "$dir/PRIJAVA.TXT" ${3:+"$3"} 2>&1)
    rc=$? ok_rc=0 fail_rc=1
  fi
}

# Whether each write of the calls (the file's data synced, linked or renamed
# into the folder, the folder synced) came in that order, and nothing was
# removed.
synced_in_order() { # calls
  [[ $1 =~ ^(fdatasync\ file,(linkat\ file,)?(rename\ file,)?fsync\ folder,)+$ ]]
}

# One case. TOLD empty: the writer must succeed; else it must fail and say
# that description last.
case_() { # writer name faults told [command]
  local writer=$1 name=$2 faults=$3 told=$4 command=${5:-} before after outcome said order
  prepare "$writer" && (cd "$dir" && eval "$command")
  # A .bak is a new file, linked in without a rename: it is whole before the
  # report's rename can fail.
  [[ $writer/$faults == backup/rename* ]] && cp "$dir/PRIJAVA.TXT" "$dir/PRIJAVA.TXT.bak"
  before=$(snap "$dir")
  prepare "$writer"
  run "$writer" "$faults" "$command"
  after=$(snap "$dir")
  # A temporary the shim did not let the writer remove may stay.
  [[ $faults == *unlink* ]] && after=$(grep -vE '\.[[:alnum:]]{6}$' <<<"$after")
  outcome="rc $rc"
  [ "$rc" = "$ok_rc" ] && outcome=succeeded
  [ "$rc" = "$fail_rc" ] && outcome=failed
  said=${out##*$'\n'} && said=${said#*$'\t'} && said=${said#dorvik-check: *: }
  if [ -n "$told" ]; then
    check "$writer/$name: failed ($outcome)" [ "$outcome" = failed ]
    check "$writer/$name: told \"$told\" ($said)" [ -z "${said##*"$told"*}" ]
    if [[ $faults == *fsync* ]]; then
      check "$writer/$name: folder as without faults" [ "$after" = "${ref_snap[$writer]}" ]
    else
      check "$writer/$name: folder as before" [ "$after" = "$before" ]
    fi
  else
    check "$writer/$name: succeeded ($outcome)" [ "$outcome" = succeeded ]
    check "$writer/$name: nothing told" [ "$out" = "${ref_out[$writer]}" ]
    check "$writer/$name: folder as without faults" [ "$after" = "${ref_snap[$writer]}" ]
    order=$(grep -E '^(fdatasync|linkat|rename|fsync|unlink) ' "$work/calls" | uniq | tr '\n' ,)
    check "$writer/$name: synced, put in place, folder synced ($order)" synced_in_order "$order"
  fi
  [ "$outcome" = failed ] || said=nothing
  printf '| %s | %s | %s | %s |\n' "$writer" "$name" "$outcome" "${said//$dir/<folder>}" >>"$table"
}

# The steps each writer takes; a failure of any other must not harm it.
qt_steps=" open write shortwrite fdatasync linkat rename fsync rofile rodir "
cli_steps=" open write shortwrite fdatasync close linkat rename fsync rodir "
# The faults each writer meets. The .bak is written as the report is: a
# failure before it, in it and after it. With unlink failing as well,
# dorvik-check's cleanup must not change what it says. With notmpfile the
# file system has no nameless files: the temporary is named from the start,
# and must not stay when a later step fails.
qt_faults="open write shortwrite fdatasync fsync close linkat rename unlink rofile rodir rename,unlink"
declare -A faults=([report]=$qt_faults [backup]="open write rename" [list]=$qt_faults
                   [cli]="$qt_faults write,unlink close,unlink notmpfile notmpfile,write
                          notmpfile,rename")
for writer in report backup list cli; do
  prepare "$writer"
  before=$(snap "$dir")
  run "$writer" ""
  ref_out[$writer]=$out ref_snap[$writer]=$(snap "$dir")
  check "$writer: writes without faults ($rc)" [ "$rc" = "$ok_rc" -a "${ref_snap[$writer]}" != "$before" ]
  mv "$dir" "$work/ref-$writer"
  steps=$qt_steps
  [ "$writer" = cli ] && steps=$cli_steps
  for fault in ${faults[$writer]}; do
    first=${fault#notmpfile,} first=${first%%,*} told=
    if [[ $steps == *" $first "* ]]; then
      case $first in
        open) told="nema dozvola za pristap" ;;
        # The screens' writer makes the new file beside the old one first.
        rodir) told="papkata e samo za citanje"
               [ "$writer" = cli ] && told="nema dozvola za pristap" ;;
        write | shortwrite | linkat) told="nema mesto na diskot" ;;
        rofile) told="datotekata e samo za citanje" ;;
        *) told="greska pri citanje ili zapisuvanje na diskot" ;;
      esac
    fi
    case_ "$writer" "$fault" "$fault" "$told"
  done
done
check "backup: the report saved as without the line that is no record" \
  cmp -s "$work/ref-report/PRIJAVA.TXT" "$work/ref-backup/PRIJAVA.TXT"
check "backup: PRIJAVA.TXT.bak is the original" \
  cmp -s <(cat "$example"; printf '%0148d\r\n' 7) "$work/ref-backup/PRIJAVA.TXT.bak"

# The folder gone between loading and writing: it is not made again. The
# file to write replaced by a folder or a FIFO: it stays as it is (the
# report's is refused by the read before the save).
case_ report vanished "" "takva datoteka ili papka ne postoi" 'rm -r "$PWD"'
case_ list vanished "" "takva datoteka ili papka ne postoi" 'rm -r "$PWD"'
case_ report folder "" "ova e papka, a ne datoteka" 'rm PRIJAVA.TXT && mkdir PRIJAVA.TXT'
case_ list folder "" "ova e papka, a ne datoteka" 'rm PRIJAVA.err && mkdir PRIJAVA.err'
case_ cli folder "" "ova e papka, a ne datoteka" 'rm PRIJAVA.err && mkdir PRIJAVA.err'
case_ report fifo "" "ne e obicna datoteka" 'rm PRIJAVA.TXT && mkfifo PRIJAVA.TXT'
case_ list fifo "" "ne e obicna datoteka" 'rm PRIJAVA.err && mkfifo PRIJAVA.err'
case_ cli fifo "" "ne e obicna datoteka" 'rm PRIJAVA.err && mkfifo PRIJAVA.err'

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
