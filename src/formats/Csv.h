#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

#include "formats/Problem.h"

// Comma-separated tables as spreadsheets write them: a field that starts with
// a double quotation mark runs to the matching one and may hold commas, line
// breaks and doubled quotation marks; lines end in CR LF, LF or CR.
namespace csv {

struct Row {
    // Where the row starts, from 1.
    int line = 0;
    QStringList fields;
};

struct Table {
    // Rows that are empty or hold only commas and blanks are left out, and so
    // are rows with a problem.
    std::vector<Row> rows;
    Problems problems;
};

Table parse(QStringView text);

// `value` as a field: quoted when it holds a comma, a quotation mark or a line break.
QString field(const QString& value);

}  // namespace csv
