"""Writes a small TrueType font whose family is "Vrinda", for tests that
need a Vrinda.ttf no other font on the machine duplicates. Of two fonts with
the same family, Wine keeps the one with the higher version.
    make_standin_font.py OUTPUT.ttf [VERSION]
"""
import sys

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.ttGlyphPen import TTGlyphPen


def box():
    pen = TTGlyphPen(None)
    pen.moveTo((100, 0))
    pen.lineTo((100, 700))
    pen.lineTo((500, 700))
    pen.lineTo((500, 0))
    pen.closePath()
    return pen.glyph()


version = float(sys.argv[2]) if len(sys.argv) > 2 else 1.0
glyphs = [".notdef", "space", "A"]
builder = FontBuilder(1000, isTTF=True)
builder.updateHead(fontRevision=version)
builder.setupGlyphOrder(glyphs)
builder.setupCharacterMap({0x20: "space", 0x41: "A"})
builder.setupGlyf({".notdef": box(), "space": TTGlyphPen(None).glyph(), "A": box()})
builder.setupHorizontalMetrics({".notdef": (600, 100), "space": (600, 0), "A": (600, 100)})
builder.setupHorizontalHeader(ascent=800, descent=-200)
builder.setupNameTable({"familyName": "Vrinda", "styleName": "Regular", "version": f"Version {version:.3f}"})
builder.setupOS2(sTypoAscender=800, sTypoDescender=-200, usWinAscent=800, usWinDescent=200)
builder.setupPost()
builder.save(sys.argv[1])
