#include "formats/ReadingsFile.h"

#include <QHash>
#include <QStringDecoder>

#include <algorithm>

#include "formats/Csv.h"
#include "formats/TextLines.h"

namespace readings_file {
namespace {

const QString NameHeader = QStringLiteral("表記");
const QString KanaHeader = QStringLiteral("よみ");

// The text of the file, one line for each line of bytes so that line numbers
// hold; a line that is not UTF-8 is left empty and reported.
QString decodeLines(QByteArrayView bytes, Problems& problems) {
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes = bytes.sliced(3);
    QString text;
    int number = 0;
    for (QByteArrayView line : splitLines(bytes)) {
        ++number;
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = decoder(line);
        if (decoder.hasError()) {
            problems.push_back({number, QStringLiteral("not UTF-8 text; the line is skipped")});
        } else {
            text += decoded;
        }
        text += u'\n';
    }
    return text;
}

}  // namespace

bool isReading(QStringView kana) {
    // A name of two parts (みたら・水族館前) is often read with its dot.
    return kana.count(u'・') < kana.size() && std::all_of(kana.begin(), kana.end(), [](QChar c) {
        return (c >= u'ぁ' && c <= u'ゖ') || (c >= u'ァ' && c <= u'ヺ') || c == u'ー' || c == u'・';
    });
}

Parsed parse(QByteArrayView bytes) {
    Parsed parsed;
    const QString text = decodeLines(bytes, parsed.problems);
    csv::Table table = csv::parse(text);
    parsed.problems.insert(parsed.problems.end(), table.problems.begin(), table.problems.end());

    QHash<QString, int> lineOfName;
    for (size_t i = 0; i < table.rows.size(); ++i) {
        const csv::Row& row = table.rows[i];
        QStringList fields = row.fields;
        for (QString& field : fields) field = field.trimmed();
        if (i == 0 && fields == QStringList{NameHeader, KanaHeader}) continue;
        const auto problem = [&](const QString& text, bool warning = false) {
            parsed.problems.push_back({row.line, text, warning});
        };
        if (fields.size() != 2) {
            problem(QStringLiteral("%1 fields; a line holds a name and its reading").arg(fields.size()));
        } else if (fields[0].isEmpty()) {
            problem(QStringLiteral("no name"));
        } else if (fields[1].isEmpty()) {
            problem(QStringLiteral("no reading"));
        } else if (!isReading(fields[1])) {
            problem(QStringLiteral("the reading \"%1\" is not hiragana or katakana").arg(fields[1]));
        } else if (const auto first = lineOfName.constFind(fields[0]); first != lineOfName.cend()) {
            problem(QStringLiteral("\"%1\" has its reading on line %2 already").arg(fields[0]).arg(*first), true);
        } else {
            lineOfName.insert(fields[0], row.line);
            parsed.readings.push_back({fields[0], fields[1]});
        }
    }
    std::stable_sort(parsed.problems.begin(), parsed.problems.end(),
                     [](const Problem& a, const Problem& b) { return a.at < b.at; });
    return parsed;
}

QByteArray write(std::span<const Reading> readings) {
    QString text = NameHeader + u',' + KanaHeader + u'\n';
    for (const Reading& reading : readings) text += csv::field(reading.name) + u',' + csv::field(reading.kana) + u'\n';
    return text.toUtf8();
}

}  // namespace readings_file
