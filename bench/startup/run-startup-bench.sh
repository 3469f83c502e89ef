#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Whole-program start-up benchmark: the bare engine program (bare_webengine) against the browser
# (webviewer), both given the address of a page (with a picture and a script) served on 127.0.0.1.
# Each run starts each program twice: once timed from process start to the first paint of the
# frame ("painted") and to the page loaded ("ready"), once for the peak resident memory of the
# whole process tree, engine helpers included (sampling it would slow the timed start). Then
# the hand-off: a second start of the browser giving the same address to the running one, timed
# until that page has loaded in the running frame. The programs take turns so background load
# hits both alike. Both report through WEBVIEWER_PROBE (src/app/startupprobe.h).
#
# Usage: bench/startup/run-startup-bench.sh [runs]        (default 10 runs of each)
#   BUILD_DIR   where both programs are (default: build/ of the repository)
# Without a display it runs itself under xvfb-run.
set -euo pipefail

runs=${1:-10}
script_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build_dir=${BUILD_DIR:-$script_dir/../../build}
timeout_s=60

if [[ -z ${DISPLAY:-} ]]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
for program in bare_webengine webviewer; do
    if [[ ! -x $build_dir/$program ]]; then
        echo "missing $build_dir/$program: build it first" >&2
        exit 1
    fi
done
# The engine refuses to run as root with its sandbox on.
[[ $(id -u) == 0 ]] && export QTWEBENGINE_DISABLE_SANDBOX=1

tmp=$(mktemp -d)
server_pid=
cleanup() {
    [[ -n $server_pid ]] && kill "$server_pid" 2>/dev/null
    [[ -n ${running_pid:-} ]] && kill "$running_pid" 2>/dev/null
    rm -rf "$tmp"
}
trap cleanup EXIT
# A copy of the browser keeps its data files, its remembered frame and its hand-off socket apart
# from any browser the user is running from build/.
mkdir "$tmp/bin" "$tmp/site"
cp "$build_dir/webviewer" "$build_dir/libwebviewer_engine.so" "$tmp/bin/"
programs=("$build_dir/bare_webengine" "$tmp/bin/webviewer")

# The page: a picture and a script, served by a throw-away server on 127.0.0.1.
base64 -d > "$tmp/site/dot.png" <<< \
    'iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR42mP8z8BQDwAEhQGAhKmMIQAAAABJRU5ErkJggg=='
echo 'document.getElementById("out").textContent = "script ran";' > "$tmp/site/page.js"
cat > "$tmp/site/index.html" <<'HTML'
<html><head><title>Bench page</title></head>
<body><h1>Start-up</h1><img src="dot.png" width="32" height="32"><p id="out"></p>
<script src="page.js"></script></body></html>
HTML
python3 -u -m http.server 0 --bind 127.0.0.1 --directory "$tmp/site" > "$tmp/server.log" 2>&1 &
server_pid=$!
until port=$(grep -so 'port [0-9]*' "$tmp/server.log" | cut -d' ' -f2) && [[ -n $port ]]; do
    read -r -t 0.05 < <(:) || true
done
url="http://127.0.0.1:$port/index.html"

page_kb=$(($(getconf PAGESIZE) / 1024))
exec {idle_fd}<> <(:) # `read -t` on it sleeps without starting a process

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

# Starts "$@" with its lines stamped (microseconds since the epoch) into $log; sets started, pid.
start_logged() {
    log=$1
    shift
    : > "$log"
    started=${EPOCHREALTIME/[.,]/}
    "$@" 2>/dev/null > >(while IFS= read -r line; do echo "${EPOCHREALTIME/[.,]/} $line"; done >> "$log") &
    pid=$!
}

