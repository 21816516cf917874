#!/bin/sh
# Makes seed inputs for the fuzz targets with the converter: small RTF files written here and
# their .docx conversions. Usage: tests/fuzz/make-corpus.sh BUILD_DIR OUT_DIR
set -e
bin="$1/bin/tavel-convert"
out="$2"
mkdir -p "$out/rtf" "$out/docx" "$out/docxxml"
cat > "$out/rtf/features.rtf" <<'RTF'
{\rtf1\ansi\ansicpg1250\deff0{\fonttbl{\f0\froman\fcharset238 Times New Roman;}{\f1\fswiss Arial;}}
{\colortbl;\red255\green0\blue0;\red0\green0\blue255;}
{\stylesheet{\s0 Normal;}{\s1\sbasedon0\snext0\keepn\b\fs32 heading 1;}{\*\cs10\additive Default Paragraph Font;}}
{\*\listtable{\list\listtemplateid1{\listlevel\levelnfc23\levelstartat1{\leveltext\'01\u8226 ?;}\fi-360\li720}\listid1}}
{\*\listoverridetable{\listoverride\listid1\listoverridecount0\ls1}}
\paperw11906\paperh16838\margl1417\margr1417
\sectd\titlepg{\header \pard Header {\field{\*\fldinst PAGE}{\fldrslt 1}}\par}
\pard\s1 Nadpis\par
\pard\qj\li720\fi-360\sb120\sa120\sl360\slmult1 P\'f8\'edli\'9a {\b\i tu\u269?n\u253?} {\ul\cf1 red}{\uldb\ulc2 double}{\highlight2 hl}\par
\pard\ls1\ilvl0 Item one\par
\pard\ls1\ilvl0 Item two\par
\trowd\trgaph108\clvmgf\clcbpat1\cellx2000\clvertalc\cellx4000
\pard\intbl A\cell B\cell\row
\trowd\trgaph108\clvmrg\cellx2000\cellx4000
\pard\intbl\cell D\cell\row
\pard {\*\bkmkstart mark}See {\field{\*\fldinst HYPERLINK "https://example.com"}{\fldrslt site}}{\*\bkmkend mark}\sect
\sectd\lndscpsxn\pgwsxn16838\pghsxn11906\cols2\linemod5 Landscape\par
}
RTF
cat > "$out/rtf/notes.rtf" <<'RTF'
{\rtf1\ansi Text{\super\chftn}{\footnote\pard\plain{\super\chftn} A {\b note}.\par Second.\par} and
{\*\atnid AB}{\*\atnauthor Alice}\chatn{\*\annotation{\*\atnref 1}\pard\plain Remark}{\footnote\ftnalt\pard End.}
 keep {\deleted gone }{\revised added}\page after{\shp{\*\shpinst{\sp{\sn fillColor}{\sv 255}}{\shptxt \pard boxed\par}}}\par
\trowd\trhdr\trrh-400\cellx2000\cellx4000\pard\intbl {\*\bkmkstart b}A{\*\bkmkend b}\cell B\cell\row
{\*\shppict{\pict\pngblip\picw1\pich1{\*\picprop{\sp{\sn wzDescription}{\sv alt}}}89504e47}}\par
{\footer\pard {\*\bkmkstart f}Foot{\*\bkmkend f}\par}}
RTF
printf '{\\rtf1 plain}' > "$out/rtf/plain.rtf"
printf '{\\rtf1\\ansi\\ansicpg932 \\u12354?\\'"'"'82\\'"'"'a0}' > "$out/rtf/dbcs.rtf"
for f in "$out"/rtf/*.rtf; do
  name="$(basename "$f" .rtf)"
  "$bin" "$f" "$out/docx/$name.docx"
  unzip -p "$out/docx/$name.docx" word/document.xml > "$out/docxxml/$name.xml"
done
# .doc seeds need another word processor to write them: LibreOffice when it is installed.
mkdir -p "$out/doc"
if command -v soffice >/dev/null 2>&1; then
  profile="$(mktemp -d)"
  soffice "-env:UserInstallation=file://$profile" --headless --convert-to 'doc:MS Word 97' \
    --outdir "$out/doc" "$out"/rtf/*.rtf >/dev/null 2>&1 || true
  rm -rf "$profile"
else
  echo "soffice is not installed: no .doc seeds" >&2
fi
