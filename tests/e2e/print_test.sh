#!/usr/bin/env bash
# "Imprimir" end to end on a real spooler (scripts/print-spooler): the Print tests of e2e_tests
# drive the program (Cancel, then OK on the decorated February 2024), then the one PDF that came
# out is checked with poppler: one A4 page in landscape, the title as text, and the page drawn
# with the sheet at 1:1 close to the program's own image of the sheet.
#   print_test.sh <wine> <e2e_tests.exe>
set -uo pipefail
source "$(dirname "$0")/../../scripts/print-spooler"

fail() {
    echo "print test: $*"
    exit 1
}

if [ "$(id -u)" -ne 0 ]; then
    echo "print test: skipped, cups-pdf writes only for a scheduler run by root"
    exit 0
fi
check=$(mktemp -d /tmp/almanaque-print.XXXXXX)
trap 'print_spooler_stop; rm -rf "$check"' EXIT
print_spooler_start || fail "the scheduler did not start"
touch "$check/start"
ALMANAQUE_PRINT_CHECK="Z:${check//\//\\}" "$@" --gtest_filter='Print.*' || fail "driving failed"
print_spooler_wait_idle || fail "the queue did not empty"

mapfile -t printed < <(find ~/PDF -maxdepth 1 -name '*.pdf' -newer "$check/start")
[ "${#printed[@]}" -eq 1 ] || fail "one PDF expected, ${#printed[@]} found: ${printed[*]}"
pdf=${printed[0]}
trap 'print_spooler_stop; rm -rf "$check" "$pdf"' EXIT
info=$(pdfinfo "$pdf")
grep -Eq '^Title: +Almanaque - Febrero 2024$' <<<"$info" || fail "not the sheet's job: $info"
grep -Eq '^Pages: +1$' <<<"$info" || fail "not one page: $info"
grep -Eq '^Page size: +595(\.[0-9]+)? x 842(\.[0-9]+)? pts \(A4\)' <<<"$info" || fail "not A4: $info"
grep -Eq '^Page rot: +90$' <<<"$info" || fail "not landscape: $info"
pdftotext "$pdf" - | grep -q "Febrero 2024" || fail "no title text"

# The queue has no margins, so the sheet fills the page's height: 2479 pixels at 300 dpi, drawn
# 1:1 (794 pixels high) at 794 / 2479 * 300 pixels per inch.
pdftoppm -png -singlefile -r 96.087 "$pdf" "$check/page"
convert "$check/page.png" -gravity center -crop 1122x794+0+0 +repage -scale 12.5% "$check/a.png"
convert "$check/hoja.bmp" -scale 12.5% "$check/b.png"
differing=$(compare -metric AE -fuzz 20% "$check/a.png" "$check/b.png" null: 2>&1)
echo "print test: $differing of 13,860 pixels differ from the program's image"
[ "${differing%%.*}" -lt 150 ] || fail "the printed page is not the sheet"
