#!/usr/bin/env bash
# Proves the par times: ursa-route --optimal for each stage, one after another at low priority,
# the route of each written to tools/ursa-route/pars/stageN.script, with the CPU time and peak
# memory each took. A stage whose search stops short (its memory, SIGTERM) prints its best known
# route and keeps the script it had. With --check, also runs the plain search (--plain) on the stages given and
# fails unless it finds the same frames: the reductions' cross-check.
# Usage: scripts/prove-pars.sh BUILD_DIR [--check] [STAGE...]     (default: all fifteen stages)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:?usage: scripts/prove-pars.sh BUILD_DIR [--check] [STAGE...]}
shift
check=false
if [ "${1:-}" = "--check" ]; then
  check=true
  shift
fi
stages=("$@")
[ ${#stages[@]} -gt 0 ] || stages=($(seq 1 15))
route="$build/tools/ursa-route/ursa-route"
log=$(mktemp)
trap 'rm -f "$log"' EXIT

# Runs ursa-route with the given arguments; prints its result line with what it cost.
prove() {
  /usr/bin/time -f "%U %S %M" -o "$log.time" nice -n 10 "$route" "$@" 2>"$log" >"$log.out" || true
  read -r user system kilobytes < "$log.time"
  local line
  line=$(cat "$log.out")
  printf '%s  (%.0f s CPU, %d MB)\n' "${line:-ursa-route failed: $(tail -1 "$log")}" \
    "$(echo "$user + $system" | bc)" $((kilobytes / 1024))
  rm -f "$log.time" "$log.out"
}

for stage in "${stages[@]}"; do
  out="tools/ursa-route/pars/stage$stage.script"
  result=$(prove --optimal --stage "$stage" --out "$out")
  echo "$result"
  if $check; then
    plain=$(prove --optimal --stage "$stage" --plain)
    echo "  plain: $plain"
    if [[ "$plain" != *proven* ]]; then
      echo "  (the plain search did not finish within its limits)"
    elif [ "${result%%,*}" != "${plain%%,*}" ]; then
      echo "stage $stage: the plain search disagrees" >&2
      exit 1
    fi
  fi
done
