#!/usr/bin/env bash
# The layers of CONTRIBUTING.md held to their picture: each folder includes the project's headers
# only from the layers it may use, and the rules and the text library only the C++ library.
# Usage: layers_test.sh SOURCE_DIR
set -euo pipefail
cd "$1"

# LAYER: the layers whose headers it may include. view/rm is a layer of its own inside view/.
declare -A may_use=(
  [text]="text"
  [game]="game text"
  [gl]="gl text"
  [view/rm]="view/rm gl text"
  [toolkit]="toolkit gl text"
  [view]="view view/rm game toolkit gl text"
  [app]="app view view/rm game toolkit gl text"
  [harness]="harness app view view/rm game toolkit gl text"
  [web]="web app view view/rm game toolkit gl text"
)
# Layers that include nothing but the C++ standard library besides: no platform, no libraries.
standard_only="text game"

# The layer of a path of the project: its first folder, or view/rm.
layer_of() {
  case "$1" in
    view/rm/*) echo view/rm ;;
    *) echo "${1%%/*}" ;;
  esac
}

failures=0
for layer in "${!may_use[@]}"; do
  while IFS= read -r file; do
    [ "$(layer_of "$file")" = "$layer" ] || continue
    while IFS= read -r header; do
      used=$(layer_of "$header")
      [ -d "$used" ] || continue  # a header of a library with a path of its own
      if [[ " ${may_use[$layer]} " != *" $used "* ]]; then
        echo "FAIL $file includes $header: $layer may use only ${may_use[$layer]}"
        failures=$((failures + 1))
      fi
    done < <(sed -nE 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]+)".*/\1/p' "$file")
    if [[ " $standard_only " == *" $layer "* ]]; then
      # The C++ library's headers have no extension: <string>, <cstdint>. The compiler's own
      # vector intrinsics (<emmintrin.h>) are no library and no platform: the rules may use them.
      while IFS= read -r header; do
        [[ $header == *intrin.h ]] && continue
        echo "FAIL $file includes <$header>: $layer uses only the C++ standard library"
        failures=$((failures + 1))
      done < <(sed -nE 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*<([^>]+\.[^>]*)>.*/\1/p' "$file")
    fi
  done < <(find "$layer" -type f \( -name '*.cpp' -o -name '*.hpp' -o -name '*.h' \) | sort)
done

checked=$(find "${!may_use[@]}" -type f \( -name '*.cpp' -o -name '*.hpp' -o -name '*.h' \) | sort -u | wc -l)
echo "$checked files of ${#may_use[@]} layers checked, $failures includes against the layers"
[ "$failures" -eq 0 ]
