#include "controls/stopname/ChimeiLayout.h"

#include <QByteArray>

#include "formats/Cp932.h"

namespace chimei_layout {

Placement placement(int cells, int mode) {
    switch (cells) {
    case 0: return {0, 0, kStripHeight};  // a lone half-width letter sits at the top
    case 1: return {80, 0, kStripHeight};
    case 2: return mode == 2 ? Placement{48, 64, kStripHeight} : Placement{32, 96, kStripHeight};
    case 3: return {16, 64, kStripHeight};
    case 4: return {8, 48, kStripHeight};
    case 5: return {4, 38, kStripHeight};
    case 6: return {0, kCellStep, kStripHeight};
    default: return {0, kCellStep, cells * kCellStep};
    }
}

CellPrint cellPrint(const QString& cellText, int fontMode) {
    static const QString transposed = QStringLiteral("（）『』〔〕「」［］＜＞｛｝〈〉《》【】～＝→←⇒⇔");
    if (cellText == u"ー") return {QStringLiteral("丨")};
    if (cellText == u"申" || cellText == u"山")
        // The Gothic faces draw these a dot left of the others.
        return {cellText, (fontMode == 0 || fontMode == 2) ? 1 : 0};
    if (cellText.size() == 1 && transposed.contains(cellText[0])) return {cellText, 0, 0, true};
    // Vertical writing puts these in the upper right of their cell.
    if (cellText == u"。" || cellText == u"、") return {cellText, 10, -10};
    return {cellText};
}

int signedCode(const QString& text) {
    if (text.isEmpty()) return 0;
    const QByteArray bytes = cp932::encode(text.left(text[0].isHighSurrogate() ? 2 : 1));
    const auto byte = [&](int i) { return static_cast<unsigned char>(bytes.at(i)); };
    if (bytes.size() >= 2) return byte(0) * 256 + byte(1) - 65536;
    return bytes.isEmpty() ? 0 : byte(0);
}

Face faceFor(int fontMode, int code) {
    constexpr int kFirstKanji = 0x889F - 65536;  // below: full-width symbols, digits, Latin, kana
    constexpr int kFirstAlnum = 0x824F - 65536;  // full-width 0..9, A..Z, a..z
    constexpr int kLastAlnum = 0x829A - 65536;
    const bool lowTwoByte = code < kFirstKanji;
    switch (fontMode) {
    case 1: return Face::Mincho;
    case 2: return lowTwoByte ? Face::Mincho : Face::Gothic;
    case 3: return lowTwoByte ? Face::Gothic : Face::Mincho;
    case 4: return code >= kFirstAlnum && code <= kLastAlnum ? Face::Gothic : Face::Mincho;
    default: return Face::Gothic;
    }
}

QString faceName(Face face) {
    return face == Face::Mincho ? QStringLiteral("ＭＳ 明朝") : QStringLiteral("ＭＳ ゴシック");
}

}  // namespace chimei_layout
