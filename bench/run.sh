#!/bin/sh
# Converts the generated 300-page document with tavel-convert and, where installed, with
# AbiWord and LibreOffice, side by side; prints wall time and peak memory of each.
# Usage: bench/run.sh BUILD_DIR (a Release build: cmake -DCMAKE_BUILD_TYPE=Release)
set -e
build="${1:-build/release}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
convert="$build/bin/tavel-convert"
export QT_QPA_PLATFORM=offscreen
python3 "$(dirname "$0")/make-big-document.py" "$work/big.rtf"
"$convert" "$work/big.rtf" "$work/big.docx"

measure() { # label command...
  label="$1"; shift
  /usr/bin/time -f "%e s, %M KiB" -o "$work/time" "$@" > /dev/null 2>&1 || echo "$label: failed"
  printf '%-40s %s\n' "$label" "$(cat "$work/time")"
}

cd "$work"
measure "tavel-convert big.docx big.rtf" "$OLDPWD/$convert" big.docx out.rtf
measure "tavel-convert big.rtf big.docx" "$OLDPWD/$convert" big.rtf out.docx
measure "tavel-convert big.docx big.txt" "$OLDPWD/$convert" big.docx out.txt
if command -v abiword > /dev/null; then
  measure "abiword big.docx -> rtf" abiword --to=rtf -o abi.rtf big.docx
  measure "abiword big.rtf -> docx" abiword --to=docx -o abi.docx big.rtf
  measure "abiword big.docx -> txt" abiword --to=txt -o abi.txt big.docx
fi
if command -v soffice > /dev/null; then
  measure "soffice big.docx -> rtf" soffice --headless --convert-to rtf --outdir lo big.docx
  measure "soffice big.rtf -> docx" soffice --headless --convert-to docx --outdir lo big.rtf
  measure "soffice big.docx -> txt" soffice --headless --convert-to txt --outdir lo big.docx
fi
