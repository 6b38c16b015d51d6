#!/usr/bin/env bash
# Builds the consumer project against the library as a user gets it, and runs it:
#   run.sh BUILD_DIR CXX_FLAGS          installed into a temporary prefix (cmake --install);
#   run.sh BUILD_DIR CXX_FLAGS CPACK    from the Debian packages (cpack -G DEB), unpacked
#                                       with dpkg-deb -x into a temporary root; the unpacked
#                                       demo host then prints its summary as well.
set -euo pipefail
build_dir=$1
cxx_flags=${2:-}
cpack=${3:-}
source_dir=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if [ -n "$cpack" ]; then
    (cd "$build_dir" && "$cpack" -G DEB -B "$work/packages" >/dev/null)
    for package in libkorvexdatabase1 libkorvexdatabase-dev korvexdatabase-tools; do
        dpkg-deb -x "$work/packages/${package}_"*.deb "$work/root"
    done
    prefix=$work/root/usr
else
    cmake --install "$build_dir" --prefix "$work/prefix" >/dev/null
    prefix=$work/prefix
fi
cmake -S "$source_dir" -B "$work/build" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" \
    -DCMAKE_CXX_FLAGS="$cxx_flags" -DCMAKE_EXE_LINKER_FLAGS="$cxx_flags" >/dev/null
cmake --build "$work/build" >/dev/null
export QT_QPA_PLATFORM=offscreen
LD_LIBRARY_PATH="$prefix/lib:${LD_LIBRARY_PATH:-}" "$work/build/consumer"
if [ -n "$cpack" ]; then
    "$prefix/bin/korvex-host" --summary
fi
