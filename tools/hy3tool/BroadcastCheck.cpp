#include "hy3tool/BroadcastCheck.h"

#include <QStringDecoder>
#include <QStringList>

#include <algorithm>

#include "formats/BroadcastFile.h"
#include "formats/TextLines.h"
#include "formats/Cp932.h"
#include "hy3tool/Cp932Text.h"

namespace broadcast_check {
namespace {

bool playerReads(QByteArrayView line) { return broadcast_file::parse(line).has_value(); }

bool isBlank(QByteArrayView line) {
    return std::all_of(line.begin(), line.end(), [](char c) { return c == ' ' || c == '\t'; });
}

bool isUtf8WithJapanese(QByteArrayView file) {
    if (std::all_of(file.begin(), file.end(), [](char c) { return quint8(c) < 0x80; })) return false;
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    [[maybe_unused]] const QString text = utf8.decode(file);
    return !utf8.hasError();
}

QString fieldText(QByteArrayView bytes) { return cp932::decode(bytes).trimmed(); }

// A line the player refuses is mended one way after another, with the
// player's own reading as the judge; the first mending it accepts says what
// is wrong.
QString whyRefused(QByteArrayView bytes) {
    const QByteArray line = bytes.toByteArray();
    const qsizetype last = line.lastIndexOf(','), secondLast = last > 0 ? line.lastIndexOf(',', last - 1) : -1;

    if (playerReads(line + ",0")) return QStringLiteral("the chime flag (field 3) is missing");
    if (playerReads(line + ",0,0"))
        return QStringLiteral("the step flag and the chime flag (fields 2 and 3) are missing");
    for (const char* closing : {"\"", "\",0", "\",0,0"})
        if (playerReads(line + closing)) return QStringLiteral("a quotation mark is never closed");

    const auto notANumber = [](const QString& what, QByteArrayView field) {
        return QStringLiteral("the %1 \"%2\" is not a whole number from -32768 to 32767").arg(what, fieldText(field));
    };
    if (last >= 0 && playerReads(line.first(last) + ",0"))
        return notANumber(QStringLiteral("chime flag"), line.sliced(last + 1));
    if (secondLast >= 0 && playerReads(line.first(secondLast) + ",0" + line.sliced(last)))
        return notANumber(QStringLiteral("step flag"), line.sliced(secondLast + 1, last - secondLast - 1));
    if (secondLast >= 0 && playerReads(line.first(secondLast) + ",0,0"))
        return QStringLiteral("neither flag is a whole number from -32768 to 32767");

    // Too many fields: the text may hold a comma, or fields were added at the end.
    const bool commaInText = secondLast > 0 && playerReads('"' + line.first(secondLast) + '"' + line.sliced(secondLast));
    const QString quoteIt = QStringLiteral("enclose the text in double quotation marks");
    QByteArray shorter = line;
    for (int dropped = 1; shorter.lastIndexOf(',') >= 0; ++dropped) {
        shorter.truncate(shorter.lastIndexOf(','));
        if (playerReads(shorter))
            return QStringLiteral("%1 field(s) more than text, step flag and chime flag").arg(dropped) +
                   (commaInText ? QStringLiteral("; if the text holds a comma, ") + quoteIt : QString());
    }
    if (commaInText) return QStringLiteral("the text holds a comma; ") + quoteIt;
    return QStringLiteral("not readable as text, step flag and chime flag");
}

void checkRow(int number, const broadcast_file::TapeRow& row, Problems& problems) {
    if (row.Text.trimmed().isEmpty()) problems.push_back({number, QStringLiteral("no text to speak")});
    if (row.StepFlag != 0 && row.StepFlag != 1)
        problems.push_back({number, QStringLiteral("step flag %1: 1 steps the board with the announcement, 0 does "
                                                   "not, and so does any other value")
                                        .arg(row.StepFlag)});
    if (row.ChimeFlag < 0 || row.ChimeFlag > 3)
        problems.push_back({number, QStringLiteral("chime flag %1: 1 to 3 choose a chime, 0 none, and so does any "
                                                   "other value")
                                        .arg(row.ChimeFlag)});
}

void checkLine(int number, QByteArrayView line, bool readCharacters, Problems& problems) {
    if (isBlank(line)) {
        problems.push_back({number, QStringLiteral("a blank line: the player skips it but counts it, so the list "
                                                   "ends in a silent announcement for it")});
        return;
    }
    if (readCharacters) {
        QStringList unreadable;
        for (const cp932_text::StoredCharacter& c : cp932_text::examine(line).undecodable)
            unreadable << QStringLiteral("%1 at byte %2").arg(cp932_text::hex(c.stored)).arg(c.offset);
        if (!unreadable.isEmpty())
            problems.push_back({number, QStringLiteral("bytes that are no code page 932 character (spoken as ・): %1")
                                            .arg(unreadable.join(QStringLiteral(", ")))});
    }
    const std::optional<broadcast_file::Contents> contents = broadcast_file::parse(line);
    if (!contents)
        problems.push_back({number, whyRefused(line)});
    else
        checkRow(number, contents->rows.front(), problems);
}

}  // namespace

Problems check(QByteArrayView file) {
    if (file.size() > broadcast_file::MaxBytes)
        return {{0, QStringLiteral("%1 bytes; the player refuses files of more than %2")
                        .arg(file.size())
                        .arg(broadcast_file::MaxBytes)}};
    Problems problems;
    const bool utf8 = isUtf8WithJapanese(file);
    if (utf8)
        problems.push_back({0, QStringLiteral("the file is UTF-8, but the player reads code page 932 (convert it, "
                                              "for instance with iconv -f UTF-8 -t CP932)")});
    const std::vector<QByteArrayView> lines = splitLines(file);
    if (lines.empty()) problems.push_back({0, QStringLiteral("the file is empty: the route has no announcements")});
    if (lines.size() > size_t(broadcast_file::MaxLines))
        problems.push_back({0, QStringLiteral("%1 lines; the player refuses files of more than %2")
                                   .arg(lines.size())
                                   .arg(broadcast_file::MaxLines)});
    for (size_t i = 0; i < lines.size(); ++i) checkLine(int(i + 1), lines[i], !utf8, problems);
    if (!lines.empty() && !broadcast_file::parse(file))
        problems.push_back({0, QStringLiteral("the player refuses the whole file for the lines above, so the "
                                              "route has no announcements")});
    return problems;
}

}  // namespace broadcast_check
