#pragma once

#include <QHash>
#include <QString>

#include <vector>

#include "formats/ReadingsFile.h"

// Names and how they are read (readings.csv), found in the texts to speak.
// Both names and texts are compared in NFKC, so ＮＨＫ前 is NHK前.
class NameReadings {
public:
    // Replaces the previous set. Readings that are no kana, and names longer
    // than a name can be, are left out; of a name given twice the first holds.
    void set(const std::vector<readings_file::Reading>& readings);
    bool empty() const { return names_.isEmpty(); }

    // A name found in a text, in UTF-16 positions, with its reading in katakana.
    struct Span {
        qsizetype begin = 0, end = 0;
        const QString* kana = nullptr;
    };
    // In an NFKC text: every name, the longest first where names overlap, in
    // the order of the text.
    std::vector<Span> find(const QString& normalText) const;
    // The NFKC text with every name found written as its reading.
    QString spelledOut(const QString& normalText) const;

private:
    struct Name {
        QString text, kana;
    };
    // By first character, longest first.
    QHash<QChar, std::vector<Name>> names_;
};
