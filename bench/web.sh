#!/usr/bin/env bash
# bench/WebBench.cpp natively (g++ -O3, as the Release build) and in WebAssembly under Node (em++
# with the module's -O3 of the preset "web"), one after the other. Figures in bench/README.md.
#   bench/web.sh [OUT_DIR]     (default build-bench-web)
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build-bench-web}
mkdir -p "$out/compat"
sources=(bench/WebBench.cpp engine/current/*.cpp formats/*.cpp engine/UNumText.cpp engine/UIniText.cpp)
# nlohmann-json through a folder of its own, so that no other host header reaches em++.
ln -sfn /usr/include/nlohmann "$out/compat/nlohmann"
g++ -std=c++20 -O3 -DNDEBUG -I. "${sources[@]}" -o "$out/web-bench-native"
NODE_PATH=/usr/share/nodejs em++ -std=c++20 -O3 -DNDEBUG -fwasm-exceptions -Iweb/compat -I. \
  -isystem "$out/compat" "${sources[@]}" -fwasm-exceptions -sALLOW_MEMORY_GROWTH=1 -sENVIRONMENT=node \
  -o "$out/web-bench.cjs"
# Three rounds, each side in turn, so that a busy machine weighs on both alike.
for round in 1 2 3; do
  echo "native, round $round:"
  "$out/web-bench-native"
  echo "WebAssembly, Node $(node --version), round $round:"
  # Node's fetch cannot take a file path, which the loader tries first: without it the loader
  # reads the .wasm file.
  node --no-experimental-fetch "$out/web-bench.cjs"
  # The module as scripts/web built it, when it did.
  [ ! -f web/dist/pendra-engine.wasm ] || node bench/web-year.mjs
done
