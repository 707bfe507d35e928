#!/usr/bin/env bash
# "Imprimir" end to end on a spooler of its own (scripts/print-spooler): the Print tests of
# e2e_tests drive the program, then the PDFs that came out are checked with poppler: the
# sheet's job, one A4 page in landscape, the title as text, and the page drawn with the sheet at
# 1:1 close to the program's own image of it; and the two pages printed after portrait was
# chosen, both portrait.   print_test.sh <wine> <e2e_tests.exe>
set -uo pipefail
source "$(dirname "$0")/../../scripts/print-spooler"
fail() {
    echo "print test: $*"
    exit 1
}
[ "$(id -u)" -eq 0 ] || { echo "print test: skipped, cups-pdf writes only for root" && exit 0; }
check=$(mktemp -d /tmp/almanaque-print.XXXXXX)
trap 'print_spooler_stop; rm -rf "$check"' EXIT
print_spooler_start || fail "the scheduler did not start"
touch "$check/start"
ALMANAQUE_PRINT_CHECK="Z:${check//\//\\}" "$@" --gtest_filter='Print.*' || fail "driving failed"
print_spooler_wait_idle || fail "the queue did not empty"

mapfile -t printed < <(find ~/PDF -maxdepth 1 -name '*.pdf' -newer "$check/start")
trap 'print_spooler_stop; rm -rf "$check" "${printed[@]}"' EXIT
[ "${#printed[@]}" -eq 4 ] || fail "four PDFs expected, ${#printed[@]} found: ${printed[*]}"
sheet=
for pdf in "${printed[@]}"; do
    if pdfinfo "$pdf" | grep -q '^Title: *Almanaque - 2027$'; then  # the year, printed once
        info=$(pdfinfo "$pdf")
        grep -Eq '^Pages: +12$' <<<"$info" || fail "not twelve pages: $info"
        grep -Eq '^Page rot: +90$' <<<"$info" || fail "not landscape: $info"
        titles=$(pdftotext "$pdf" - | grep -oE '(Enero|Febrero|Marzo|Abril|Mayo|Junio|Julio|Agosto|Septiembre|Octubre|Noviembre|Diciembre) 2027' | tr '\n' ' ')
        [ "$titles" = "Enero 2027 Febrero 2027 Marzo 2027 Abril 2027 Mayo 2027 Junio 2027 Julio 2027 Agosto 2027 Septiembre 2027 Octubre 2027 Noviembre 2027 Diciembre 2027 " ] ||
            fail "the months out of order: $titles"
        pdftotext -f 5 -l 5 "$pdf" - | grep -q Prueba || fail "May is not from its work file"
        pdftotext -f 2 -l 2 "$pdf" - | grep -q Prueba && fail "February is not a new sheet"
    elif pdfinfo "$pdf" | grep -q '^Title: *Almanaque - Febrero 2024$'; then
        sheet=$pdf
    else  # the two pages printed after portrait was chosen
        pdfinfo "$pdf" | grep -Eq '^Page rot: +0$' || fail "not portrait: $(pdfinfo "$pdf")"
    fi
done
[ -n "$sheet" ] || fail "no PDF of the sheet: ${printed[*]}"
info=$(pdfinfo "$sheet")
for line in 'Title: +Almanaque - Febrero 2024' 'Pages: +1' 'Page size: +595 x 842 pts \(A4\)' \
    'Page rot: +90'; do
    grep -Eq "^$line\$" <<<"$info" || fail "no \"$line\" in: $info"
done
pdftotext "$sheet" - | grep -q "Febrero 2024" || fail "no title text"

# No margins on this queue: the sheet is the page's height, 2479 pixels at 300 dpi, so
# 794 / 2479 * 300 pixels per inch draw it 794 pixels high. Compared at 1/8 with some fuzz:
# glyph edges and substituted fonts differ a little everywhere.
pdftoppm -png -singlefile -r 96.087 "$sheet" "$check/page"
convert "$check/page.png" -gravity center -crop 1122x794+0+0 +repage -scale 12.5% "$check/a.png"
convert "$check/hoja.bmp" -scale 12.5% "$check/b.png"
differing=$(compare -metric AE -fuzz 20% "$check/a.png" "$check/b.png" null: 2>&1)
echo "print test: $differing of 13,860 pixels differ from the program's image"
[ "${differing%%.*}" -lt 130 ] || fail "the printed page is not the sheet"
