#include "formats/Csv.h"

#include <optional>

namespace csv {
namespace {

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }
bool isLineEnd(QChar c) { return c == u'\r' || c == u'\n'; }

bool isBlankRow(const QStringList& fields) {
    for (const QString& f : fields)
        if (!f.trimmed().isEmpty()) return false;
    return true;
}

class Reader {
public:
    explicit Reader(QStringView text) : text_(text) {}

    Table read() {
        Table table;
        while (at_ < text_.size()) {
            Row row{line_, {}};
            if (readRow(row.fields, table.problems) && !isBlankRow(row.fields)) table.rows.push_back(std::move(row));
        }
        return table;
    }

private:
    bool atEnd() const { return at_ >= text_.size(); }
    QChar current() const { return text_[at_]; }

    // Past one line ending: CR LF, LF or CR.
    void skipLineEnd() {
        if (current() == u'\r' && at_ + 1 < text_.size() && text_[at_ + 1] == u'\n') ++at_;
        ++at_;
        ++line_;
    }

    // Reads one row up to and past its line ending; false when it is malformed,
    // after which reading goes on at the next line.
    bool readRow(QStringList& fields, Problems& problems) {
        while (true) {
            const int number = int(fields.size()) + 1;
            const std::optional<QString> f =
                !atEnd() && current() == u'"' ? quotedField(number, problems) : plainField(number, problems);
            if (!f) {
                skipRestOfLine();
                return false;
            }
            fields << *f;
            if (atEnd()) return true;
            if (current() == u',') {
                ++at_;
                continue;
            }
            skipLineEnd();
            return true;
        }
    }

    std::optional<QString> plainField(int number, Problems& problems) {
        const qsizetype start = at_;
        for (; !atEnd() && current() != u',' && !isLineEnd(current()); ++at_) {
            if (current() == u'"') {
                problems.push_back({line_, QStringLiteral("field %1: a quotation mark inside a field that does not "
                                                          "start with one; enclose the field in quotation marks and "
                                                          "write the mark twice")
                                               .arg(number)});
                return std::nullopt;
            }
        }
        return text_.sliced(start, at_ - start).toString();
    }

    std::optional<QString> quotedField(int number, Problems& problems) {
        const int openedOn = line_;
        ++at_;
        QString value;
        while (true) {
            if (atEnd()) {
                problems.push_back({openedOn, QStringLiteral("field %1: the quotation mark that opens it is never closed")
                                                  .arg(number)});
                return std::nullopt;
            }
            const QChar c = current();
            if (c == u'"') {
                if (at_ + 1 < text_.size() && text_[at_ + 1] == u'"') {
                    value += u'"';
                    at_ += 2;
                    continue;
                }
                ++at_;
                break;
            }
            if (isLineEnd(c)) {
                // The line break is part of the value, as written.
                const qsizetype start = at_;
                skipLineEnd();
                value += text_.sliced(start, at_ - start);
                continue;
            }
            value += c;
            ++at_;
        }
        while (!atEnd() && isBlank(current())) ++at_;
        if (!atEnd() && current() != u',' && !isLineEnd(current())) {
            problems.push_back({line_, QStringLiteral("field %1: text after its closing quotation mark").arg(number)});
            return std::nullopt;
        }
        return value;
    }

    void skipRestOfLine() {
        while (!atEnd() && !isLineEnd(current())) ++at_;
        if (!atEnd()) skipLineEnd();
    }

    QStringView text_;
    qsizetype at_ = 0;
    int line_ = 1;
};

}  // namespace

Table parse(QStringView text) { return Reader(text).read(); }

QString field(const QString& value) {
    const bool quote = value.contains(u',') || value.contains(u'"') || value.contains(u'\r') || value.contains(u'\n');
    if (!quote) return value;
    QString doubled = value;
    doubled.replace(u'"', QStringLiteral("\"\""));
    return u'"' + doubled + u'"';
}

}  // namespace csv
