#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Whole-program start-up benchmark: the bare engine program (bare_webengine) against the browser
# (webviewer). Each run measures the time from process start to the program's "ready" line (the
# first about:blank complete) and the peak resident memory of its whole process tree, engine
# helper processes included. The two programs take turns so background load hits both alike.
#
# Usage: bench/startup/run-startup-bench.sh [runs]        (default 10 runs of each)
#   BUILD_DIR   where both programs are (default: build/ of the repository)
# Without a display it runs itself under xvfb-run.
set -euo pipefail

runs=${1:-10}
script_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build_dir=${BUILD_DIR:-$script_dir/../../build}
programs=(bare_webengine webviewer)
timeout_s=60
target_ratio=1.2

if [[ -z ${DISPLAY:-} ]]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

for program in "${programs[@]}"; do
    if [[ ! -x $build_dir/$program ]]; then
        echo "missing $build_dir/$program: build it first" >&2
        exit 1
    fi
done

# The engine refuses to run as root with its sandbox on.
if [[ $(id -u) == 0 ]]; then
    export QTWEBENGINE_DISABLE_SANDBOX=1
fi
# Both programs quit right after printing "ready" (src/app/startupprobe.h).
export WEBVIEWER_PROBE=quit

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
page_kb=$(($(getconf PAGESIZE) / 1024))
# A descriptor that never has data: `read -t` on it is a sleep without starting a process, so
# sampling does not disturb what it measures.
exec {idle_fd}<> <(:)

# Sets tree_kb to the resident memory of process $1 and all its descendants, in kB.
tree_rss() {
    local -a queue=("$1") kids
    local pid resident children
    tree_kb=0
    while ((${#queue[@]})); do
        pid=${queue[0]}
        queue=("${queue[@]:1}")
        if read -r _ resident _ 2>/dev/null < "/proc/$pid/statm"; then
            tree_kb=$((tree_kb + resident * page_kb))
        fi
        for children in /proc/"$pid"/task/*/children; do
            if read -r -a kids 2>/dev/null < "$children"; then
                queue+=("${kids[@]}")
            fi
        done
    done
}

# Microseconds since the epoch, from bash's own clock.
now_us() { now=${EPOCHREALTIME/[.,]/}; }

# One run of program $1: sets run_ms (start to "ready") and run_kb (peak tree memory).
measure() {
    local program=$1 start pid peak=0 deadline ready_us
    rm -f "$tmp/ready"
    now_us
    start=$now
    "$build_dir/$program" 2>/dev/null > >(
        while IFS= read -r line; do
            if [[ $line == ready && ! -e $tmp/ready ]]; then
                echo "${EPOCHREALTIME/[.,]/}" > "$tmp/ready"
            fi
        done
    ) &
    pid=$!
    deadline=$((start + timeout_s * 1000000))
    while kill -0 "$pid" 2>/dev/null; do
        tree_rss "$pid"
        ((tree_kb > peak)) && peak=$tree_kb
        now_us
        if ((now > deadline)); then
            kill "$pid" 2>/dev/null || true
            break
        fi
        read -r -t 0.01 -u "$idle_fd" || true
    done
    wait "$pid" || true
    if ! read -r ready_us 2>/dev/null < "$tmp/ready"; then
        echo "$program did not print \"ready\" within ${timeout_s} s" >&2
        exit 1
    fi
    run_ms=$(((ready_us - start) / 1000))
    run_kb=$peak
}

median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

declare -A times memories
echo "Warming up (one uncounted run each)..."
for program in "${programs[@]}"; do
    measure "$program"
done
for ((i = 1; i <= runs; i++)); do
    for program in "${programs[@]}"; do
        measure "$program"
        times[$program]+="$run_ms "
        memories[$program]+="$run_kb "
        printf 'run %2d  %-15s %6d ms  %8d kB\n' "$i" "$program" "$run_ms" "$run_kb"
    done
done

declare -A median_ms median_kb
echo
printf '%-15s %18s %22s\n' program "median start (ms)" "median peak tree (MB)"
for program in "${programs[@]}"; do
    # shellcheck disable=SC2086 # the lists are space-separated numbers
    median_ms[$program]=$(median ${times[$program]})
    # shellcheck disable=SC2086
    median_kb[$program]=$(median ${memories[$program]})
    printf '%-15s %18s %22s\n' "$program" "${median_ms[$program]}" \
        "$(awk -v kb="${median_kb[$program]}" 'BEGIN { printf "%.1f", kb / 1024 }')"
done
awk -v t1="${median_ms[webviewer]}" -v t0="${median_ms[bare_webengine]}" \
    -v m1="${median_kb[webviewer]}" -v m0="${median_kb[bare_webengine]}" -v target="$target_ratio" '
    BEGIN {
        rt = t1 / t0; rm = m1 / m0
        printf "ratio webviewer / bare_webengine: time %.2f, memory %.2f (target at most %.1f): %s\n",
               rt, rm, target, (rt <= target && rm <= target) ? "within target" : "over target"
    }'
