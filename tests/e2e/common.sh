# Shared by the end-to-end scripts: sourced after their arguments are read.
fail() { echo "FAIL: $*" >&2; exit 1; }
# wait_until SECONDS COMMAND...: polls the command until it succeeds; false after SECONDS.
# Every wait polls with a generous deadline, so a slow machine only makes the test slower.
wait_until() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.2
  done
}
