#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Memory and processes left by browser windows opened with Ctrl+T and closed with File > Exit
# (Ctrl+Q): runs build/window_cycles, which does that N times (default 50) in the real program and
# prints the whole process tree's resident memory and process count before and after.
#
# Usage: bench/windowcycles/run-window-cycles.sh [cycles]
#   BUILD_DIR   where window_cycles is (default: build/ of the repository)
# Without a display it runs itself under xvfb-run.
set -euo pipefail

script_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build_dir=${BUILD_DIR:-$script_dir/../../build}

if [[ -z ${DISPLAY:-} ]]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
if [[ ! -x $build_dir/window_cycles ]]; then
    echo "missing $build_dir/window_cycles: build it first" >&2
    exit 1
fi
# The engine refuses to run as root with its sandbox on.
if [[ $(id -u) == 0 ]]; then
    export QTWEBENGINE_DISABLE_SANDBOX=1
fi
"$build_dir/window_cycles" "${1:-50}" 2>/dev/null
