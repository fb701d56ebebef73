#pragma once

#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <optional>
#include <vector>

#include "formats/Csv.h"
#include "formats/gtfs/FeedProblem.h"

// One file of a feed as a table whose header names the columns. Feeds come
// in UTF-8 with or without a byte order mark, with CR LF or LF line ends and
// blanks around fields; columns are found by name, in any order.
class FeedTable {
public:
    // Nothing when the text is not UTF-8 (the problem names the line) or
    // holds no header.
    static std::optional<FeedTable> parse(const QString& file, QByteArrayView bytes, FeedProblems& problems);

    // False, with a problem naming the file and what its header has instead,
    // when a column is missing.
    bool require(std::initializer_list<const char*> names, FeedProblems& problems) const;
    // Warns of header names that are not the columns this file has in GTFS
    // or GTFS-JP but look like one of them misspelt.
    void checkHeader(std::initializer_list<const char*> known, FeedProblems& problems) const;

    // -1 when the header has no such column.
    int column(const char* name) const;
    // Blanks around it dropped; empty when the row is short or the column missing.
    static QString field(const csv::Row& row, int column);

    const QString& file() const { return file_; }
    const std::vector<csv::Row>& rows() const { return rows_; }

private:
    QString file_;
    QStringList header_;
    std::vector<csv::Row> rows_;
};

// A whole decimal number that fits 64 bits, blanks around it allowed;
// nothing for anything else ("2 10", "", "1e3"). A fraction of zeros
// ("210.0") is whole.
std::optional<qint64> wholeNumber(const QString& text);
