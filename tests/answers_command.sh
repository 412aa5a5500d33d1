#!/usr/bin/env bash
# --answers hands the desktop the answer key's file:// address and exits: under a real X server,
# with a stand-in xdg-open on PATH that writes down what it was given. Run from the build tree it
# opens the key the build left beside the program, even with no home directory to copy it into.
# Where the key cannot be shown, with no opener or no display at all, it says so on standard error
# with the key's path and exits with status 1.
#   answers_command.sh PROGRAM
set -euo pipefail
program="$1"
key="$(cd "$(dirname "$program")" && pwd -P)/organic-acid-preparations-answers.pdf"
scratch="$(mktemp -d)"
xvfb=""
cleanup() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT
fail() { echo "answers_command: $*" >&2; exit 1; }

n=90
while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.05; done
[ -e "/tmp/.X11-unix/X$n" ] || fail "Xvfb did not start"

mkdir -p "$scratch/bin" "$scratch/empty" "$scratch/home"
mkdir -m 700 "$scratch/runtime"
cat >"$scratch/bin/xdg-open" <<'STUB'
#!/bin/sh
printf '%s\n' "$@" >"$OPENED"
STUB
chmod +x "$scratch/bin/xdg-open"

# Runs `--answers` and the options in `extra` with nothing in its environment but the given
# variables and nothing installed; sets `status`.
extra=()
run() {
  status=0
  env -i XDG_DATA_DIRS="$scratch/empty" XDG_DATA_HOME="$scratch/empty" \
    XDG_RUNTIME_DIR="$scratch/runtime" OPENED="$scratch/opened" "$@" "$program" --answers \
    "${extra[@]}" >"$scratch/out" 2>"$scratch/err" || status=$?
}

# No home directory at all: the key opens where the build left it, and nothing is written.
run PATH="$scratch/bin" DISPLAY=":$n" HOME="$scratch/no-home"
[ "$status" -eq 0 ] || fail "exit status $status: $(cat "$scratch/err")"
for _ in $(seq 100); do [ -s "$scratch/opened" ] && break; sleep 0.05; done
opened="$(cat "$scratch/opened" 2>/dev/null || true)"
[ "$opened" = "file://$key" ] || fail "the desktop was given '$opened', not file://$key"
pdfinfo "$key" | grep -q "Title: *Παρασκευές οργανικών οξέων — Λύσεις" || fail "$key is not the key"
[ -e "$scratch/no-home" ] && fail "a home directory was made"
[ -s "$scratch/out" ] && fail "printed: $(cat "$scratch/out")"

# In English, the English key.
rm -f "$scratch/opened"
extra=(--language en)
run PATH="$scratch/bin" DISPLAY=":$n" HOME="$scratch/no-home"
[ "$status" -eq 0 ] || fail "in English: exit status $status: $(cat "$scratch/err")"
for _ in $(seq 100); do [ -s "$scratch/opened" ] && break; sleep 0.05; done
opened="$(cat "$scratch/opened" 2>/dev/null || true)"
[ "$opened" = "file://${key%.pdf}-en.pdf" ] || fail "in English the desktop was given '$opened'"
pdfinfo "${key%.pdf}-en.pdf" | grep -q "Title: *Preparations of carboxylic acids — Answers" ||
  fail "${key%.pdf}-en.pdf is not the English key"
extra=()

# Where the key cannot be shown, its path is on standard error: nothing on PATH can open it; or
# no display at all, where the stand-in opener is given nothing.
refused() {
  [ "$status" -eq 1 ] || fail "$1: exit status $status: $(cat "$scratch/err")"
  grep -qF " $key" "$scratch/err" || fail "$1: it said '$(cat "$scratch/err")'"
  [ -s "$scratch/out" ] && fail "$1: printed $(cat "$scratch/out")"
  [ -e "$scratch/opened" ] && fail "$1: the desktop was given $(cat "$scratch/opened")"
  return 0
}
rm -f "$scratch/opened"
run PATH="$scratch/empty" DISPLAY=":$n" HOME="$scratch/home"
refused "no opener"
run PATH="$scratch/bin" HOME="$scratch/home"
refused "no display"
exit 0
