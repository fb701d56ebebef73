#include "hy3tool/Cp932Text.h"

#include <QList>
#include <QStringList>

#include "formats/Cp932.h"

namespace cp932_text {
namespace {

constexpr char16_t kUndecodable = u'\u30FB';

// The one sequence that truly reads as the character the decoder puts in
// place of bytes it cannot read.
bool readsAsOneCharacter(const QString& decoded, QByteArrayView bytes) {
    return decoded.size() == 1 && (decoded[0] != kUndecodable || bytes == QByteArrayView("\x81\x45"));
}

}  // namespace

Reading examine(QByteArrayView bytes) {
    Reading reading;
    if (cp932::encode(cp932::decode(bytes)) == bytes) return reading;
    // Character boundaries come from the decoder itself: one byte when it
    // reads one as a character, else two when it reads the pair as one.
    for (qsizetype at = 0; at < bytes.size();) {
        QByteArrayView unit = bytes.sliced(at, 1);
        QString decoded = cp932::decode(unit);
        if (!readsAsOneCharacter(decoded, unit) && at + 1 < bytes.size()) {
            const QByteArrayView pair = bytes.sliced(at, 2);
            const QString pairDecoded = cp932::decode(pair);
            // A pair the decoder takes as one unreadable character is reported as one.
            if (pairDecoded.size() == 1) {
                unit = pair;
                decoded = pairDecoded;
            }
        }
        if (!readsAsOneCharacter(decoded, unit)) {
            reading.undecodable.push_back({at, unit.toByteArray(), {}, {}});
        } else {
            const QByteArray standard = cp932::encode(decoded);
            if (standard != unit) reading.nonStandard.push_back({at, unit.toByteArray(), decoded, standard});
        }
        at += unit.size();
    }
    return reading;
}

std::vector<Unwritable> unwritable(QStringView text) {
    std::vector<Unwritable> result;
    const QString whole = text.toString();
    if (cp932::decode(cp932::encode(whole)) == whole) return result;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
        const QString character = text.sliced(i, length).toString();
        const QByteArray written = cp932::encode(character);
        const QString readBack = cp932::decode(written);
        if (readBack != character) result.push_back({character, written == "?" ? QString() : readBack});
        i += length;
    }
    return result;
}

QString hex(QByteArrayView bytes) {
    QStringList parts;
    for (char b : bytes) parts << u"0x"_qs + QString::number(quint8(b), 16).rightJustified(2, u'0').toUpper();
    return parts.join(u' ');
}

QString describe(const QString& character) {
    QStringList codes;
    for (char32_t c : character.toUcs4())
        codes << u"U+"_qs + QString::number(quint32(c), 16).rightJustified(4, u'0').toUpper();
    return QStringLiteral("'%1' (%2)").arg(character, codes.join(u' '));
}

}  // namespace cp932_text
