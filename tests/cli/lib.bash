# Shared by the command-line test scripts: usage is
#   source lib.bash "$@"   (arguments: path of velko, a scratch folder)
set -u
velko=$1
work=$2
rm -rf "$work" && mkdir -p "$work"
failures=0

fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# expect_status CODE CMD...: runs CMD, keeps its stderr in $work/stderr.
expect_status() {
  local want=$1; shift
  "$@" >"$work/stdout" 2>"$work/stderr"
  local got=$?
  [ "$got" = "$want" ] || fail "'$*' exited $got, expected $want: $(cat "$work/stderr")"
}

expect_stderr() {
  grep -qF -- "$1" "$work/stderr" || fail "stderr lacks '$1': $(cat "$work/stderr")"
}

# bytes_at FILE OFFSET COUNT: the bytes as decimal numbers, space separated.
bytes_at() {
  od -An -tu1 -j "$2" -N "$3" "$1" | xargs
}

finish() {
  if [ "$failures" = 0 ]; then echo "all checks passed"; exit 0; fi
  echo "$failures checks failed" >&2
  exit 1
}
