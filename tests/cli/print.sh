# velko print and velko decode end to end on a small user picture with every
# coder, and the exit status of each refusal.
source "$(dirname "$0")/lib.bash" "$@"

# A 64x16 picture: left half red, right half white.
{
  printf 'P6\n64 16\n255\n'
  for _ in $(seq 16); do
    for _ in $(seq 32); do printf '\xff\x00\x00'; done
    for _ in $(seq 32); do printf '\xff\xff\xff'; done
  done
} >"$work/page.ppm"

for coder in quick fine fine2 mono mh; do
  expect_status 0 "$velko" print "$work/page.ppm" -o "$work/$coder.vpd" --coder "$coder"
  expect_status 0 "$velko" decode "$work/$coder.vpd" -o "$work/$coder.png"
  size=$(pngtopnm "$work/$coder.png" | head -2 | tail -1)
  [ "$size" = "64 16" ] || fail "$coder: decoded page is '$size', expected '64 16'"
done

# Without conversion the fine coder keeps pure red and white exactly: the
# decoded page is the input.
expect_status 0 "$velko" print "$work/page.ppm" -o "$work/raw.vpd" --coder fine --no-convert
expect_status 0 "$velko" decode "$work/raw.vpd" -o "$work/raw.png"
pngtopnm "$work/raw.png" | tail -c $((64 * 16 * 3)) >"$work/raw.rgb"
tail -c $((64 * 16 * 3)) "$work/page.ppm" >"$work/in.rgb"
cmp -s "$work/raw.rgb" "$work/in.rgb" || fail "fine --no-convert did not give back the picture"

# Refusals: --tiff needs MH lines (2), a picture that is not one (1), a
# file that is not printer data (2); nothing is written by a refused run.
expect_status 2 "$velko" print "$work/page.ppm" -o "$work/x.vpd" --coder fine --tiff "$work/x.tif"
printf 'P6\n64 16\n255\n\x00' >"$work/cut.ppm"
expect_status 1 "$velko" print "$work/cut.ppm" -o "$work/y.vpd"
expect_stderr "cut.ppm"
expect_status 2 "$velko" decode "$work/page.ppm" -o "$work/z.png"
for f in x.vpd x.tif y.vpd z.png; do [ -e "$work/$f" ] && fail "$f was written"; done

finish
