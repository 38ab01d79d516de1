#!/bin/sh
# Tarvelo.exe's import table holds only what its first window needs. The
# libraries named after the program are delay-loaded (at their first call):
# in the import table the loader would map and initialise them, and
# everything they import, before every start.
set -eu
exe="$1"
shift
imports=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z')
if ! echo "$imports" | grep -qx "user32.dll"; then
  echo "no import table read from $exe"
  exit 1
fi
status=0
for name in "$@"; do
  dll="$name.dll"
  if echo "$imports" | grep -qx "$dll"; then
    echo "$dll is in the import table (loaded at every start)"
    status=1
  fi
  # Still linked: its delay-load descriptor names it.
  if ! grep -qai "$dll" "$exe"; then
    echo "$dll is not referenced at all"
    status=1
  fi
done
[ "$status" -eq 0 ] && echo "delay-loaded: $*"
exit "$status"
