#!/bin/sh
# Builds the Debian package in a fresh build directory of its own, with
# Debian's hardening flags, and checks it with lintian: errors fail, warnings
# are shown.
#
#   sh scripts/package.sh [BUILD_DIR]   (default build-package)
set -e
BUILD=${1:-build-package}
SOURCE=$(cd "$(dirname "$0")/.." && pwd)
JOBS=${JOBS:-$(nproc)}

rm -rf "$BUILD"
launcher=
command -v ccache >/dev/null && launcher=-DCMAKE_CXX_COMPILER_LAUNCHER=ccache
# Debian's compiler and linker flags, with every hardening feature. CPack
# builds only what it packs (CMAKE_SKIP_INSTALL_ALL_DEPENDENCY), not the
# tests and benchmarks.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S "$SOURCE" -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DZEK_BUILD_BENCH=OFF -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON $launcher \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
cmake --build "$BUILD" -j"$JOBS" --target zek zekrun zek_compressed_docs
(cd "$BUILD" && cpack -G DEB)

deb=$(ls "$BUILD"/zek_*.deb)
echo "Paket: $deb"
lintian --fail-on error --display-info "$deb"
