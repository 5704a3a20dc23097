# What the presenting benchmarks share: a private Xvfb server of a given size, and reading and
# dividing their figures. Sourced by present_bench.sh and same_work_bench.sh.
xvfb=

# start_x WxHxD: a new Xvfb on DISPLAY (URSA_BENCH_DISPLAY, else a random number), stopped at exit.
start_x() {
  stop_x
  export DISPLAY=${URSA_BENCH_DISPLAY:-":$((500 + ($$ + RANDOM) % 400))"}
  Xvfb "$DISPLAY" -screen 0 "$1" -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  # A display already in use would answer too, while this server gave up.
  for _ in $(seq 50); do
    kill -0 "$xvfb" 2>/dev/null && xdpyinfo >/dev/null 2>&1 && return
    sleep 0.1
  done
  echo "Xvfb did not start" >&2
  exit 1
}
stop_x() { if [[ -n $xvfb ]]; then kill "$xvfb" 2>/dev/null || true; wait "$xvfb" 2>/dev/null || true; xvfb=; fi; }
trap stop_x EXIT

# counter NAME < output: the value of a benchmark counter (NAME=value) or floor figure (NAME value).
counter() { grep -oE "$1[= ][0-9.]+" | head -1 | grep -oE '[0-9.]+$'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
