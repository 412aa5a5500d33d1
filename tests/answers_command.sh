#!/usr/bin/env bash
# --answers hands the desktop the answer key's file:// address and exits: under a real X server,
# with a stand-in xdg-open on PATH that writes down what it was given; and with no opener at all
# it says nothing and exits all the same.
#   answers_command.sh PROGRAM
set -euo pipefail
program="$1"
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

mkdir -p "$scratch/bin" "$scratch/empty"
cat >"$scratch/bin/xdg-open" <<'STUB'
#!/bin/sh
printf '%s\n' "$@" >"$OPENED"
STUB
chmod +x "$scratch/bin/xdg-open"

# Run as from the build tree with nothing installed: the key is written into the cache.
run() {
  env -i PATH="$1:/usr/bin:/bin" DISPLAY=":$n" HOME="$scratch" XDG_CACHE_HOME="$scratch/cache" \
    XDG_DATA_DIRS="$scratch/empty" XDG_DATA_HOME="$scratch/empty" OPENED="$scratch/opened" \
    XDG_RUNTIME_DIR="$scratch" "$program" --answers
}

run "$scratch/bin" >"$scratch/out" 2>"$scratch/err" || fail "exit status $?: $(cat "$scratch/err")"
for _ in $(seq 100); do [ -s "$scratch/opened" ] && break; sleep 0.05; done
opened="$(cat "$scratch/opened" 2>/dev/null || true)"
case "$opened" in
  file://*/organic-acid-preparations-answers.pdf) ;;
  *) fail "the desktop was given '$opened'" ;;
esac
key="${opened#file://}"
[ -f "$key" ] || fail "$key does not exist"
pdfinfo "$key" | grep -q "Title: *Παρασκευές οργανικών οξέων — Λύσεις" || fail "$key is not the key"
[ -s "$scratch/out" ] && fail "printed: $(cat "$scratch/out")"

# Nothing on PATH can open it: nothing is said, and the program still exits at once.
rm -f "$scratch/opened"
run "$scratch/empty" >"$scratch/out" 2>"$scratch/err" || fail "exit status $? without an opener"
[ -s "$scratch/out" ] && fail "printed without an opener: $(cat "$scratch/out")"
[ -s "$scratch/err" ] && fail "said without an opener: $(cat "$scratch/err")"
exit 0
