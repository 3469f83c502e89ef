#!/bin/sh
# Builds the RTF reader's libFuzzer target (the codec sources only, no widgets) and runs it
# over the seed corpus.
#   fuzz/run-fuzzer.sh [SECONDS]      (default 600)
# New inputs go to a working corpus in the build folder, so the repository's seed corpus stays small.
set -eu

seconds=${1:-600}
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
out=${FUZZ_BUILD_DIR:-$root/build-fuzz}

if ! command -v clang++ >/dev/null 2>&1 \
    || ! ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1; then
    apt-get update
    apt-get install -y --no-install-recommends clang libclang-rt-14-dev
fi

mkdir -p "$out/corpus" "$out/artifacts"
# shellcheck disable=SC2046
clang++ -std=c++17 -g -O1 -fPIC -fno-omit-frame-pointer \
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -I"$root/src" $(pkg-config --cflags Qt6Gui) \
    "$root"/src/textpad/rtf/rtf*.cpp "$root"/src/textpad/rtf/textdocument*.cpp \
    "$here/rtf_fuzzer.cpp" \
    -o "$out/rtf_fuzzer" $(pkg-config --libs Qt6Gui)

# Leaks inside Qt's one-time initialisation are not the reader's.
ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0} \
    "$out/rtf_fuzzer" -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$out/artifacts/" "$out/corpus" "$here/corpus/rtf"
