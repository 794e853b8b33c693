#!/usr/bin/env bash
# The load the console puts on the machine: CPU time and wake-ups of the console process, read
# from outside while it runs as an operator would leave it. Each scenario starts the console
# binary afresh (on an X display: the one given in DISPLAY, else an Xvfb of its own), lets it
# settle, then measures two windows of the same length one after the other:
#   1. /proc: CPU time of all its threads (schedstat, nanoseconds) and their voluntary context
#      switches (each one the process going to sleep and being woken again: its wake-ups),
#      with `perf stat -e context-switches,task-clock` over the same window when perf works;
#   2. strace -c -f: the system calls it makes, poll/ppoll (the event loop waking), fsync and
#      fdatasync (disk syncs), openat and unlink/unlinkat (lock files). strace slows the
#      process, so this window gives counts only, never the CPU figure.
#
# Usage: bench/console_load.sh [--seconds N] [--settle N] [--console PATH] [SCENARIO ...]
#   --seconds N     length of each window (default 30)
#   --settle N      seconds between start (or opening the port) and the first window (default 5)
#   --console PATH  the console binary to measure (default build/bin/kestrova, built here), e.g.
#                   an older build for a before/after comparison (see the README, "Performance")
# Scenarios (default: closed absent polling):
#   closed   the board simulator's pseudo-terminal is the port table (KESTROVA_PORTS); the port
#            is not opened: the console idle with its port closed
#   absent   KESTROVA_PORTS=/dev/kestrova-absent, a listed device that does not exist (adapter
#            unplugged); the port stays closed
#   polling  as closed, then the port is opened with the toggle (a space key on the focused
#            "打开串口" button): the ordinary poll cycle against the simulator
#   system   KESTROVA_PORTS unset: the machine's own serial devices, the port not opened
#   minimal  bench/minimal_poller.c (built here with cc) polls the simulator as the poll cycle
#            does, reading every 250 ms and asking for the run data once a second, nothing
#            decoded or shown: the floor to read the console's `polling` figure against; run
#            both in one call (`polling minimal`) so that they share the machine's load
# The figures are the console process's alone (not the simulator's, not the X server's); in
# `minimal` the poller's.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/lib.sh"

seconds=30
settle=5
console=""
scenarios=()
while [ $# -gt 0 ]; do
  case "$1" in
    --seconds) seconds="$2"; shift 2 ;;
    --settle) settle="$2"; shift 2 ;;
    --console) console="$2"; shift 2 ;;
    -h | --help) sed -n '2,/^set -euo/p' "${BASH_SOURCE[0]}" | sed '$d; s/^# \{0,1\}//'; exit 0 ;;
    closed | absent | polling | system | minimal) scenarios+=("$1"); shift ;;
    *) echo "unknown argument: $1 (see --help)" >&2; exit 2 ;;
  esac
