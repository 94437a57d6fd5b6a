#!/usr/bin/env bash
# Redraws the page pictures in this folder: builds the drawing program and runs it.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="${BUILD_DIR:-$here/../build}"
cmake --build "$build" --target qorix-draw-assets
"$build/qorix-draw-assets" "$here"
