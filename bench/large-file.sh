#!/bin/sh
# Opens a very large plain file in the text pad and times each step a user takes (see
# bench/largefile_bench.cpp).   bench/large-file.sh [MEGABYTES]   (default 200)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=${BUILD_DIR:-$(dirname "$here")/build}
cmake --build "$build" --target largefile_bench
exec "$build/bench/largefile_bench" "${1:-200}"
