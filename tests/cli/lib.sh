# Shared by the CLI test scripts: `source "$(dirname "$0")/lib.sh"` after setting -u.
# Arguments of every script: LUMIO DATA_DIR WORK_DIR.
lumio="$1"
data="$2"
work="$3"
rm -rf "$work" && mkdir -p "$work"
failures=0
checks=0

# expect_run NAME EXPECTED_EXIT EXPECTED_OUTPUT_PATTERN COMMAND...: runs the command, checks the exit
# code and that stdout+stderr match the extended regular expression.
expect_run() {
  local name="$1" want_exit="$2" pattern="$3"
  shift 3
  local output status
  output="$("$@" 2>&1)"
  status=$?
  checks=$((checks + 1))
  if [ "$status" -ne "$want_exit" ]; then
    echo "FAIL $name: exit $status, expected $want_exit"; echo "$output" | sed 's/^/    /'
    failures=$((failures + 1))
  elif ! printf '%s\n' "$output" | grep -Eq -- "$pattern"; then
    echo "FAIL $name: output does not match /$pattern/"; echo "$output" | sed 's/^/    /'
    failures=$((failures + 1))
  fi
}

finish() {
  echo "$((checks - failures)) passed, $failures failed"
  [ "$failures" -eq 0 ]
}
