#!/usr/bin/env bash
# Configures and builds one flavour of the project.
# usage: build.sh release|sanitize
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=${CAPTIONEER_JOBS:-$(nproc)}

case "${1:-release}" in
  release)
    cmake -S "$root" -B "$root/build/release" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=g++ >/dev/null
    cmake --build "$root/build/release" -j "$jobs"
    ;;
  sanitize)
    cmake -S "$root" -B "$root/build/sanitize" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
      -DCAPTIONEER_SANITIZE=ON -DCAPTIONEER_BENCH=OFF >/dev/null
    cmake --build "$root/build/sanitize" -j "$jobs"
    ;;
  *)
    echo "usage: build.sh release|sanitize" >&2
    exit 2
    ;;
esac
