#!/usr/bin/env bash
# Lays out every C and C++ file git tracks as .clang-format says, in place; then
# scripts/lint.sh --format finds nothing. Run it with the clang-format that CI has
# (Debian 12's, 14): other versions lay a few lines out differently.
set -eu
cd "$(dirname "$0")/.."
git ls-files -z '*.c' '*.cpp' '*.h' | xargs -0 clang-format -i
