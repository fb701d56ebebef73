#pragma once

#include <QByteArrayView>
#include <QString>

#include "formats/Problem.h"

// The text of a CSV file that may come from a UTF-8 editor or from a Japanese
// spreadsheet: valid UTF-8 (a byte order mark is dropped) is read as UTF-8,
// anything else as code page 932.
namespace csv_text {

enum class Encoding { Utf8, Cp932 };

struct Decoded {
    QString text;
    Encoding encoding = Encoding::Utf8;
    // Bytes that are neither, by line.
    Problems problems;
};

Decoded decode(QByteArrayView bytes);

}  // namespace csv_text
