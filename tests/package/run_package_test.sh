#!/usr/bin/env bash
# Unpacks the release zip (built by scripts/package) into a fresh folder
# inside the Wine drive and runs the Package test of e2e_tests.exe there.
# Usage: run_package_test.sh <e2e_tests.exe> <source root>
set -euo pipefail
tests_exe=$1
root=$2
source "$root/scripts/lib.sh"

version=$(sed -n 's/^ *VALUE "ProductVersion", "\([0-9][0-9.]*\)".*/\1/p' "$root/src/resources/version.rc")
zip="$root/build/package/Tarvelo-$version-x64.zip"
[ -f "$zip" ] || { echo "package test: $zip is missing: run scripts/package first" >&2; exit 1; }

drive_c="$WINEPREFIX/drive_c"
target=$(mktemp -d "$drive_c/tarvelo-package-XXXXXX")
trap 'rm -rf "$target"' EXIT
unzip -q "$zip" -d "$target"
folder="$target/Tarvelo-$version-x64"
[ -d "$folder" ] || { echo "package test: the zip has no Tarvelo-$version-x64 folder" >&2; exit 1; }
# Nothing but the release files.
extra=$(cd "$folder" && ls -A | grep -v -x -e Tarvelo.exe -e Torvi32.dll -e README.txt -e LICENSE.txt || true)
[ -z "$extra" ] || { echo "package test: unexpected files in the zip: $extra" >&2; exit 1; }

expect_dll=0
ninja -C "$root/build/windows" -t targets all 2>/dev/null | grep -q '^Torvi32\(\.dll\)\?:' && expect_dll=1

export TARVELO_PACKAGE_DIR="C:\\${target#"$drive_c/"}\\Tarvelo-$version-x64\\"
export TARVELO_PACKAGE_DIR="${TARVELO_PACKAGE_DIR//\//\\}"
export TARVELO_PACKAGE_VERSION=$version TARVELO_PACKAGE_EXPECT_DLL=$expect_dll
out=$(wine "$tests_exe" --gtest_filter='Package.*' 2>&1) && status=0 || status=$?
echo "$out"
# A run that selected or ran nothing is a failure, not a pass.
echo "$out" | grep -q '^\[  PASSED  \] 1 test' || status=1
exit $status
