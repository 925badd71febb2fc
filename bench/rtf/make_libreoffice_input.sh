#!/usr/bin/env bash
# Writes the benchmark's input: an RTF of PARAGRAPHS paragraphs (20,000 by default), each with
# bold and italic words, as LibreOffice writes it (soffice --convert-to rtf from an HTML page).
#   make_libreoffice_input.sh OUT.rtf [PARAGRAPHS]
set -euo pipefail
out=$1
count=${2:-20000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
{
    echo '<!DOCTYPE html><html><head><meta charset="utf-8"><title>Benchmark</title></head><body>'
    for ((i = 1; i <= count; i++)); do
        echo "<p>Paragraph $i has <b>bold words</b> in it, plain words after them, and <i>italic words</i> at its end.</p>"
    done
    echo '</body></html>'
} > "$work/input.html"
soffice -env:UserInstallation="file://$work/profile" --headless --convert-to 'rtf:Rich Text Format' \
    --outdir "$work" "$work/input.html" >/dev/null 2>&1
mv "$work/input.rtf" "$out"
