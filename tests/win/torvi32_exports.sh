#!/bin/sh
# Torvi32.dll exports exactly its eight functions, by plain undecorated name.
set -eu
dll="$1"
expected="Torvi32FreeHBITMAP
Torvi32LoadImageToHBITMAP
Torvi32ViewerCreate
Torvi32ViewerDestroy
Torvi32ViewerDraw
Torvi32ViewerPan
Torvi32ViewerRotate
Torvi32ViewerZoom"
actual=$(x86_64-w64-mingw32-objdump -p "$dll" |
  sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | sed -n 's/^[[:space:]]*\[[[:space:]]*[0-9]*\][[:space:]]*//p' | sort)
if [ "$actual" != "$expected" ]; then
  echo "export table of $dll differs:"; echo "$actual"
  exit 1
fi
echo "8 exports, undecorated"
