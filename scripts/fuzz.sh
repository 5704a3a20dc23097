#!/usr/bin/env bash
# Fuzzes the .x loader for a given time: installs clang and libFuzzer if they are missing, builds
# the fuzz target in build-fuzz/ and runs it, seeded with the game's meshes and the test meshes.
#
#   bash scripts/fuzz.sh SECONDS [extra libFuzzer options...]
#
# New inputs collect in build-fuzz/corpus/, crashes in build-fuzz/crashes/ (crash-*, timeout-*,
# oom-*); the run goes on past them. Replay one with the same ASAN_OPTIONS as below:
#   build-fuzz/fuzz/ursa-xfile-fuzz build-fuzz/crashes/crash-...
set -euo pipefail

seconds=${1:?usage: bash scripts/fuzz.sh SECONDS [libFuzzer options...]}
shift
case $seconds in
  '' | *[!0-9]*) echo "fuzz.sh: SECONDS must be a whole number, not '$seconds'" >&2; exit 2 ;;
esac

root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-fuzz

# clang 14 and its runtime libraries (libFuzzer, the sanitizers) on Debian 12.
if ! command -v clang++-14 >/dev/null || ! ls /usr/lib/llvm-14/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update
  $sudo apt-get install -y --no-install-recommends clang-14 libclang-rt-14-dev
fi

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DURSA_FUZZ=ON \
  -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null
cmake --build "$build" -j2 --target ursa-xfile-fuzz

# The seeds: the game's nine meshes and the small test meshes.
mkdir -p "$build/corpus" "$build/crashes" "$build/seeds"
cp "$root"/assets/*.x "$root"/tests/rm/data/*.x "$build/seeds/"
# Huge counts in a tiny file must fail like in the helper, whose 1 GiB ceiling turns them into
# std::bad_alloc, not into a sanitizer report.
export ASAN_OPTIONS=${ASAN_OPTIONS:-allocator_may_return_null=1:max_allocation_size_mb=1024:detect_leaks=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$root/fuzz/lsan.supp:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
# Assimp is expected to crash on some damaged files (the game's helper process turns that into
# a clean error), so the run goes on past a crash, in a forked worker, and keeps every one.
nice -n 10 "$build/fuzz/ursa-xfile-fuzz" \
  -max_total_time="$seconds" -timeout=20 -rss_limit_mb=3072 -max_len=131072 \
  -fork=1 -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1 \
  -dict="$root/fuzz/x_file.dict" -artifact_prefix="$build/crashes/" -print_final_stats=1 \
  "$@" "$build/corpus" "$build/seeds"