done
[ ${#scenarios[@]} -gt 0 ] || scenarios=(closed absent polling)

install_missing_packages xdotool strace
cmake -S "$root" -B "$root/build" -G Ninja >/dev/null
cmake --build "$root/build" -j"$(nproc)" --target kestrova kestrova-board-sim >/dev/null
sim_bin="$root/build/bin/kestrova-board-sim"
[ -n "$console" ] || console="$root/build/bin/kestrova"
console="$(realpath "$console")"
[ -x "$console" ] || { echo "no console binary at $console" >&2; exit 1; }

work="$(mktemp -d -t kestrova-load.XXXXXX)"
xvfb_pid="" sim_pid="" console_pid=""
stop_console() {
  [ -z "$console_pid" ] || { kill -TERM "$console_pid" 2>/dev/null || true; wait "$console_pid" 2>/dev/null || true; }
  [ -z "$sim_pid" ] || { kill -TERM "$sim_pid" 2>/dev/null || true; wait "$sim_pid" 2>/dev/null || true; }
  console_pid="" sim_pid=""
}
finish() {
  trap - INT TERM EXIT
  stop_console
  [ -z "$xvfb_pid" ] || { kill -TERM "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; }
  rm -rf "$work"
}
trap 'finish; exit 130' INT
trap 'finish; exit 143' TERM
trap finish EXIT

if [ -z "${DISPLAY:-}" ]; then
  Xvfb -displayfd 5 -nolisten tcp -screen 0 1280x1024x24 5>"$work/display" 2>"$work/xvfb.log" &
  xvfb_pid=$!
  for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
  [ -s "$work/display" ] || { echo "Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
  export DISPLAY=":$(cat "$work/display")"
fi
export QT_QPA_PLATFORM=xcb

perf_ok=false
perf stat -e context-switches true >/dev/null 2>&1 && perf_ok=true

# Starts the board simulator; its pseudo-terminal goes to $device.
start_simulator() {
  coproc SIM { exec "$sim_bin"; }
  sim_pid=$SIM_PID
  if ! read -r -t 5 device <&"${SIM[0]}" || [[ "$device" != /dev/* ]]; then
    echo "the board simulator did not start" >&2
    exit 1
  fi
}

# CPU nanoseconds and voluntary, involuntary context switches of all the threads of $1.
proc_sample() {
  local pid=$1 cpu=0 t run
  for t in /proc/"$pid"/task/*; do
    if { read -r run _ <"$t/schedstat"; } 2>/dev/null; then cpu=$((cpu + run)); fi
  done
  echo "$cpu $(awk '/^voluntary_ctxt_switches/ {v += $2} /^nonvoluntary_ctxt_switches/ {n += $2}
                    END {print v + 0, n + 0}' /proc/"$pid"/task/*/status)"
}

now_ns() { date +%s%N; }

# Prints "name=value" lines for the figures of one scenario.
measure() {
  local pid=$1
  local t0 t1 a b perf_pid="" strace_pid
  local threads
  threads=$(ls /proc/"$pid"/task | wc -l)
  if $perf_ok; then
    perf stat -x, -e context-switches,task-clock -p "$pid" -o "$work/perf" -- sleep "$seconds" &
    perf_pid=$!
  fi
  read -r -a a <<<"$(proc_sample "$pid")"
  t0=$(now_ns)
  sleep "$seconds"
  read -r -a b <<<"$(proc_sample "$pid")"
  t1=$(now_ns)
  [ -z "$perf_pid" ] || wait "$perf_pid" || true
  local wall_ns=$((t1 - t0))
  echo "threads=$threads"
  echo "window_s=$(awk -v w="$wall_ns" 'BEGIN {printf "%.1f", w / 1e9}')"
  echo "cpu_pct=$(awk -v c=$((b[0] - a[0])) -v w="$wall_ns" 'BEGIN {printf "%.3f", 100 * c / w}')"
  echo "cpu_ms=$(awk -v c=$((b[0] - a[0])) 'BEGIN {printf "%.1f", c / 1e6}')"
  echo "wakeups_s=$(awk -v n=$((b[1] - a[1])) -v w="$wall_ns" 'BEGIN {printf "%.2f", n * 1e9 / w}')"
  echo "involuntary_s=$(awk -v n=$((b[2] - a[2])) -v w="$wall_ns" 'BEGIN {printf "%.2f", n * 1e9 / w}')"
  if [ -n "$perf_pid" ] && [ -s "$work/perf" ]; then
    awk -F, -v s="$seconds" '$3 == "context-switches" {printf "perf_cs_s=%.2f\n", $1 / s}
                             $3 == "task-clock" {printf "perf_cpu_pct=%.3f\n", 100 * $1 / (s * 1000)}' "$work/perf"
  fi
  # Second window: system calls, counted by strace on every thread.
  strace -c -f -p "$pid" -o "$work/strace" 2>/dev/null &
  strace_pid=$!
  sleep "$seconds"
  kill -INT "$strace_pid" 2>/dev/null || true
  wait "$strace_pid" 2>/dev/null || true
  awk -v s="$seconds" '
    $4 ~ /^[0-9]+$/ && $NF ~ /^[a-z_0-9]+$/ { calls[$NF] = $4 }
    END {
      printf "syscalls_s=%.2f\n", calls["total"] / s
      printf "poll_s=%.2f\n", (calls["poll"] + calls["ppoll"]) / s
      printf "fsync_s=%.2f\n", (calls["fsync"] + calls["fdatasync"]) / s
      printf "openat_s=%.2f\n", calls["openat"] / s
      printf "unlink_s=%.2f\n", (calls["unlink"] + calls["unlinkat"]) / s
    }' "$work/strace"
}

start_console() {
  "$console" >"$work/console.log" 2>&1 &
  console_pid=$!
  sleep 1
  kill -0 "$console_pid" 2>/dev/null || { echo "the console did not start:" >&2; cat "$work/console.log" >&2; exit 1; }
}

# The operator presses "打开串口": the button has the focus when the window appears.
open_port() {
  local device=$1 wid
  wid=$(xdotool search --sync --onlyvisible --pid "$console_pid" --name . | head -n 1)
  xdotool windowfocus --sync "$wid"
  sleep 0.5
  xdotool key space
  for _ in $(seq 30); do
    ls -l /proc/"$console_pid"/fd 2>/dev/null | grep -q -- "-> $device\$" && return 0
    sleep 0.1
  done
  echo "the console did not open $device" >&2
  exit 1
}

results=()
for scenario in "${scenarios[@]}"; do
  case "$scenario" in
    closed | polling)
      start_simulator
      export KESTROVA_PORTS="$device"
      what="KESTROVA_PORTS=$device (board simulator), port closed"
      ;;
    absent)
      export KESTROVA_PORTS=/dev/kestrova-absent
      what="KESTROVA_PORTS=/dev/kestrova-absent, port closed"
      ;;
    system)
      unset KESTROVA_PORTS
      what="the machine's serial devices ($(ls /dev/ttyS* /dev/ttyUSB* /dev/ttyACM* 2>/dev/null | paste -sd ' ' || true)), port closed"
      ;;
  esac
  if [ "$scenario" = minimal ]; then
    start_simulator
    cc -O2 -o "$work/minimal_poller" "$root/bench/minimal_poller.c"
    "$work/minimal_poller" "$device" &
    console_pid=$!
    what="bench/minimal_poller.c on $device (board simulator)"
  else
    start_console
  fi
  if [ "$scenario" = polling ]; then
    open_port "$device"
    what="KESTROVA_PORTS=$device (board simulator), port open, polling"
  fi
  sleep "$settle"
  echo "== $scenario: $what"
  [ "$scenario" = minimal ] || echo "   console: $console"
  figures=$(measure "$console_pid")
  stop_console
  get() { sed -n "s/^$1=//p" <<<"$figures"; }
  echo "   CPU: $(get cpu_pct) % of one core ($(get cpu_ms) ms on CPU in $(get window_s) s, $(get threads) threads)"
  echo "   wake-ups: $(get wakeups_s)/s voluntary context switches ($(get involuntary_s)/s involuntary)"
  if $perf_ok; then
    echo "   perf stat: $(get perf_cs_s) context switches/s, task-clock $(get perf_cpu_pct) % of one core"
  fi
  echo "   strace -c -f, $seconds s: $(get syscalls_s) system calls/s; poll+ppoll $(get poll_s)/s;" \
    "fsync+fdatasync $(get fsync_s)/s; openat $(get openat_s)/s; unlink $(get unlink_s)/s"
  results+=("| $scenario | $(get cpu_pct) % | $(get wakeups_s)/s | $(get poll_s)/s | $(get fsync_s)/s | $(get syscalls_s)/s |")
done

echo
echo "$(nproc) cores, $(uname -r), $(. /etc/os-release && echo "$PRETTY_NAME"); windows of $seconds s"
echo "| scenario | CPU of one core | wake-ups (voluntary context switches) | poll+ppoll | fsync+fdatasync | system calls |"
echo "|---|---|---|---|---|---|"
printf '%s\n' "${results[@]}"
