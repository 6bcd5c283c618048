# Sourced by the build, test and run scripts: which build this machine can run under Wine,
# its build folder and prefix, a private X server when needed, and a warmed wineserver.
#
# The shipped programs are 32-bit and always built in $BUILD_DIR. Some machines cannot execute
# 32-bit x86 programs at all; there the tests and `make run` use an x86_64 build of the same
# sources in $BUILD_DIR/x86_64, under Wine's 64-bit loader in a 64-bit prefix of its own.
BUILD_DIR=${BUILD_DIR:-build}
WINE32_LOADER=/usr/lib/wine/wine
WINE64_LOADER=/usr/lib/wine/wine64
# What the scripts start the 64-bit loader with (see there why).
WINE64_START=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/wine64-loader.sh

die() {
  echo "error: $*" >&2
  exit 1
}

# Starting the 32-bit loader is the only reliable probe: the kernel, not the package list,
# decides whether it runs. Sets PROBE_OUTPUT to what the loader said.
can_run_i686() {
  [ -x "$WINE32_LOADER" ] || { PROBE_OUTPUT="$WINE32_LOADER is not installed"; return 1; }
  PROBE_OUTPUT=$("$WINE32_LOADER" --version 2>&1 </dev/null)
  local rc=$?
  PROBE_OUTPUT=$(printf '%s' "$PROBE_OUTPUT" | head -n1)
  [ $rc -eq 0 ] && [[ "$PROBE_OUTPUT" == wine-* ]]
}

# Sets TEST_ARCH (i686 or x86_64) and ARCH_REASON; TEST_ARCH given by the caller wins.
choose_arch() {
  case "${TEST_ARCH:-}" in
    i686 | x86_64) ARCH_REASON="forced by TEST_ARCH=$TEST_ARCH" ;;
    "")
      if can_run_i686; then
        TEST_ARCH=i686
        ARCH_REASON="this machine runs 32-bit programs ($PROBE_OUTPUT)"
      else
        TEST_ARCH=x86_64
        ARCH_REASON="this machine cannot run 32-bit programs (the 32-bit Wine loader said: ${PROBE_OUTPUT:-nothing})"
      fi
      ;;
    *) die "TEST_ARCH must be i686 or x86_64, not '$TEST_ARCH'" ;;
  esac
  export TEST_ARCH
}

# Sets ARCH_BUILD_DIR, WINEPREFIX, WINEARCH, LOADER (the Wine loader) and WINE (what starts a
# program under it) for TEST_ARCH.
use_arch() {
  if [ "$TEST_ARCH" = i686 ]; then
    ARCH_BUILD_DIR=$BUILD_DIR
    LOADER=$WINE32_LOADER
    WINE=$WINE32_LOADER
    export WINEARCH=win32
    unset WINELOADER
  else
    ARCH_BUILD_DIR=$BUILD_DIR/x86_64
    LOADER=$WINE64_LOADER
    WINE=$WINE64_START
    export WINEARCH=win64
    export WINELOADER=$WINE64_LOADER
  fi
  mkdir -p "$ARCH_BUILD_DIR"
  export WINEPREFIX="$(cd "$ARCH_BUILD_DIR" && pwd)/wineprefix"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  export WINE
}

# Chooses the build to run (saying which and why, after the given verb), builds the 64-bit one
# where it is chosen (the i686 build is made by `make build`), and sets up its environment.
#   select_build Testing   ->   "Testing the i686 build: this machine runs 32-bit programs (...)."
select_build() {
  choose_arch
  [ -z "${1:-}" ] || echo "$1 the $TEST_ARCH build: $ARCH_REASON."
  [ "$TEST_ARCH" = i686 ] || scripts/build.sh "$TEST_ARCH"
  use_arch
}

# The chosen loader must start, whatever the probe said (TEST_ARCH may force it).
check_loader() {
  [ -x "$LOADER" ] || die "the Wine loader $LOADER for the $TEST_ARCH build is not installed"
  local said
  said=$("$WINE" --version 2>&1 </dev/null) || die "the Wine loader $LOADER does not start: $(printf '%s' "$said" | head -n1)"
}

