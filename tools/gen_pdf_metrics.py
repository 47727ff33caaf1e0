#!/usr/bin/env python3
"""Generates output/PdfFontMetrics.cpp: the character widths of the standard
PDF fonts Times, Helvetica, Symbol and ZapfDingbats, one table of 256 widths
(thousandths of the font size) per font, indexed by the byte of the text.

The widths come from the AFM files of Debian's fonts-urw-base35 package,
whose fonts are metric-compatible with the 14 standard fonts. The text fonts
are read in WinAnsiEncoding (glyph names below), Symbol and ZapfDingbats in
their built-in encoding (the AFM's character codes). A few codes have fixed
values the writer has always used:
  - byte 0: 250 for Times, Symbol and ZapfDingbats, 278 for Helvetica;
  - bytes 1..31: 0;
  - text fonts: the codes WinAnsiEncoding leaves empty get the bullet's 350,
    and the Euro (128) 500 in Times and 558 in Helvetica;
  - Symbol and ZapfDingbats: 127..160, 240 and 255 are 0.
The oblique Helvetica fonts take the widths of their upright twins.

Usage: tools/gen_pdf_metrics.py [AFM-DIR] > output/PdfFontMetrics.cpp
"""

import os
import sys

AFM_DIR = "/usr/share/fonts/type1/urw-base35"

# (font number, standard name, AFM file, kind)
FONTS = [
    (5, "Times-Roman", "NimbusRoman-Regular.afm", "times"),
    (6, "Times-Bold", "NimbusRoman-Bold.afm", "times"),
    (7, "Times-Italic", "NimbusRoman-Italic.afm", "times"),
    (8, "Times-BoldItalic", "NimbusRoman-BoldItalic.afm", "times"),
    (9, "Helvetica", "NimbusSans-Regular.afm", "helvetica"),
    (10, "Helvetica-Bold", "NimbusSans-Bold.afm", "helvetica"),
    (11, "Helvetica-Oblique", "NimbusSans-Regular.afm", "helvetica"),
    (12, "Helvetica-BoldOblique", "NimbusSans-Bold.afm", "helvetica"),
    (13, "Symbol", "StandardSymbolsPS.afm", "builtin"),
    (14, "ZapfDingbats", "D050000L.afm", "builtin"),
]

WIN_ANSI_32_126 = (
    "space exclam quotedbl numbersign dollar percent ampersand quotesingle "
    "parenleft parenright asterisk plus comma hyphen period slash "
    "zero one two three four five six seven eight nine colon semicolon less equal "
    "greater question at A B C D E F G H I J K L M N O P Q R S T U V W X Y Z "
    "bracketleft backslash bracketright asciicircum underscore grave "
    "a b c d e f g h i j k l m n o p q r s t u v w x y z "
    "braceleft bar braceright asciitilde"
).split()

# 127..159; None marks the codes WinAnsiEncoding leaves empty.
WIN_ANSI_127_159 = [
    None, "Euro", None, "quotesinglbase", "florin", "quotedblbase", "ellipsis",
    "dagger", "daggerdbl", "circumflex", "perthousand", "Scaron", "guilsinglleft",
    "OE", None, "Zcaron", None, None, "quoteleft", "quoteright", "quotedblleft",
    "quotedblright", "bullet", "endash", "emdash", "tilde", "trademark", "scaron",
    "guilsinglright", "oe", None, "zcaron", "Ydieresis",
]

WIN_ANSI_160_255 = (
    "space exclamdown cent sterling currency yen brokenbar section dieresis "
    "copyright ordfeminine guillemotleft logicalnot hyphen registered macron "
    "degree plusminus twosuperior threesuperior acute mu paragraph periodcentered "
    "cedilla onesuperior ordmasculine guillemotright onequarter onehalf "
    "threequarters questiondown "
    "Agrave Aacute Acircumflex Atilde Adieresis Aring AE Ccedilla Egrave Eacute "
    "Ecircumflex Edieresis Igrave Iacute Icircumflex Idieresis Eth Ntilde Ograve "
    "Oacute Ocircumflex Otilde Odieresis multiply Oslash Ugrave Uacute Ucircumflex "
    "Udieresis Yacute Thorn germandbls "
    "agrave aacute acircumflex atilde adieresis aring ae ccedilla egrave eacute "
    "ecircumflex edieresis igrave iacute icircumflex idieresis eth ntilde ograve "
    "oacute ocircumflex otilde odieresis divide oslash ugrave uacute ucircumflex "
    "udieresis yacute thorn ydieresis"
).split()

WIN_ANSI = [None] * 32 + WIN_ANSI_32_126 + WIN_ANSI_127_159 + WIN_ANSI_160_255
assert len(WIN_ANSI) == 256

BULLET_WIDTH = 350
EURO_WIDTH = {"times": 500, "helvetica": 558}
ZERO_WIDTH = {"times": 250, "helvetica": 278, "builtin": 250}
BUILTIN_EMPTY = set(range(127, 161)) | {240, 255}


def read_afm(path):
    """Returns ({code: width}, {glyph name: width}) of the AFM's char metrics."""
    by_code, by_name = {}, {}
    in_metrics = False
    with open(path, encoding="latin-1") as f:
        for line in f:
            line = line.strip()
            if line.startswith("StartCharMetrics"):
                in_metrics = True
                continue
            if line.startswith("EndCharMetrics"):
                break
            if not in_metrics or not line:
                continue
            fields = {}
            for part in line.split(";"):
                words = part.split()
                if words:
                    fields[words[0]] = words[1:]
            code = int(fields["C"][0])
            width = int(fields["WX"][0])
            name = fields["N"][0]
            by_name[name] = width
            if code >= 0:
                by_code[code] = width
    return by_code, by_name


def table_for(kind, afm_path):
    by_code, by_name = read_afm(afm_path)
    widths = [0] * 256
    widths[0] = ZERO_WIDTH[kind]
    for code in range(32, 256):
        if kind == "builtin":
            if code in BUILTIN_EMPTY:
                widths[code] = 0
            else:
                widths[code] = by_code[code]
        elif code == 128:
            widths[code] = EURO_WIDTH[kind]
        elif WIN_ANSI[code] is None:
            widths[code] = BULLET_WIDTH
        else:
            widths[code] = by_name[WIN_ANSI[code]]
    if kind != "builtin" and by_name["bullet"] != BULLET_WIDTH:
        raise SystemExit(f"{afm_path}: bullet is not {BULLET_WIDTH} wide")
    return widths


def main():
    afm_dir = sys.argv[1] if len(sys.argv) > 1 else AFM_DIR
    out = []
    out.append("// Generated by tools/gen_pdf_metrics.py from the AFM files of Debian's")
    out.append("// fonts-urw-base35 package; do not edit by hand.")
    out.append("#include \"PdfFontMetrics.h\"")
    out.append("")
    out.append("const int16_t kPdfWidthTables[kPdfWidthTableCount][256] = {")
    for number, name, afm, kind in FONTS:
        widths = table_for(kind, os.path.join(afm_dir, afm))
        out.append(f"    // font {number}: {name} ({afm})")
        out.append("    {")
        for row in range(0, 256, 16):
            cells = ", ".join(f"{w:4d}" for w in widths[row:row + 16])
            out.append(f"        {cells},  // {row}..{row + 15}")
        out.append("    },")
    out.append("};")
    sys.stdout.write("\n".join(out) + "\n")


if __name__ == "__main__":
    main()
