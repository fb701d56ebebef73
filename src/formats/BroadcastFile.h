#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QtGlobal>

#include <optional>
#include <span>
#include <vector>

// A route's broadcast data: one announcement a line, "text,step flag,chime
// flag", in code page 932.
namespace broadcast_file {

struct TapeRow {
    QString Text;
    qint16 StepFlag = 0;
    qint16 ChimeFlag = 0;
};

// A file of more lines or bytes than this is no broadcast data; it is
// refused before it is read into memory.
constexpr qint32 MaxLines = 10000;
constexpr qint64 MaxBytes = 4 * 1024 * 1024;

struct Contents {
    // Lines as a line-by-line read counts them, blank lines included: the
    // list holds this many rows, those beyond the ones read stay empty.
    qint32 lineCount = 0;
    std::vector<TapeRow> rows;
};

// Comma-separated as the data were written: commas and line ends end a field,
// blanks around a field do not count, a field in double quotation marks may
// hold commas, numbers are decimal. Blank lines are skipped. Nothing when a
// line is malformed (a missing or extra field, an unclosed quotation, a flag
// that is no number or does not fit 16 bits).
std::optional<Contents> parse(QByteArrayView bytes);

// Nothing when the file does not open, is too large, or does not parse.
std::optional<Contents> read(const QString& path);

// Lines as parse reads them, each text in quotation marks, CR LF line ends.
// Nothing when a text holds a quotation mark or a line break, which the
// format cannot carry, or a character code page 932 cannot write.
std::optional<QByteArray> write(std::span<const TapeRow> rows);

}  // namespace broadcast_file
