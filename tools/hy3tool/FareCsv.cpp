#include "hy3tool/FareCsv.h"

#include <algorithm>
#include <limits>

#include "formats/Cp932.h"
#include "hy3tool/Cp932Text.h"
#include "formats/Csv.h"

namespace fare_csv {
namespace {

constexpr int kTicketField = 2;
constexpr int kFirstFareField = 3;

// An optional sign and decimal digits; blanks around them do not count.
bool isWholeNumber(QStringView field) {
    const QStringView t = field.trimmed();
    qsizetype i = !t.isEmpty() && (t[0] == u'+' || t[0] == u'-') ? 1 : 0;
    if (i == t.size()) return false;
    for (; i < t.size(); ++i)
        if (t[i] < u'0' || t[i] > u'9') return false;
    return true;
}

// Empty when `field` holds a 16-bit whole number, then stored in `value`;
// otherwise what is wrong with it.
QString readNumber(QStringView field, qint16& value) {
    if (!isWholeNumber(field)) return QStringLiteral("\"%1\" is not a whole number").arg(field);
    bool ok = false;
    const qlonglong number = field.trimmed().toLongLong(&ok);
    if (!ok || number < std::numeric_limits<qint16>::min() || number > std::numeric_limits<qint16>::max())
        return QStringLiteral("%1 is outside -32768 to 32767").arg(field.trimmed());
    value = qint16(number);
    return {};
}

bool isHeader(const csv::Row& row) {
    return std::none_of(row.fields.begin() + 1, row.fields.end(), isWholeNumber);
}

void checkName(const QString& name, int line, Problems& problems) {
    // An empty name is allowed: fare files hold them, and export writes them.
    const QString where = QStringLiteral("field 1 (stop name): ");
    for (const cp932_text::Unwritable& u : cp932_text::unwritable(name)) {
        const QString what = cp932_text::describe(u.character);
        problems.push_back({line, where + (u.writtenAs.isEmpty()
                                               ? QStringLiteral("%1 has no code page 932 form").arg(what)
                                               : QStringLiteral("%1 has no code page 932 form; it would be written "
                                                                "as %2, so write that instead")
                                                     .arg(what, cp932_text::describe(u.writtenAs)))});
    }
    const qsizetype bytes = cp932::encode(name).size();
    if (bytes > std::numeric_limits<quint16>::max())
        problems.push_back({line, where + QStringLiteral("%1 bytes long, more than 65535").arg(bytes)});
}

StopRecord readStop(const csv::Row& row, Problems& problems) {
    StopRecord stop;
    stop.Chimei = row.fields[0];
    checkName(stop.Chimei, row.line, problems);

    if (row.fields.size() < kTicketField || row.fields[kTicketField - 1].trimmed().isEmpty()) {
        problems.push_back({row.line, QStringLiteral("field 2 (ticket number): missing")});
        return stop;
    }
    if (const QString wrong = readNumber(row.fields[kTicketField - 1], stop.SeiriNum); !wrong.isEmpty())
        problems.push_back({row.line, QStringLiteral("field 2 (ticket number): ") + wrong});

    const qsizetype fares = row.fields.size() - kTicketField;
    if (fares > StopRecord::kFareCount)
        problems.push_back({row.line, QStringLiteral("field %1: a row holds at most %2 fares, this one %3")
                                          .arg(kFirstFareField + StopRecord::kFareCount)
                                          .arg(StopRecord::kFareCount)
                                          .arg(fares)});
    for (int column = 1; column <= std::min<qsizetype>(fares, StopRecord::kFareCount); ++column) {
        const int field = kFirstFareField + column - 1;
        const QString& text = row.fields[field - 1];
        // An empty cell is no fare, as a missing one at the end is.
        if (text.trimmed().isEmpty()) continue;
        if (const QString wrong = readNumber(text, stop.fares[size_t(column - 1)]); !wrong.isEmpty())
            problems.push_back(
                {row.line, QStringLiteral("field %1 (fare column %2): %3").arg(field).arg(column).arg(wrong)});
    }
    return stop;
}

}  // namespace

Imported read(QStringView text) {
    csv::Table table = csv::parse(text);
    Imported imported{{}, std::move(table.problems)};
    auto rows = std::span(table.rows);
    if (!rows.empty() && isHeader(rows.front())) rows = rows.subspan(1);
    if (rows.empty() && imported.problems.empty()) imported.problems.push_back({0, QStringLiteral("no stop rows")});
    for (const csv::Row& row : rows) {
        if (imported.stops.size() == size_t(StopTable::kStopCount)) {
            imported.problems.push_back(
                {row.line, QStringLiteral("more than %1 stops; a route holds at most %1").arg(StopTable::kStopCount)});
            break;
        }
        imported.stops.push_back(readStop(row, imported.problems));
    }
    std::stable_sort(imported.problems.begin(), imported.problems.end(),
                     [](const Problem& a, const Problem& b) { return a.at < b.at; });
    return imported;
}

int fareColumns(std::span<const StopRecord> stops) {
    int columns = 0;
    for (const StopRecord& stop : stops)
        for (int column = StopRecord::kFareCount; column > columns; --column)
            if (stop.Fare(column) != 0) {
                columns = column;
                break;
            }
    return columns;
}

QString write(std::span<const StopRecord> stops) {
    const int columns = fareColumns(stops);
    QStringList header{kNameHeading, kTicketHeading};
    for (int column = 1; column <= columns; ++column) header << kFareHeading.arg(column);
    QString out = header.join(u',') + u'\n';
    for (const StopRecord& stop : stops) {
        QStringList fields{csv::field(stop.Chimei), QString::number(stop.SeiriNum)};
        for (int column = 1; column <= columns; ++column) fields << QString::number(stop.Fare(column));
        out += fields.join(u',') + u'\n';
    }
    return out;
}

}  // namespace fare_csv
