#!/usr/bin/env bash
# Builds and runs every test twice: a normal build (g++), then a build with
# AddressSanitizer and UndefinedBehaviorSanitizer (clang), where any report,
# leaks included, fails the run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=${CAPTIONEER_JOBS:-$(nproc)}
"$root/scripts/setup.sh"

echo "== normal build"
"$root/scripts/build.sh" release
(cd "$root/build/release" && ctest --output-on-failure -j "$jobs")

echo "== sanitizer build"
"$root/scripts/build.sh" sanitize
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
(cd "$root/build/sanitize" && ctest --output-on-failure -j "$jobs")
