#!/usr/bin/env python3
"""Writes a long RTF document (about 300 pages) with mixed character and paragraph
formatting, styles, bulleted and numbered lists and tables. Usage: make-big-document.py OUT.rtf"""
import random
import sys

WORDS = ("dokument editor odstavec tabulka seznam písmeno žluťoučký kůň úpěl ďábelské ódy "
         "the quick brown fox jumps over lazy dog text format style page section header").split()


def escape(text):
    out = []
    for ch in text:
        code = ord(ch)
        if ch in "\\{}":
            out.append("\\" + ch)
        elif code < 128:
            out.append(ch)
        else:
            out.append("\\u%d?" % (code if code < 32768 else code - 65536))
    return "".join(out)


def sentence(rng, words):
    return " ".join(rng.choice(WORDS) for _ in range(words)).capitalize() + "."


def run(rng):
    text = escape(sentence(rng, rng.randint(4, 14))) + " "
    kind = rng.randint(0, 9)
    formats = ["", "\\b ", "\\i ", "\\ul ", "\\cf2 ", "\\f1 ", "\\fs28 ", "\\b\\i ", "\\highlight3 ", "\\strike "]
    return "{" + formats[kind] + text + "}" if formats[kind] else text


def main():
    rng = random.Random(300)
    out = [
        "{\\rtf1\\ansi\\ansicpg1250\\deff0\\uc1",
        "{\\fonttbl{\\f0\\froman\\fcharset238 Times New Roman;}{\\f1\\fswiss\\fcharset238 Arial;}}",
        "{\\colortbl;\\red0\\green0\\blue0;\\red192\\green0\\blue0;\\red255\\green255\\blue0;}",
        "{\\stylesheet{\\s0\\sa120 Normal;}{\\s1\\sbasedon0\\snext0\\keepn\\sb240\\b\\fs32 heading 1;}"
        "{\\s2\\sbasedon1\\snext0\\fs26\\i heading 2;}}",
        "{\\*\\listtable{\\list\\listtemplateid1{\\listlevel\\levelnfc23{\\leveltext\\'01\\u8226 ?;}\\fi-360\\li720}"
        "{\\listlevel\\levelnfc23{\\leveltext\\'01o;}\\fi-360\\li1440}\\listid1}"
        "{\\list\\listtemplateid2{\\listlevel\\levelnfc0{\\leveltext\\'02\\'00.;}\\fi-360\\li720}"
        "{\\listlevel\\levelnfc4{\\leveltext\\'02\\'01);}\\fi-360\\li1440}\\listid2}}",
        "{\\*\\listoverridetable{\\listoverride\\listid1\\listoverridecount0\\ls1}"
        "{\\listoverride\\listid2\\listoverridecount0\\ls2}}",
        "\\paperw11906\\paperh16838\\margl1417\\margr1417\\margt1417\\margb1417",
        "\\sectd{\\footer\\pard\\qc Strana {\\field{\\*\\fldinst PAGE}{\\fldrslt 1}}\\par}",
    ]
    for chapter in range(1, 151):
        out.append("\\pard\\plain\\s1\\keepn\\sb240\\b\\fs32 Kapitola %d\\par" % chapter)
        for section in range(1, 4):
            out.append("\\pard\\plain\\s2\\keepn\\sb240\\b\\i\\fs26 Oddíl %d.%d\\par".replace("í", "\\u237?") % (chapter, section))
            for _ in range(rng.randint(4, 7)):
                align = rng.choice(["\\ql", "\\qj", "\\qj", "\\qc"])
                out.append("\\pard\\plain\\sa120" + align + " " + "".join(run(rng) for _ in range(rng.randint(4, 9))) + "\\par")
            if section == 2:
                for item in range(5):
                    level = 1 if item in (2, 3) else 0
                    out.append("\\pard\\plain\\ls%d\\ilvl%d %s\\par" % (1 + chapter % 2, level, escape(sentence(rng, 8))))
            if section == 3 and chapter % 2 == 0:
                for row in range(8):
                    out.append("\\trowd\\trgaph108" + "".join(
                        "\\clbrdrt\\brdrs\\brdrw10\\clbrdrb\\brdrs\\brdrw10%s\\cellx%d" % (
                            "\\clcbpat3" if row == 0 else "", 2268 * (c + 1)) for c in range(4)))
                    out.append("".join("\\pard\\intbl %s\\cell" % escape(sentence(rng, 3)) for _ in range(4)) + "\\row")
    out.append("}")
    with open(sys.argv[1], "w", encoding="ascii") as f:
        f.write("\n".join(out))


if __name__ == "__main__":
    main()
