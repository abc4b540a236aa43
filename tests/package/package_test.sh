#!/bin/sh
# The release package as a user gets it. CPack builds both zips into a
# folder of this test's own; the user's zip is unzipped where the path has a
# space and letters outside ASCII, its files and the programs' imports are
# checked here, and the Windows test program then starts the programs from
# that folder under Wine (on a desktop of its own, through wine-desktop-run).
#   package_test.sh CPACK CPACK_CONFIG OBJDUMP WINE_DESKTOP_RUN TEST_PROGRAM [TEST ARGUMENTS...]
set -u
cpack=$1 config=$2 objdump=$3 desktop_run=$4 program=$5
shift 5
: "${WINEPREFIX:?WINEPREFIX must name the build folder's Wine prefix}"
# Wine reads the folder's name as the system's file names are written: UTF-8.
export LC_ALL=C.UTF-8

work=$(mktemp -d "${TMPDIR:-/tmp}/qv-package.XXXXXX")
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "package: $*" >&2; failures=$((failures + 1)); }

if ! "$cpack" --config "$config" -B "$work/out" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log" >&2
  echo "package: cpack failed" >&2
  exit 1
fi
user_zip=$(find "$work/out" -maxdepth 1 -name 'quorvex-*-win64.zip')
debug_zip=$(find "$work/out" -maxdepth 1 -name 'quorvex-*-win64-debug.zip')
[ -n "$user_zip" ] && [ "$(printf '%s\n' "$user_zip" | wc -l)" -eq 1 ] || { echo "package: no single user zip" >&2; exit 1; }
[ -n "$debug_zip" ] || fail "no debug zip beside the user's"

# What the zip holds, as Windows compares names: without case.
unzip -Z1 "$user_zip" >"$work/list" || { echo "package: the zip does not read" >&2; exit 1; }
for needed in quorvex.exe quorvex-standin.exe qvtool.exe default.lng ru.lng virtual-train-controller.ml \
  virtual-train-controller.qvjoy virtual-train-controller.qvprof docs/guide.md docs/guide.html; do
  grep -qix "$needed" "$work/list" || fail "$needed is missing"
done
grep -qi '^licences/.' "$work/list" || fail "no licence texts"
for settings in default.qvjoy config.ml quorvex.debug; do
  grep -qi "\(^\|/\)$settings\$" "$work/list" && fail "the user's zip holds $settings"
done
[ -z "$debug_zip" ] || [ "$(unzip -Z1 "$debug_zip")" = quorvex.debug ] || fail "the debug zip holds more or less than quorvex.debug"

parent="$work/unzipped"
folder="$parent/Quorvex Zugführer Машинист"
mkdir -p "$folder"
unzip -q "$user_zip" -d "$folder" || { echo "package: unzip failed" >&2; exit 1; }

# Every program runs on a bare Windows: it imports only DLLs that Windows
# itself has (here, Wine's system folder), none of the compiler's runtime.
# Each is stripped; quorvex.exe keeps the link to its debug file.
system32="$WINEPREFIX/drive_c/windows/system32"
for exe in "$folder"/*.exe; do
  name=$(basename "$exe")
  "$objdump" -p "$exe" >"$work/imports" || { fail "$name does not read"; continue; }
  dlls=$(sed -n 's/^[[:space:]]*DLL Name: //p' "$work/imports")
  [ -n "$dlls" ] || fail "$name imports nothing"
  for dll in $dlls; do
    [ -n "$(find "$system32" -maxdepth 1 -iname "$dll")" ] || fail "$name imports $dll, which Windows does not have"
  done
  "$objdump" -h "$exe" | grep -q ' \.debug_' && fail "$name is not stripped"
done
"$objdump" -h "$folder/quorvex.exe" | grep -q ' \.gnu_debuglink' || fail "quorvex.exe lost its debug link"

# The guide as packed: every picture it shows is in the package, and every
# name it quotes ("Take position", "Setup") is a text of the language file it
# describes, as the user sees it (without its & and trailing colon).
guide="$folder/docs/guide.md"
if [ -f "$guide" ]; then
  for picture in $(grep -o '](pictures/[^)]*)' "$guide" | sed 's/^](//; s/)$//' | sort -u); do
    [ -f "$folder/docs/$picture" ] || fail "the guide shows $picture, which the package lacks"
  done
  sed -n 's/^ *[^ ={}][^=]*=//p' "$folder/default.lng" | tr -d '&' | tr '~' ' ' >"$work/texts"
  grep -o '"[^"]*"' "$guide" | sed 's/^"//; s/"$//' | sort -u >"$work/quoted"
  [ -s "$work/quoted" ] || fail "the guide quotes no setting"
  while IFS= read -r name; do
    grep -qF -- "$name" "$work/texts" || fail "the guide quotes \"$name\", which default.lng does not say"
  done <"$work/quoted"
fi

[ "$failures" -eq 0 ] || exit 1
# The folder's parent has an ASCII name, which reaches Wine's environment whole.
QUORVEX_PACKAGE_PARENT=$(winepath -w "$parent")
QUORVEX_PACKAGE_ZIP=$(basename "$user_zip")
export QUORVEX_PACKAGE_PARENT QUORVEX_PACKAGE_ZIP
"$desktop_run" "$program" "$@"
