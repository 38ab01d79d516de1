# Shared by the scripts: paths, the project's own Wine prefix, Xvfb.
# Source it; it defines functions and never changes the caller's options.

TARVELO_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="${TARVELO_WINEPREFIX:-$TARVELO_ROOT/build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEARCH=win64
# No Gecko or Mono installers: the program needs neither.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree=;mshtml=}"

# True when every tool the build and the tests need is present.
tarvelo_have_tools() {
  command -v cmake >/dev/null && command -v ninja >/dev/null &&
  command -v x86_64-w64-mingw32-g++-posix >/dev/null && command -v wine >/dev/null &&
  command -v Xvfb >/dev/null && command -v import >/dev/null &&
  [ -d /usr/src/googletest ] && locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'
}

tarvelo_ensure_tools() {
  tarvelo_have_tools || "$TARVELO_ROOT/scripts/setup"
}

# Creates the prefix once (about 15 s) and reuses it afterwards.
tarvelo_ensure_prefix() {
  if [ -f "$WINEPREFIX/.tarvelo-ready-2" ]; then return 0; fi
  echo "wine: creating prefix $WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  wineboot -i </dev/null >/dev/null 2>&1 || true
  wineserver -w
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  mkdir -p "$fonts"
  # Tahoma turns Japanese captions into boxes: leave it out.
  for f in /usr/share/wine/fonts/*.ttf; do
    case "$(basename "$f")" in tahoma*) ;; *) cp -f "$f" "$fonts/" ;; esac
  done
  for f in /usr/share/fonts/opentype/ipafont-gothic/*.ttf /usr/share/fonts/truetype/fonts-japanese-gothic.ttf; do
    [ -f "$f" ] && cp -fL "$f" "$fonts/" || true
  done
  local reg="$WINEPREFIX/tarvelo.reg"
  cat > "$reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"MS UI Gothic"="IPAGothic"
"MS Gothic"="IPAGothic"
"MS PGothic"="IPAPGothic"
"Meiryo"="IPAPGothic"
"Meiryo UI"="IPAPGothic"
"Yu Gothic UI"="IPAPGothic"
"BIZ UDGothic"="IPAGothic"

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]
"MS Shell Dlg"="MS UI Gothic"
"MS Shell Dlg 2"="MS UI Gothic"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\Software\Wine\Drivers]
"Audio"=""

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Default"="1280x800"
REG
  wine regedit /S "$reg" </dev/null >/dev/null 2>&1
  wine winecfg -v win10 </dev/null >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.tarvelo-ready-2"
}

# A warm server detached from every pipe: each test .exe then starts in ~0.1 s.
tarvelo_start_wineserver() {
  setsid wineserver -p 600 </dev/null >/dev/null 2>&1 &
  sleep 0.5
  wine wineboot </dev/null >/dev/null 2>&1 || true
}

tarvelo_stop_wineserver() {
  wineserver -k >/dev/null 2>&1 || true
}

# Starts Xvfb on a free display and exports DISPLAY; tarvelo_stop_xvfb ends it.
tarvelo_start_xvfb() {
  local n=${TARVELO_DISPLAY_NUMBER:-$(( 90 + RANDOM % 400 ))}
  while [ -e "/tmp/.X${n}-lock" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
  TARVELO_XVFB_PID=$!
  export DISPLAY=":$n"
  local i
  for i in $(seq 1 50); do
    [ -e "/tmp/.X11-unix/X$n" ] && return 0
    sleep 0.1
  done
  echo "xvfb: display :$n did not come up" >&2
  return 1
}

tarvelo_stop_xvfb() {
  if [ -n "${TARVELO_XVFB_PID:-}" ]; then
    kill "$TARVELO_XVFB_PID" 2>/dev/null || true
    wait "$TARVELO_XVFB_PID" 2>/dev/null || true
    TARVELO_XVFB_PID=
  fi
}

# Two small volumes for the fault suite, mapped as Wine drives: T: (another
# volume, 64 MiB) and U: (a small one the suite fills up). Needs the right
# to mount; without it the suite skips those scenarios and says so.
tarvelo_mount_fault_volumes() {
  local base="$TARVELO_ROOT/build/fault-volumes"
  mkdir -p "$base/other" "$base/full"
  local ok=1
  mountpoint -q "$base/other" || mount -t tmpfs -o size=64m tmpfs "$base/other" 2>/dev/null || ok=0
  mountpoint -q "$base/full" || mount -t tmpfs -o size=2m tmpfs "$base/full" 2>/dev/null || ok=0
  if [ "$ok" = 1 ]; then
    ln -sfn "$base/other" "$WINEPREFIX/dosdevices/t:"
    ln -sfn "$base/full" "$WINEPREFIX/dosdevices/u:"
    export TARVELO_FAULT_OTHER_DRIVE=T: TARVELO_FAULT_FULL_DRIVE=U:
  else
    echo "fault suite: WARNING: cannot mount small tmpfs volumes here; the other-volume and full-volume scenarios will be skipped" >&2
  fi
}

tarvelo_unmount_fault_volumes() {
  local base="$TARVELO_ROOT/build/fault-volumes"
  rm -f "$WINEPREFIX/dosdevices/t:" "$WINEPREFIX/dosdevices/u:"
  mountpoint -q "$base/other" && umount "$base/other" 2>/dev/null || true
  mountpoint -q "$base/full" && umount "$base/full" 2>/dev/null || true
}