# A fresh, empty folder for what one run's Windows programs keep temporarily, and its Windows path
# in RUN_TEMP_WIN. What a killed run left there is removed first; EXIT traps remove it after.
# (Wine takes TEMP from the prefix's registry, not from the Unix environment: the programs that
# create the temporary folders are told the folder themselves.)
RUN_TEMP=
make_run_temp() {
  RUN_TEMP=$ARCH_BUILD_DIR/$1
  rm -rf "$RUN_TEMP"
  mkdir -p "$RUN_TEMP"
  RUN_TEMP_WIN=$("$WINE" winepath.exe -w "$RUN_TEMP" 2>/dev/null </dev/null)
  [ -n "$RUN_TEMP_WIN" ] || die "Wine could not name the folder $RUN_TEMP"
}
remove_run_temp() {
  [ -z "$RUN_TEMP" ] || rm -rf "$RUN_TEMP"
}

# STRESS=1: keeps every core busy with a busy loop while the tests run, to prove that no test
# depends on how busy the machine is. Bounded: one loop per core, ended by stop_stress (and by
# themselves after an hour at the latest).
STRESS_PIDS=()
start_stress() {
  [ "${STRESS:-0}" = 1 ] || return 0
  local cores
  cores=$(nproc)
  for _ in $(seq "$cores"); do
    timeout 3600 sh -c 'while :; do :; done' </dev/null >/dev/null 2>&1 &
    STRESS_PIDS+=($!)
  done
  echo "Under load: $cores busy loops, one per core, for the length of the run."
}
stop_stress() {
  [ ${#STRESS_PIDS[@]} -eq 0 ] || kill "${STRESS_PIDS[@]}" 2>/dev/null || true
  STRESS_PIDS=()
}

XVFB_PID=
start_xvfb() {
  command -v Xvfb >/dev/null || die "Xvfb is not installed"
  local n=90
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp </dev/null >"$ARCH_BUILD_DIR/xvfb.log" 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.05; done
  [ -e "/tmp/.X11-unix/X$n" ] || die "Xvfb did not come up on :$n: $(tail -n1 "$ARCH_BUILD_DIR/xvfb.log")"
  export DISPLAY=":$n"
}
stop_xvfb() {
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
}

# Runs the chosen loader with every standard stream away from our pipes: Wine's helper
# processes inherit them, and whoever reads such a pipe waits for them forever.
wine_quiet() {
  "$WINE" "$@" </dev/null >>"$ARCH_BUILD_DIR/wine-warmup.log" 2>&1
}

# Call with DISPLAY set: a prefix created without a display leaves later processes unable to
# create windows until the server restarts.
start_wine() {
  check_loader
  # wineserver -p silently does nothing for a missing prefix folder.
  mkdir -p "$WINEPREFIX"
  : >"$ARCH_BUILD_DIR/wine-warmup.log"
  # It fails when a server already runs for the prefix, which is just as good.
  wineserver -p </dev/null >/dev/null 2>&1 || true
  # A 64-bit prefix prints that it found no syswow64\rundll32.exe: there is no 32-bit half.
  wine_quiet wineboot || die "Wine could not set up the prefix $WINEPREFIX (see $ARCH_BUILD_DIR/wine-warmup.log)"
  if [ ! -f "$WINEPREFIX/.ready" ]; then
    # Xvfb has no window manager: without this Wine waits about 2 s whenever a window closes.
    wine_quiet reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f ||
      die "Wine could not write the prefix's registry (see $ARCH_BUILD_DIR/wine-warmup.log)"
    touch "$WINEPREFIX/.ready"
  fi
  # The first window on a display starts Wine's desktop process. Started here it holds none
  # of our pipes; started by a test it would keep CTest waiting for that test until its timeout.
  wine_quiet rundll32.exe user32.dll,GetDesktopWindow ||
    die "Wine could not open a window on $DISPLAY (see $ARCH_BUILD_DIR/wine-warmup.log)"
}
