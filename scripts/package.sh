#!/usr/bin/env bash
# Builds the Windows installer and the portable zip into build/dist, from a release configuration of
# their own (build/release) so that the shipped programs carry nothing that only tests use.
# Usage: scripts/package.sh
set -eu
root="$(cd "$(dirname "$0")/.." && pwd)"
jobs="${TORVA_JOBS:-2}"
build_dir="${TORVA_BUILD_DIR:-$root/build}"
release="$build_dir/release"
"$root/scripts/deps.sh"
# Test hooks off: the packaged programs ignore the variables tests use to redirect power requests.
cmake -S "$root" -B "$release" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTORVA_TEST_HOOKS=OFF \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw.cmake" >/dev/null
cmake --build "$release" -j "$jobs" --target torva_package
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$release/CMakeCache.txt")
mkdir -p "$build_dir/dist"
for kind in msi zip; do
    cp "$release/packaging/Torva-$version-x64.$kind" "$build_dir/dist/"
done
echo "Torva $version in $build_dir/dist:"
ls -l "$build_dir/dist/Torva-$version-x64.msi" "$build_dir/dist/Torva-$version-x64.zip"
echo "Files in both:"
sed 's/^/  /' "$release/packaging/manifest.txt"
