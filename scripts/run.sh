#!/usr/bin/env bash
# Installs what is missing, builds Kirvos and runs its main job on the bundled example project.
# The desktop program does not exist yet: until it does, this designs the three-span roof example
# with the command line, prints its sheet parts with their governing checks and writes the report
# (plain text and RTF) and the results (JSON) into the build folder.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$top/build
bash "$top/scripts/install-deps.sh"
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j"$(nproc)"
example=$top/examples/roof_three_spans.ws1
out=$build/roof_three_spans
"$build/bin/kirvos-cli" design "$example" --json "$out.json" --report "$out-report.txt"
"$build/bin/kirvos-cli" design "$example" --report "$out-report.rtf" > /dev/null
echo
echo "Report: $out-report.txt (and $out-report.rtf); results as JSON: $out.json"
