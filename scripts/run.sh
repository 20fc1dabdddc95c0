#!/usr/bin/env bash
# The main job: builds captioneer and runs it. Without arguments it shows a
# message dialog translated by a German TCaptioneer and prints what the user
# saw; any arguments go to captioneer as they are.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" release >/dev/null
if (($# == 0)); then set -- show --language lnGerman --buttons yes,no,cancel "Save changes?"; fi
exec "$root/build/release/apps/captioneer/captioneer" "$@"
