#!/usr/bin/env bash
# Fails on an include that goes up or sideways between the program's layers,
# and on a toolkit header in the code that must stay free of it.
#
#   includes_go_down.sh SOURCE-DIR
#
# Each folder of src/ is a layer; a file may include its own layer's headers
# and those of the layers below it, nothing else:
#   app -> review, entry, transfer -> print -> shell -> check -> data -> platform
#   transfer (the import window) -> import -> check -> data -> platform
#   cli (the batch programs) -> import -> check -> data -> platform
set -u
src=$1/src
declare -A below=(
  [platform]=""
  [data]="platform"
  [check]="data platform"
  [import]="check data platform"
  [cli]="import check data platform"
  [shell]="check data platform"
  [print]="shell check data platform"
  [review]="print shell check data platform"
  [entry]="shell check data platform"
  [transfer]="shell import check data platform"
  [app]="review entry transfer print shell import check data platform"
)
# Standard C++ only (the import with libzip and expat): the core, the batch
# programs, and the platform's interfaces with the system's implementations
# of them.
qt_free=(data check import cli platform/clock platform/file_system platform/posix_file_system
         platform/large_block platform/user_boxes platform/utf8 platform/windows_1251)

faults=0
fault() { echo "$1"; faults=$((faults + 1)); }
for dir in "$src"/*/; do
  layer=$(basename "$dir")
  [ -n "${below[$layer]+set}" ] || fault "src/$layer is in no layer: give it its place above"
done
while IFS= read -r line; do
  file=${line%%:*} included=${line#*\"}
  included=${included%%\"*}
  from=${file#"$src"/} && from=${from%%/*}
  to=${included%%/*}
  [ "$to" = "$included" ] && continue # version.h, generated for every layer
  [ "$to" = "$from" ] && continue
  [[ " ${below[$from]:-} " == *" $to "* ]] || fault "${file#"$1"/}: includes $included (up or sideways)"
done < <(grep -rn '^#include "' "$src" --include='*.h' --include='*.cpp' | sed 's/:[0-9]*:/:/')
for part in "${qt_free[@]}"; do
  while IFS= read -r hit; do
    fault "${hit#"$1"/}: the toolkit where standard C++ only belongs"
  done < <(find "$src/$part" "$src/$part.h" "$src/$part.cpp" -name '*.h' -o -name '*.cpp' 2>/dev/null \
             | xargs -r grep -Hn '^#include <Q')
done
[ "$faults" -eq 0 ]
