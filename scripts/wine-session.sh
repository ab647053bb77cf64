# Sourced by the scripts that run Windows programs under wine. One prefix serves them all.
#   prepare_wine_prefix  sets the prefix up once, alone: programs that start together on a missing
#                        prefix would each begin to set it up, and one could wait for the other for good.
#   start_wine_session   starts wine's server, its services and its desktop apart from any program
#                        under test; they end when the calling script ends.
export WINEPREFIX="${WINEPREFIX:-/tmp/zor-wine}" WINEDEBUG=-all
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
# An X display of its own for programs with windows, large enough for wine's desktop below.
on_test_display=(xvfb-run -a -s "-screen 0 1920x1080x24")

prepare_wine_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Setting up the wine prefix $WINEPREFIX"
    timeout 600 "$wine" wineboot --init </dev/null >/dev/null 2>&1 || {
      echo "wine could not set up $WINEPREFIX" >&2; return 1; }
  fi
  # Windows go to a desktop of wine's own, of a common screen's size. Directly on an X display with
  # no window manager, wine waits two seconds for every window it hides.
  if ! grep -q '"Desktop"="Default"' "$WINEPREFIX/user.reg" 2>/dev/null; then
    "$wine" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f </dev/null >/dev/null 2>&1
    "$wine" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1920x1080 /f </dev/null >/dev/null 2>&1
  fi
  timeout 300 "$wineserver" -w || true
}

# Wine's server and its services outlive the program that starts them and keep that program's output
# open: ctest would wait for them as for the test itself. Started here, with no output, they hold
# nobody's output.
start_wine_session() {
  "$wineserver" -k 2>/dev/null || true
  "$wineserver" -p </dev/null >/dev/null 2>&1
  trap '"$wineserver" -k 2>/dev/null || true' EXIT
  timeout 300 "$wine" wineboot </dev/null >/dev/null 2>&1 || true
}
