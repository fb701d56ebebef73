#!/usr/bin/env python3
"""Makes one digit face of the fare displays from a DSEG7 font.

The displays write a row of eights in the unlit colour and the value over them,
so every glyph they use must share one advance: DSEG's space is narrower than
its digits and is widened here. The outlines are narrowed and scaled so that a
digit fills the cell the displays give it: 13 x 20 pixels at 18 point.

usage: make_segment_font.py SOURCE.ttf FAMILY STYLE OUTPUT.ttf
"""
import sys

from fontTools.ttLib import TTFont
from fontTools.ttLib.tables import ttProgram

# Fractions of the em the displays' standard cell expects: 13 x 20 pixels at
# 24 pixels to the em, the ink kept clear of both edges.
DIGIT_ADVANCE = 13 / 24
INK_HEIGHT = 0.74
ASCENT = 0.82
# Below the baseline the cell holds no ink, as in text faces: the scalable
# display stretches its picture so that this part falls outside the control.
DESCENT = 0.11


def main(source, family, style, output):
    font = TTFont(source)
    upem = font["head"].unitsPerEm
    hmtx = font["hmtx"]
    cmap = font.getBestCmap()
    eight = cmap[ord("8")]
    glyf = font["glyf"]

    ink_top = glyf[eight].yMax
    sx = DIGIT_ADVANCE * upem / hmtx[eight][0]
    sy = INK_HEIGHT * upem / ink_top

    for name in font.getGlyphOrder():
        glyph = glyf[name]
        if glyph.isComposite():
            for component in glyph.components:
                component.x = round(component.x * sx)
                component.y = round(component.y * sy)
        elif glyph.numberOfContours > 0:
            glyph.coordinates.scale((sx, sy))
            glyph.coordinates.toInt()
            glyph.program = ttProgram.Program()
            glyph.program.fromBytecode(b"")
        advance, lsb = hmtx[name]
        hmtx[name] = (round(advance * sx), round(lsb * sx))
    for name in font.getGlyphOrder():
        glyf[name].recalcBounds(glyf)
        if glyf[name].numberOfContours != 0:
            hmtx[name] = (hmtx[name][0], glyf[name].xMin)

    digit_advance = hmtx[eight][0]
    for ch in " -":
        if ord(ch) in cmap:
            hmtx[cmap[ord(ch)]] = (digit_advance, hmtx[cmap[ord(ch)]][1])

    # The scaled outlines would be distorted by the original hints.
    for table in ("fpgm", "prep", "cvt ", "hdmx", "LTSH", "VDMX"):
        if table in font:
            del font[table]

    ascent = round(ASCENT * upem)
    descent = round(DESCENT * upem)
    font["hhea"].ascent = ascent
    font["hhea"].descent = -descent
    font["hhea"].lineGap = 0
    os2 = font["OS/2"]
    os2.sTypoAscender = ascent
    os2.sTypoDescender = -descent
    os2.sTypoLineGap = 0
    os2.usWinAscent = ascent
    os2.usWinDescent = descent
    os2.xAvgCharWidth = digit_advance
    font["head"].yMax = max(font["head"].yMax, ascent)

    names = font["name"]
    postscript = f"{family}-{style}"
    for record in list(names.names):
        if record.nameID in (16, 17, 21, 22):
            names.removeNames(nameID=record.nameID)
    names.setName(family, 1, 3, 1, 0x409)
    names.setName(style, 2, 3, 1, 0x409)
    names.setName(f"{family} {style}", 4, 3, 1, 0x409)
    names.setName(postscript, 6, 3, 1, 0x409)
    names.setName(postscript, 3, 3, 1, 0x409)
    for record in list(names.names):
        if record.platformID != 3 and record.nameID in (1, 2, 3, 4, 6):
            names.removeNames(nameID=record.nameID, platformID=record.platformID)

    font.save(output)


if __name__ == "__main__":
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    main(*sys.argv[1:])
