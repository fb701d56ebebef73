#include "formats/gtfs/FeedTable.h"

#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>

#include "formats/TextLines.h"

namespace {

constexpr QByteArrayView kByteOrderMark("\xEF\xBB\xBF");

// The first line, from 1, that is not UTF-8.
int firstBadLine(QByteArrayView bytes) {
    const std::vector<QByteArrayView> lines = splitLines(bytes);
    for (size_t i = 0; i < lines.size(); ++i) {
        QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        (void)utf8.decode(lines[i]);
        if (utf8.hasError()) return int(i + 1);
    }
    return int(lines.size());
}

int editDistance(const QString& a, const QString& b) {
    std::vector<int> previous(size_t(b.size() + 1)), current(previous.size());
    for (size_t j = 0; j < previous.size(); ++j) previous[j] = int(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        current[0] = int(i);
        for (qsizetype j = 1; j <= b.size(); ++j)
            current[size_t(j)] = std::min({previous[size_t(j)] + 1, current[size_t(j - 1)] + 1,
                                           previous[size_t(j - 1)] + (a[i - 1] == b[j - 1] ? 0 : 1)});
        std::swap(previous, current);
    }
    return previous.back();
}

}  // namespace

std::optional<FeedTable> FeedTable::parse(const QString& file, QByteArrayView bytes, FeedProblems& problems) {
    if (bytes.startsWith(kByteOrderMark)) bytes = bytes.sliced(kByteOrderMark.size());
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (utf8.hasError()) {
        problems.push_back({file, firstBadLine(bytes), QStringLiteral("not UTF-8 text (a feed's files are UTF-8)")});
        return std::nullopt;
    }
    csv::Table table = csv::parse(text);
    for (const Problem& p : table.problems) problems.push_back({file, p.at, p.text + QStringLiteral("; row skipped")});
    if (table.rows.empty()) {
        problems.push_back({file, 0, QStringLiteral("empty: no header")});
        return std::nullopt;
    }
    FeedTable result;
    result.file_ = file;
    for (const QString& name : table.rows.front().fields) result.header_ << name.trimmed();
    table.rows.erase(table.rows.begin());
    result.rows_ = std::move(table.rows);
    return result;
}

bool FeedTable::require(std::initializer_list<const char*> names, FeedProblems& problems) const {
    QStringList missing;
    for (const char* name : names)
        if (column(name) < 0) missing << QString::fromLatin1(name);
    if (missing.isEmpty()) return true;
    problems.push_back({file_, 1, QStringLiteral("the header lacks the column%1 %2 (it has: %3)")
                                      .arg(missing.size() > 1 ? QStringLiteral("s") : QString(),
                                           missing.join(QStringLiteral(", ")), header_.join(u','))});
    return false;
}

void FeedTable::checkHeader(std::initializer_list<const char*> known, FeedProblems& problems) const {
    for (const QString& name : header_) {
        if (std::any_of(known.begin(), known.end(), [&](const char* k) { return name == QLatin1String(k); })) continue;
        for (const char* k : known) {
            const QString candidate = QString::fromLatin1(k);
            if (editDistance(name, candidate) <= 2) {
                problems.push_back({file_, 1, QStringLiteral("column %1 is no column of this file; %2 misspelt?")
                                                  .arg(name, candidate),
                                    true});
                break;
            }
        }
    }
}

int FeedTable::column(const char* name) const { return int(header_.indexOf(QLatin1String(name))); }

QString FeedTable::field(const csv::Row& row, int column) {
    return column >= 0 && column < row.fields.size() ? row.fields[column].trimmed() : QString();
}

std::optional<qint64> wholeNumber(const QString& text) {
    // Digits, and a fraction of zeros as some exports write prices.
    static const QRegularExpression Whole(QStringLiteral("^([+-]?\\d+)(\\.0*)?$"));
    const QRegularExpressionMatch match = Whole.match(text.trimmed());
    if (!match.hasMatch()) return std::nullopt;
    bool ok = false;
    const qint64 value = match.captured(1).toLongLong(&ok);
    return ok ? std::optional<qint64>(value) : std::nullopt;
}
