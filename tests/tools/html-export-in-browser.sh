#!/usr/bin/env bash
# The HTML export opened in a real browser engine (Chromium, headless) and printed to PDF: every
# day of the sample diary is on the printed page with its date and the first word of its title,
# in the diary's order.
set -euo pipefail
tool=$1
vectors=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export DAYBROOK_PASSWORD='Daybrook 2024!'
"$tool" export --format html "$vectors/diary/sample.dry" "$work/diary.html" >/dev/null
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
done < <("$tool" list "$vectors/diary/sample.dry")
echo "$found of $expected days printed"
[[ $expected -gt 0 && $found -eq $expected ]]
[[ $(grep -oE '^[0-9]{4}-[0-9]{2}-[0-9]{2} ·' "$work/printed.txt" | sort -c && echo sorted) == sorted ]]
