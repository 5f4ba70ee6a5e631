#!/usr/bin/env bash
# End to end: the real aeonarium executable on an X server with a window manager, driven by
# real key events. Usage: end_to_end.sh PATH_TO_AEONARIUM
set -u
app_source=$1
work=$(mktemp -d)
passed=0
failed=0
pids=()

cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
  pkill -f "$work/aeonarium" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# A display of our own, with a window manager that focuses new windows and closes on request.
for n in $(seq 91 140); do
  [ -e "/tmp/.X$n-lock" ] || { display=":$n"; break; }
done
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 & pids+=($!)
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 & pids+=($!)
sleep 0.5

check() {  # check NAME CONDITION...
  local name=$1; shift
  if "$@"; then passed=$((passed + 1)); echo "ok: $name"
  else failed=$((failed + 1)); echo "FAILED: $name"; fi
}

# The log is written beside the executable, so every case runs a fresh copy in its own folder.
fresh_copy() {
  rm -rf "$work"/*
  cp "$app_source" "$work/aeonarium"
}

start_app() {  # start_app LOCALE; sets app_pid and main_window
  (cd "$work" && exec env LC_ALL="$1" "$work/aeonarium" >/dev/null 2>&1) &
  app_pid=$!
  main_window=$(xdotool search --sync --onlyvisible --pid "$app_pid" --name '^AEONARIUM$' | head -1)
  xdotool windowactivate --sync "$main_window" 2>/dev/null
}

dialog_window() { xdotool search --onlyvisible --name 'AEONARIUM – Fehler' 2>/dev/null | head -1; }

wait_for_dialog() {
  for _ in $(seq 50); do
    local d; d=$(dialog_window)
    if [ -n "$d" ]; then xdotool windowactivate --sync "$d" 2>/dev/null; echo "$d"; return 0; fi
    sleep 0.1
  done
  return 1
}

# Focus starts on the model selector: Tab, Tab reaches the millions box (its button is disabled).
enter_millions() {
  xdotool key --delay 30 Tab Tab
  xdotool type --delay 30 "$1"
  xdotool key --delay 30 Tab Return
}

close_and_wait() {  # close_and_wait PID WINDOW; sets exit_code
  wmctrl -i -c "$2"
  wait "$1"
  exit_code=$?
}

reports_in_log() { grep -c '^===== AEONARIUM-Fehlerbericht =====$' "$work/aeonarium.elf" 2>/dev/null || echo 0; }

# 1. Closing the window ends the program with exit code 0 and leaves no file behind.
fresh_copy
start_app de_DE.UTF-8
close_and_wait "$app_pid" "$main_window"
check "closing exits 0" test "$exit_code" -eq 0
check "closing leaves no file" test "$(ls -A "$work")" = "aeonarium"

# 2. An invalid entry shows the error dialog and writes one report.
fresh_copy
start_app de_DE.UTF-8
enter_millions x
dialog=$(wait_for_dialog)
check "invalid entry shows the dialog" test -n "$dialog"
xdotool key Return
sleep 0.5
check "one report is logged" test "$(reports_in_log)" -eq 1
check "the report names the number error" \
  grep -q "^Meldung: 'x' ist kein gültiger Gleitkommawert$" "$work/aeonarium.elf"
close_and_wait "$app_pid" "$main_window"
check "the program goes on and exits 0" test "$exit_code" -eq 0

# 3. Under en_US a valid number converts (the calendar start no longer depends on the date
#    format) and an invalid one gives the number error.
fresh_copy
start_app en_US.UTF-8
enter_millions 65
sleep 1
check "a valid number under en_US raises nothing" test -z "$(dialog_window)"
xdotool key --delay 30 shift+Tab
xdotool key --delay 30 ctrl+a
xdotool type --delay 30 "1,5"
xdotool key --delay 30 Tab Return
dialog=$(wait_for_dialog)
check "1,5 under en_US shows the dialog" test -n "$dialog"
xdotool key Return
sleep 0.5
check "en_US logs only the number error" test "$(reports_in_log)" -eq 1
check "the report quotes the entry" \
  grep -q "^Meldung: '1,5' ist kein gültiger Gleitkommawert$" "$work/aeonarium.elf"
close_and_wait "$app_pid" "$main_window"

# 4. Ten invalid entries within a minute restart the program: a fresh process, exit code 1.
fresh_copy
start_app de_DE.UTF-8
first_pid=$app_pid
enter_millions x
for i in $(seq 10); do
  [ "$i" -gt 1 ] && { xdotool windowactivate --sync "$main_window" 2>/dev/null; xdotool key Return; }
  wait_for_dialog >/dev/null || break
  xdotool key Return
  sleep 0.3
done
wait "$first_pid"
check "the old process ends with exit code 1" test $? -eq 1
new_window=$(timeout 10 xdotool search --sync --onlyvisible --name '^AEONARIUM$' | head -1)
new_pid=$(xdotool getwindowpid "$new_window" 2>/dev/null)
check "a new process shows a fresh window" test -n "$new_pid" -a "$new_pid" != "$first_pid"
check "all ten reports are logged" test "$(reports_in_log)" -eq 10
if [ -n "$new_pid" ]; then
  wmctrl -i -c "$new_window"
  for _ in $(seq 50); do kill -0 "$new_pid" 2>/dev/null || break; sleep 0.1; done
  check "the restarted program closes normally" bash -c "! kill -0 $new_pid 2>/dev/null"
fi

# 5. Without a display the program says so instead of crashing.
message=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$app_source" 2>&1)
check "no display: exit code 1" test $? -eq 1
check "no display: a clear message" grep -q "keine Anzeige erreichbar" <<<"$message"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
