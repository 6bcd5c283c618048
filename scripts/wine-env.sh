# Sourced by the test and run scripts: a Wine prefix under the build folder, a private X
# server when needed, and a warmed persistent wineserver.
BUILD_DIR=${BUILD_DIR:-build}
export WINEPREFIX="$(cd "$BUILD_DIR" && pwd)/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEARCH=win32

XVFB_PID=
start_xvfb() {
  local n=90
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.05; done
  export DISPLAY=":$n"
}
stop_xvfb() {
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
}

# Call with DISPLAY set: a prefix created without a display leaves later processes unable to
# create windows until the server restarts.
start_wine() {
  # wineserver -p silently does nothing for a missing prefix folder.
  mkdir -p "$WINEPREFIX"
  # Wine's helper processes must not inherit our pipes, or whoever reads them waits forever.
  # It fails when a server already runs for the prefix, which is just as good.
  wineserver -p </dev/null >/dev/null 2>&1 || true
  wine wineboot </dev/null >/dev/null 2>&1
  if [ ! -f "$WINEPREFIX/.ready" ]; then
    # Xvfb has no window manager: without this Wine waits about 2 s whenever a window closes.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f </dev/null >/dev/null 2>&1
    touch "$WINEPREFIX/.ready"
  fi
  # The first window on a display starts Wine's desktop process. Started here it holds none
  # of our pipes; started by a test it would keep CTest waiting for that test until its timeout.
  wine rundll32.exe user32.dll,GetDesktopWindow </dev/null >/dev/null 2>&1 || true
}
