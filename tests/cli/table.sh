# velko table: the default block through the driver's table call, the .cube
# form, and the refusals of bad usage.
source "$(dirname "$0")/lib.bash" "$@"

# The default record's block (normal base, sliders 0): black and the white
# corner are known values of the pipeline.
expect_status 0 "$velko" table -o "$work/t.rdt" --cube "$work/t.cube"
[ "$(stat -c %s "$work/t.rdt")" = 14739 ] || fail "table is not 14,739 bytes"
[ "$(bytes_at "$work/t.rdt" 0 3)" = "1 0 0" ] || fail "black is not 1 0 0"
[ "$(bytes_at "$work/t.rdt" 14736 3)" = "255 254 254" ] || fail "grid point 16,16,16 is not 255 254 254"

# The .cube file: 17^3 rows after the header, red fastest, so its second row
# is grid point (1,0,0) of the table.
grep -qx 'LUT_3D_SIZE 17' "$work/t.cube" || fail "cube lacks LUT_3D_SIZE 17"
rows=$(grep -cE '^[0-9.]+ [0-9.]+ [0-9.]+$' "$work/t.cube")
[ "$rows" = 4913 ] || fail "cube has $rows rows, expected 4913"
second=$(grep -E '^[0-9.]+ [0-9.]+ [0-9.]+$' "$work/t.cube" | sed -n 2p)
read -r r g b <<<"$(bytes_at "$work/t.rdt" $((3 * 289)) 3)"
want=$(awk -v r="$r" -v g="$g" -v b="$b" 'BEGIN { printf "%.6f %.6f %.6f", r/255, g/255, b/255 }')
[ "$second" = "$want" ] || fail "cube row 2 is '$second', expected grid point (1,0,0) '$want'"

# Options override the record: documents and graphics share one base table,
# photo is a table of its own.
expect_status 0 "$velko" table --base 2 -o "$work/doc.rdt"
expect_status 0 "$velko" table --base 4 -o "$work/gfx.rdt"
expect_status 0 "$velko" table --base 3 -o "$work/photo.rdt"
cmp -s "$work/doc.rdt" "$work/gfx.rdt" || fail "base 2 and 4 differ"
cmp -s "$work/doc.rdt" "$work/photo.rdt" && fail "base 2 and 3 are the same"
# Sliders clamp: 15 is 10.
expect_status 0 "$velko" table --bright 15 -o "$work/b15.rdt"
expect_status 0 "$velko" table --bright 10 -o "$work/b10.rdt"
cmp -s "$work/b15.rdt" "$work/b10.rdt" || fail "bright 15 differs from bright 10"

# Bad usage: nothing to write, a record of the wrong size, a missing file.
expect_status 2 "$velko" table
expect_stderr "nothing to write"
head -c 100 /dev/zero >"$work/short.rec"
expect_status 2 "$velko" table --settings "$work/short.rec" -o "$work/x.rdt"
expect_stderr "3376 bytes, this file has 100"
[ -e "$work/x.rdt" ] && fail "a refused run wrote its output"
expect_status 2 "$velko" table --settings "$work/absent.rec" -o "$work/x.rdt"
expect_status 2 "$velko" table --bright twelve -o "$work/x.rdt"
# An output folder that does not exist is a failed write, not a crash.
expect_status 1 "$velko" table -o "$work/no/such/dir/t.rdt"

finish
