#!/usr/bin/env bash
# Fails when a tracked C++ source differs from .clang-format, so the formatting cannot drift.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
if ! command -v clang-format >/dev/null; then
    echo "clang-format not found: skipping the format check."
    exit 0
fi
cd "$here"
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
echo "Format check: every tracked source matches .clang-format."
