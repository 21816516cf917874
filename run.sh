#!/usr/bin/env bash
# Installs what is missing, builds Release and starts the editor: ./run.sh [FILE]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/scripts/install-deps.sh"
build="$here/build/release"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVEL_BUILD_TESTS=OFF >/dev/null
cmake --build "$build"
exec "$build/bin/tavel-editor" "$@"
