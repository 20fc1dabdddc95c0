#!/usr/bin/env bash
# The main job: builds captioneer and runs it. Without arguments it prints
# the German caption dictionary; any arguments go to captioneer as they are.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" release >/dev/null
if (($# == 0)); then set -- dictionary --language lnGerman; fi
exec "$root/build/release/apps/captioneer/captioneer" "$@"
