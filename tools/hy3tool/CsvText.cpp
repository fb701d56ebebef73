#include "hy3tool/CsvText.h"

#include <QStringDecoder>
#include <QStringList>

#include "formats/TextLines.h"
#include "formats/Cp932.h"
#include "hy3tool/Cp932Text.h"

namespace csv_text {
namespace {

constexpr QByteArrayView kByteOrderMark("\xEF\xBB\xBF");

// One problem a line, naming every unreadable sequence on it.
Problems unreadableByLine(QByteArrayView bytes) {
    Problems problems;
    const std::vector<QByteArrayView> lines = splitLines(bytes);
    for (size_t i = 0; i < lines.size(); ++i) {
        QStringList sequences;
        for (const cp932_text::StoredCharacter& c : cp932_text::examine(lines[i]).undecodable)
            sequences << cp932_text::hex(c.stored);
        if (!sequences.isEmpty())
            problems.push_back({int(i + 1), QStringLiteral("bytes %1 are neither UTF-8 nor code page 932")
                                                .arg(sequences.join(QStringLiteral(", ")))});
    }
    return problems;
}

}  // namespace

Decoded decode(QByteArrayView bytes) {
    const bool marked = bytes.startsWith(kByteOrderMark);
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8.decode(marked ? bytes.sliced(kByteOrderMark.size()) : bytes);
    if (!utf8.hasError()) return {text, Encoding::Utf8, {}};

    Decoded decoded{cp932::decode(bytes), Encoding::Cp932, {}};
    if (marked) {
        decoded.problems.push_back(
            {0, QStringLiteral("the file starts with a UTF-8 byte order mark but is not UTF-8 throughout")});
        return decoded;
    }
    decoded.problems = unreadableByLine(bytes);
    return decoded;
}

}  // namespace csv_text
