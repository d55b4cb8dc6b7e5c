#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package (CPack strips the program) and checks
# it: lintian with no error and no warning, the desktop entry, the AppStream data, the MIME
# type and the manual page.
# Usage: packaging/check-package.sh [BUILD_FOLDER]   (default: build-package, configured for a
# release build of the program only when it does not exist yet)
set -eu

source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${1:-"$source_dir/build-package"}
launcher=
if command -v ccache >/dev/null 2>&1; then
    launcher=-DCMAKE_CXX_COMPILER_LAUNCHER=ccache
fi

# A folder that is already configured (the test build) is packaged as it is, so the program
# that was tested is the one shipped and nothing is compiled twice.
if [ ! -f "$build_dir/CMakeCache.txt" ]; then
    cmake -S "$source_dir" -B "$build_dir" -DCMAKE_BUILD_TYPE=Release -DKEL_BUILD_TESTS=OFF \
        -DKEL_BUILD_BENCH=OFF $launcher >/dev/null
fi
cmake --build "$build_dir" -j"$(nproc 2>/dev/null || echo 2)"
(cd "$build_dir" && cpack -G DEB >/dev/null)
package=$(ls "$build_dir"/kel-circuit-lab_*.deb)
echo "package: $package"

staging=$(mktemp -d)
trap 'rm -rf "$staging"' EXIT
dpkg-deb -x "$package" "$staging"

lintian --fail-on error,warning --tag-display-limit 0 "$package"
desktop-file-validate "$staging/usr/share/applications/org.kelcircuitlab.Kel.desktop"
appstreamcli validate --no-net --pedantic \
    "$staging/usr/share/metainfo/org.kelcircuitlab.Kel.metainfo.xml"
xmllint --noout "$staging/usr/share/mime/packages/org.kelcircuitlab.Kel.xml"

# The manual page renders without a warning and documents every option of --help.
page="$staging/usr/share/man/man1/kel.1.gz"
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null || true)
if [ -n "$warnings" ]; then
    echo "kel.1: $warnings" >&2
    exit 1
fi
rendered=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$page" 2>/dev/null)
for option in $(QT_QPA_PLATFORM=offscreen "$build_dir/kel" --help 2>/dev/null |
                grep -o -- '--[a-z-]*' | grep -v -- '--help-all' | sort -u); do
    if ! printf '%s\n' "$rendered" | grep -q -- "$option"; then
        echo "kel.1 does not document $option" >&2
        exit 1
    fi
done
echo "package checks passed"
