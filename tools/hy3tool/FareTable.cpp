#include "hy3tool/FareTable.h"

#include <QList>

#include <algorithm>
#include <vector>

namespace fare_table {
namespace {

bool isWide(char32_t c) {
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0x303E) || (c >= 0x3041 && c <= 0x33FF) ||
           (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xA000 && c <= 0xA4CF) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) ||
           (c >= 0xFF00 && c <= 0xFF60) || (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

QString padRight(const QString& text, int width) {
    return text + QString(std::max(0, width - displayWidth(text)), u' ');
}

}  // namespace

int displayWidth(QStringView text) {
    int width = 0;
    for (char32_t c : text.toUcs4()) width += isWide(c) ? 2 : 1;
    return width;
}

QString render(std::span<const StopRecord> stops) {
    std::vector<int> columns;
    for (int column = 1; column <= StopRecord::kFareCount; ++column)
        if (std::any_of(stops.begin(), stops.end(), [column](const StopRecord& s) { return s.Fare(column) != 0; }))
            columns.push_back(column);

    const QString stopHeading = QStringLiteral("Stop"), ticketHeading = QStringLiteral("Ticket"),
                  nameHeading = QStringLiteral("Name");
    int stopWidth = int(stopHeading.size()), ticketWidth = int(ticketHeading.size()),
        nameWidth = int(nameHeading.size());
    std::vector<int> fareWidths;
    for (int column : columns) fareWidths.push_back(int(QString::number(column).size()));
    for (size_t i = 0; i < stops.size(); ++i) {
        stopWidth = std::max(stopWidth, int(QString::number(i + 1).size()));
        ticketWidth = std::max(ticketWidth, int(QString::number(stops[i].SeiriNum).size()));
        nameWidth = std::max(nameWidth, displayWidth(stops[i].Chimei));
        for (size_t k = 0; k < columns.size(); ++k)
            fareWidths[k] = std::max(fareWidths[k], int(QString::number(stops[i].Fare(columns[k])).size()));
    }

    const auto line = [&](const QString& stop, const QString& ticket, const QString& name,
                          const std::vector<QString>& fares) {
        const QString gap = QStringLiteral("  ");
        QString out = stop.rightJustified(stopWidth) + gap + ticket.rightJustified(ticketWidth) + gap +
                      padRight(name, nameWidth);
        for (size_t k = 0; k < fares.size(); ++k) out += gap + fares[k].rightJustified(fareWidths[k]);
        // Blank fares at the end leave no trailing blanks.
        while (out.endsWith(u' ')) out.chop(1);
        return out + u'\n';
    };

    std::vector<QString> headings;
    for (int column : columns) headings.push_back(QString::number(column));
    QString table = line(stopHeading, ticketHeading, nameHeading, headings);
    for (size_t i = 0; i < stops.size(); ++i) {
        std::vector<QString> fares;
        for (int column : columns) {
            const int fare = stops[i].Fare(column);
            fares.push_back(fare == 0 ? QString() : QString::number(fare));
        }
        table += line(QString::number(i + 1), QString::number(stops[i].SeiriNum), stops[i].Chimei, fares);
    }
    return table;
}

}  // namespace fare_table