# Milliseconds from $2 to the $3rd line reading $4 in log $1; waits for it up to the time-out.
# Reads with bash alone, so the waiting starts no process beside the one measured.
wait_line() {
    local deadline=$(($2 + timeout_s * 1000000)) seen entry
    local -a lines
    while :; do
        mapfile -t lines < "$1"
        seen=0
        for entry in "${lines[@]}"; do
            if [[ ${entry#* } == "$4" ]] && ((++seen == $3)); then
                line_ms=$(((${entry%% *} - $2) / 1000))
                return
            fi
        done
        if ((${EPOCHREALTIME/[.,]/} > deadline)); then
            echo "no \"$4\" within ${timeout_s} s" >&2
            exit 1
        fi
        read -r -t 0.005 -u "$idle_fd" || true
    done
}

# One start of program $1 to the page, timed: sets paint_ms and ready_ms. Nothing else runs
# meanwhile, since on a machine with few processors anything that does takes from the start.
measure_times() {
    start_logged "$tmp/run.log" env WEBVIEWER_PROBE=quit "$1" "$url"
    wait "$pid" || true
    wait_line "$tmp/run.log" "$started" 1 painted
    paint_ms=$line_ms
    wait_line "$tmp/run.log" "$started" 1 ready
    ready_ms=$line_ms
}

# Another start of program $1 to the page, for its memory: sets peak_kb.
measure_memory() {
    local peak=0
    start_logged "$tmp/run.log" env WEBVIEWER_PROBE=quit "$1" "$url"
    while kill -0 "$pid" 2>/dev/null; do
        tree_rss "$pid"
        ((tree_kb > peak)) && peak=$tree_kb
        # The peak comes with the loaded engine and lasts until the program quits.
        read -r -t 0.05 -u "$idle_fd" || true
    done
    wait "$pid" || true
    peak_kb=$peak
}

median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

declare -A paint ready memory
echo "Page: $url"
echo "Warming up (one uncounted run each)..."
for program in "${programs[@]}"; do measure_times "$program"; done
for ((i = 1; i <= runs; i++)); do
    for program in "${programs[@]}"; do
        measure_times "$program"
        measure_memory "$program"
        name=${program##*/}
        paint[$name]+="$paint_ms "
        ready[$name]+="$ready_ms "
        memory[$name]+="$peak_kb "
        printf 'run %2d  %-15s painted %5d ms  page %5d ms  %8d kB\n' "$i" "$name" "$paint_ms" "$ready_ms" "$peak_kb"
    done
done

# The hand-off: a running browser, then second starts that give it the page.
start_logged "$tmp/running.log" env WEBVIEWER_PROBE=serve "$tmp/bin/webviewer"
running_pid=$pid
running_started=$started
wait_line "$tmp/running.log" "$running_started" 1 ready
handoff=
for ((i = 1; i <= runs; i++)); do
    before=${EPOCHREALTIME/[.,]/}
    "$tmp/bin/webviewer" "$url" > /dev/null 2>&1
    wait_line "$tmp/running.log" "$before" $((i + 1)) ready
    handoff+="$line_ms "
    printf 'run %2d  hand-off to the running frame: page %5d ms\n' "$i" "$line_ms"
done

m() { median ${1}; } # the lists are space-separated numbers
bare_ready=$(m "${ready[bare_webengine]}")
awk -v bp="$(m "${paint[bare_webengine]}")" -v wp="$(m "${paint[webviewer]}")" \
    -v br="$bare_ready" -v wr="$(m "${ready[webviewer]}")" -v h="$(m "$handoff")" \
    -v bm="$(m "${memory[bare_webengine]}")" -v wm="$(m "${memory[webviewer]}")" '
    function verdict(r, t) { return r <= t ? "within target" : "OVER TARGET" }
    BEGIN {
        printf "\nmedians            bare_webengine   webviewer   ratio  (target)\n"
        printf "first paint (ms)   %14d %11d   %5.2f  (at most 0.5)  %s\n", bp, wp, wp / bp, verdict(wp / bp, 0.5)
        printf "page loaded (ms)   %14d %11d   %5.2f  (at most 1.1)  %s\n", br, wr, wr / br, verdict(wr / br, 1.1)
        printf "peak memory (MB)   %14.1f %11.1f   %5.2f  (at most 1.1)  %s\n", bm / 1024, wm / 1024, wm / bm, verdict(wm / bm, 1.1)
        printf "hand-off (ms)      %14d %11d   %5.2f  (at most 1.1)  %s\n", br, h, h / br, verdict(h / br, 1.1)
    }'
