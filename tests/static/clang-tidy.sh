#!/usr/bin/env bash
# clang-tidy, with the checked-in .clang-tidy, over the program's own sources; any finding fails.
#   clang-tidy.sh <source folder> <build folder with compile_commands.json>
set -euo pipefail
source_dir=$1
build=$2
cd "$source_dir"
find core ui app -name '*.cpp' -print0 |
    xargs -0 -n 1 -P "$(nproc)" clang-tidy -p "$build" --quiet
echo "clang-tidy: no findings"
