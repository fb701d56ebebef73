#include "formats/BroadcastFile.h"

#include <QFile>

#include "formats/Cp932.h"
#include "formats/TextLines.h"

namespace broadcast_file {

namespace {

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

// The fields of one line; nothing for an unclosed quotation.
std::optional<std::vector<QString>> fields(QStringView line) {
    std::vector<QString> result;
    qsizetype i = 0;
    while (true) {
        while (i < line.size() && isBlank(line[i])) ++i;
        QString field;
        if (i < line.size() && line[i] == u'"') {
            const qsizetype close = line.indexOf(u'"', i + 1);
            if (close < 0) return std::nullopt;
            field = line.sliced(i + 1, close - i - 1).toString();
            // Whatever stands between the closing quotation mark and the comma is ignored.
            i = line.indexOf(u',', close);
            if (i < 0) i = line.size();
        } else {
            qsizetype end = line.indexOf(u',', i);
            if (end < 0) end = line.size();
            field = line.sliced(i, end - i).toString();
            while (!field.isEmpty() && isBlank(field.back())) field.chop(1);
            i = end;
        }
        result.push_back(std::move(field));
        if (i >= line.size()) return result;
        ++i;  // the comma
    }
}

// An empty field is 0.
std::optional<qint16> flag(const QString& field) {
    if (field.isEmpty()) return qint16(0);
    bool ok = false;
    const int value = field.toInt(&ok, 10);
    if (!ok || value < -32768 || value > 32767) return std::nullopt;
    return qint16(value);
}

}  // namespace

std::optional<Contents> parse(QByteArrayView bytes) {
    const QString text = cp932::decode(bytes);
    const std::vector<QStringView> all = splitLines(QStringView(text));
    if (all.size() > size_t(MaxLines)) return std::nullopt;
    Contents contents;
    contents.lineCount = qint32(all.size());
    for (QStringView line : all) {
        if (std::all_of(line.begin(), line.end(), isBlank)) continue;
        const auto parts = fields(line);
        if (!parts || parts->size() != 3) return std::nullopt;
        const auto step = flag((*parts)[1]), chime = flag((*parts)[2]);
        if (!step || !chime) return std::nullopt;
        contents.rows.push_back({(*parts)[0], *step, *chime});
    }
    contents.rows.resize(size_t(contents.lineCount));
    return contents;
}

std::optional<Contents> read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxBytes) return std::nullopt;
    const QByteArray bytes = file.read(MaxBytes + 1);
    if (bytes.size() > MaxBytes || file.error() != QFileDevice::NoError) return std::nullopt;
    return parse(bytes);
}

std::optional<QByteArray> write(std::span<const TapeRow> rows) {
    QByteArray bytes;
    for (const TapeRow& row : rows) {
        if (row.Text.contains(u'"') || row.Text.contains(u'\r') || row.Text.contains(u'\n')) return std::nullopt;
        const QByteArray text = cp932::encode(row.Text);
        if (cp932::decode(text) != row.Text) return std::nullopt;
        bytes += '"' + text + "\"," + QByteArray::number(row.StepFlag) + ',' + QByteArray::number(row.ChimeFlag) + "\r\n";
    }
    return bytes;
}

}  // namespace broadcast_file
