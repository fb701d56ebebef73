#include "board/SeirikenCaptions.h"

namespace {

struct Numbering {
    int firstPosition;
    int firstNumber;
};

// Style 0 numbers positions 1..8 from 1, style 1 from 0; the word styles
// number positions 2..8 from 1 (even styles) or from 2 (odd styles).
std::optional<Numbering> numberingOf(int style) {
    if (style == 0) return Numbering{1, 1};
    if (style == 1) return Numbering{1, 0};
    if (style >= 2 && style <= 11) return Numbering{2, style % 2 == 0 ? 1 : 2};
    return std::nullopt;
}

}  // namespace

QString fullWidthNumber(int n, bool zeroPad) {
    const QString ascii = zeroPad ? QStringLiteral("%1").arg(n, 2, 10, QChar(u'0')) : QString::number(n);
    QString wide;
    for (QChar c : ascii) wide += QChar(c.unicode() - u'0' + u'０');
    return wide;
}

SeirikenCaptions seirikenCaptions(int style, int zeroPad) {
    SeirikenCaptions captions;
    captions.firstIsText = style >= 2;
    switch (style) {
    case 2:
    case 3: captions.firstText = QStringLiteral("な し"); break;
    case 4:
    case 5: captions.firstText = QStringLiteral("無 券"); break;
    case 6:
    case 7: captions.firstText = QStringLiteral("券なし"); break;
    case 8:
    case 9: captions.firstText = QStringLiteral("券無し"); break;
    default: break;  // 10, 11 and unknown styles: no word
    }

    const std::optional<Numbering> numbering = numberingOf(style);
    if (!numbering) return captions;
    for (int p = numbering->firstPosition; p <= 8; ++p)
        captions.numbers[static_cast<size_t>(p - 1)] =
            fullWidthNumber(numbering->firstNumber + p - numbering->firstPosition, zeroPad != 0);
    return captions;
}
