#!/usr/bin/env bash
# Builds the Debian package rigwright_VERSION_ARCH.deb in build/package.
# Install it with: sudo apt install ./build/package/rigwright_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B build/package -DCMAKE_BUILD_TYPE=Release -DRIGWRIGHT_TESTS=OFF "${launcher[@]}"
cmake --build build/package -j"$(nproc)"
(cd build/package && cpack -G DEB)
ls build/package/rigwright_*.deb
