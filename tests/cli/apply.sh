# velko apply: a picture through a table, checked pixel by pixel against the
# table's own grid points, and the refusals of bad input.
source "$(dirname "$0")/lib.bash" "$@"

expect_status 0 "$velko" table -o "$work/t.rdt"
# A 2x1 PPM: black, and the grid point (16,32,48) that the lookup must return
# exactly.
printf 'P6\n2 1\n255\n\x00\x00\x00\x10\x20\x30' >"$work/in.ppm"
expect_status 0 "$velko" apply --table "$work/t.rdt" "$work/in.ppm" "$work/out.png"
# The PNG is read back with netpbm, an independent reader: both pixels are
# grid points, so they must equal the table's bytes exactly.
pngtopnm "$work/out.png" | tail -c 6 >"$work/px" || fail "output is not a readable PNG"
[ "$(bytes_at "$work/px" 0 3)" = "$(bytes_at "$work/t.rdt" 0 3)" ] || fail "black is not grid point 0"
[ "$(bytes_at "$work/px" 3 3)" = "$(bytes_at "$work/t.rdt" $((3 * (289 * 1 + 17 * 2 + 3))) 3)" ] ||
  fail "(16,32,48) is not grid point (1,2,3)"

# Bad input: a table of the wrong size, a file that is no picture, a
# truncated picture; none may leave an output behind.
head -c 100 "$work/t.rdt" >"$work/short.rdt"
expect_status 2 "$velko" apply --table "$work/short.rdt" "$work/in.ppm" "$work/bad1.png"
expect_stderr "14739 bytes, this file has 100"
printf 'hello' >"$work/text.png"
expect_status_nonzero() { "$@" >"$work/stdout" 2>"$work/stderr" && fail "'$*' succeeded"; }
expect_status_nonzero "$velko" apply --table "$work/t.rdt" "$work/text.png" "$work/bad2.png"
expect_stderr "text.png"
printf 'P6\n4 4\n255\n\x00\x00' >"$work/cut.ppm"
expect_status 1 "$velko" apply --table "$work/t.rdt" "$work/cut.ppm" "$work/bad3.png"
expect_stderr "cut.ppm"
for f in bad1 bad2 bad3; do [ -e "$work/$f.png" ] && fail "$f.png was written"; done
expect_status 2 "$velko" apply --table "$work/t.rdt" "$work/in.ppm"

finish
