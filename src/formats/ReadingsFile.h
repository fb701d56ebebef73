#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <span>
#include <vector>

#include "formats/Problem.h"

// How names are read in the announcements: "表記,よみ" a line, the name as the
// broadcast data write it and its reading in hiragana or katakana. UTF-8,
// comma-separated as formats/Csv.h reads it, a header line "表記,よみ" at the
// top. It lies next to the broadcast files; users and the timetable importer
// write it.
namespace readings_file {

inline const QString kFileName = QStringLiteral("readings.csv");

struct Reading {
    QString name;
    QString kana;
    bool operator==(const Reading&) const = default;
};

struct Parsed {
    // In the file's order; rows with a problem are left out.
    std::vector<Reading> readings;
    // By line, from 1. A name given again is a warning; the first one holds.
    Problems problems;
};

Parsed parse(QByteArrayView bytes);

// The header, then a line for each reading in the given order; LF line ends,
// UTF-8 without byte order mark.
QByteArray write(std::span<const Reading> readings);

// Hiragana, katakana, ー and ・ only, and not only ・.
bool isReading(QStringView kana);

}  // namespace readings_file
