#!/usr/bin/env bash
# bench/WebBench.cpp natively (g++ -O2, as the Release build) and in WebAssembly under Node (em++
# with the module's -Os), one after the other on the same machine. Figures in bench/README.md.
#   bench/web.sh [OUT_DIR]     (default build-bench-web)
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build-bench-web}
mkdir -p "$out/compat"
sources=(bench/WebBench.cpp engine/current/*.cpp formats/*.cpp engine/UNumText.cpp engine/UIniText.cpp)
# nlohmann-json through a folder of its own, so that no other host header reaches em++.
ln -sfn /usr/include/nlohmann "$out/compat/nlohmann"
g++ -std=c++20 -O2 -DNDEBUG -I. "${sources[@]}" -o "$out/web-bench-native"
NODE_PATH=/usr/share/nodejs em++ -std=c++20 -Os -DNDEBUG -DJSON_NOEXCEPTION -Iweb/compat -I. \
  -isystem "$out/compat" "${sources[@]}" -sALLOW_MEMORY_GROWTH=1 -sENVIRONMENT=node -o "$out/web-bench.cjs"
echo "native:"
"$out/web-bench-native"
echo "WebAssembly, $(node --version):"
node "$out/web-bench.cjs"
