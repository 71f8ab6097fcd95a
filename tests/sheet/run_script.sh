# Runs one sheet script through `velko sheet --script SCRIPT` and checks the
# outcome its directives ask for. Usage: run_script.sh VELKO SCRIPT WORKDIR
#
# Directives are comment lines of the script starting "#!" (the script
# language skips them as comments); @WORK@ stands for the scratch folder:
#   #! exit N               the run's exit status (default 0)
#   #! stderr TEXT          TEXT appears in the run's error output
#   #! stdout TEXT          TEXT appears in its output
#   #! args ARGS...         more arguments for the run
#   #! before ARGS...       an earlier `velko sheet ARGS` that must succeed
#   #! patch FILE AT VALUE  a little-endian int32 written into FILE at byte AT
#   #! zeros FILE N         FILE made of N zero bytes
#   #! same FILE1 FILE2     afterwards, the two files are byte for byte equal
#   #! absent FILE          afterwards, FILE does not exist
# The preparations (before, patch, zeros) run in the order written.
set -u
velko=$1
script=$2
work=$3
rm -rf "$work" && mkdir -p "$work"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

expand() { printf '%s' "${1//@WORK@/$work}"; }

int32_le() {
  local v=$(( $1 & 0xFFFFFFFF ))
  printf "\\x$(printf %02x $((v & 255)))\\x$(printf %02x $(((v >> 8) & 255)))\\x$(printf %02x $(((v >> 16) & 255)))\\x$(printf %02x $(((v >> 24) & 255)))"
}

status=0
args=()
checks=()
while IFS= read -r line; do
  [[ $line == '#!'* ]] || continue
  read -r word rest <<<"${line#\#!}"
  rest=$(expand "$rest")
  case $word in
    exit) status=$rest ;;
    stderr | stdout | same | absent) checks+=("$word $rest") ;;
    args) read -r -a more <<<"$rest"; args+=("${more[@]}") ;;
    before)
      read -r -a more <<<"$rest"
      "$velko" sheet "${more[@]}" >"$work/before.out" 2>"$work/before.err" ||
        fail "preparation 'velko sheet $rest' failed: $(cat "$work/before.err")" ;;
    patch)
      read -r file at value <<<"$rest"
      int32_le "$value" | dd of="$file" bs=1 seek="$at" conv=notrunc status=none || fail "cannot patch $file" ;;
    zeros)
      read -r file count <<<"$rest"
      mkdir -p "$(dirname "$file")" && head -c "$count" /dev/zero >"$file" ;;
    *) fail "unknown directive '#! $word'" ;;
  esac
done <"$script"

"$velko" sheet --script "$script" "${args[@]}" >"$work/stdout" 2>"$work/stderr"
got=$?
[ "$got" = "$status" ] || fail "exit status $got, expected $status; stderr: $(cat "$work/stderr")"

for check in "${checks[@]}"; do
  read -r word rest <<<"$check"
  case $word in
    stderr) grep -qF -- "$rest" "$work/stderr" || fail "stderr lacks '$rest': $(cat "$work/stderr")" ;;
    stdout) grep -qF -- "$rest" "$work/stdout" || fail "stdout lacks '$rest': $(head -c 2000 "$work/stdout")" ;;
    same) read -r a b <<<"$rest"; cmp -s "$a" "$b" || fail "$a and $b differ" ;;
    absent) [ ! -e "$rest" ] || fail "$rest exists" ;;
  esac
done

if [ "$failures" = 0 ]; then echo "all checks passed"; exit 0; fi
echo "$failures checks failed" >&2
exit 1
