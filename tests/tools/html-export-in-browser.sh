#!/usr/bin/env bash
# The HTML export opened in a real browser engine (Chromium, headless) and printed to PDF: every
# day of the sample diary is on the printed page with its date and the first word of its title,
# in the diary's order, and a picture brought in from a Markdown note is printed as an image.
set -euo pipefail
tool=$1
vectors=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export DAYBROOK_PASSWORD='Daybrook 2024!'
cp "$vectors/diary/sample.dry" "$work/diary.dry"
mkdir "$work/notes"
# A PNG of 2 x 2 pixels.
printf '\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x02\0\0\0\x02\x08\x02\0\0\0\xfd\xd4\x9as\0\0\0\x16IDATx\x9cc\xf8\xcf\xc0\xf0\x1f\x84\x19\x80\x0c\0\x38\xf0\x07\xf9\x0b\xe3\x3f\x7b\0\0\0\0IEND\xaeB`\x82' >"$work/notes/dot.png"
printf '# Picture day\n\nA dot: ![](dot.png)\n' >"$work/notes/2030-01-01.md"
"$tool" import --from markdown "$work/notes" "$work/diary.dry" >/dev/null
"$tool" export --format html "$work/diary.dry" "$work/diary.html" >/dev/null
HOME=$work timeout 120 chromium --headless --no-sandbox --disable-gpu --no-pdf-header-footer \
    --print-to-pdf="$work/diary.pdf" "file://$work/diary.html" >/dev/null 2>&1
pdftotext "$work/diary.pdf" "$work/printed.txt"

expected=0
found=0
while IFS=$'\t' read -r date _mood title; do
    expected=$((expected + 1))
    word=${title%% *}
    if grep -qF -- "$date · $word" "$work/printed.txt"; then
        found=$((found + 1))
    else
        echo "not on the printed page: $date · $word"
    fi
done < <("$tool" list "$work/diary.dry")
echo "$found of $expected days printed"
[[ $expected -gt 1 && $found -eq $expected ]]
images=$(pdfimages -list "$work/diary.pdf" | tail -n +3 | wc -l)
echo "$images picture(s) printed"
[[ $images -ge 1 ]]
[[ $(grep -oE '^[0-9]{4}-[0-9]{2}-[0-9]{2} ·' "$work/printed.txt" | sort -c && echo sorted) == sorted ]]
