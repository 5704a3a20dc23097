#!/usr/bin/env bash
# Checks the code against the house style: clang-format on every source file, and clang-tidy
# with the root .clang-tidy, failing on any finding not listed in scripts/lint-baseline.txt.
# Usage: scripts/lint.sh BUILD_DIR            (BUILD_DIR has compile_commands.json)
#        scripts/lint.sh BUILD_DIR --baseline (rewrites the baseline from today's findings)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:?usage: scripts/lint.sh BUILD_DIR [--baseline]}
baseline=${LINT_BASELINE:-scripts/lint-baseline.txt}

mapfile -t sources < <(git ls-files '*.cpp' '*.hpp')

echo "clang-format: ${#sources[@]} files"
clang-format --dry-run --Werror "${sources[@]}"

# A finding is keyed by file and check, without its line, so that unrelated edits above it
# do not make it look new; the baseline holds how many of each a file may have.
findings=$(mktemp)
trap 'rm -f "$findings"' EXIT
echo "clang-tidy: the files of $build/compile_commands.json"
run-clang-tidy -quiet -p "$build" -j "$(nproc)" "^$PWD/(text|game|gl|view|toolkit|app|harness|tools)/" 2>/dev/null |
  sed 's/\x1b\[[0-9;]*m//g' |
  grep -E '^/.*: warning: .*\[[a-z.-]+(,[a-z.-]+)*\]$' |
  sort -u > "$findings" || true

key_counts() { sed -E "s|^$PWD/||; s|^([^:]+):[0-9]+:[0-9]+: warning: .*\[([^]]+)\]$|\1 \2|" "$1" | sort | uniq -c; }

if [ "${2:-}" = "--baseline" ]; then
  key_counts "$findings" | awk '{print $2, $3, $1}' > "$baseline"
  echo "wrote $baseline: $(wc -l < "$baseline") file and check pairs"
  exit 0
fi

new=0
while read -r count file check; do
  allowed=$(awk -v f="$file" -v c="$check" '$1 == f && $2 == c {print $3}' "$baseline")
  if [ "$count" -gt "${allowed:-0}" ]; then
    echo "new clang-tidy finding: $file [$check] ($count, baseline ${allowed:-0})"
    grep -F "$PWD/$file:" "$findings" | grep -F "[$check]" | sed "s|^$PWD/||"
    new=1
  fi
done < <(key_counts "$findings")
[ "$new" -eq 0 ] && echo "clang-tidy: no new findings"
exit "$new"
