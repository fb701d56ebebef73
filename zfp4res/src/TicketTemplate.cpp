#include "zfp4res/src/TicketTemplate.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>

namespace ticket {
namespace {

struct FieldName {
    const char16_t* name;
    Field field;
};

constexpr std::array kFieldNames{
    FieldName{u"date", Field::Date},       FieldName{u"year", Field::Year},     FieldName{u"yy", Field::Yy},
    FieldName{u"month", Field::Month},     FieldName{u"day", Field::Day},       FieldName{u"time", Field::Time},
    FieldName{u"hour", Field::Hour},       FieldName{u"minute", Field::Minute}, FieldName{u"second", Field::Second},
    FieldName{u"route", Field::Route},     FieldName{u"line", Field::Line},     FieldName{u"dir", Field::Dir},
    FieldName{u"stop", Field::Stop},       FieldName{u"stopno", Field::StopNo}, FieldName{u"ticket", Field::Ticket},
    FieldName{u"company", Field::Company},
};

// Texts are cut here even without a width, so a long stop name stays bounded.
constexpr int kMaxNameChars = 64;
constexpr int kMaxNumberWidth = 10;
// More than a reader takes in one NW-7 symbol on a ticket.
constexpr int kMaxBarcodeChars = 40;

bool isText(Field field) { return field == Field::Stop || field == Field::Company; }
bool isComposite(Field field) { return field == Field::Date || field == Field::Time; }

// Characters NW-7 encodes between its start and stop characters.
bool isCodabarData(QChar c) { return (c >= u'0' && c <= u'9') || QStringView(u"-$:/.+").contains(c); }
bool isCodabarGuard(QChar c) { return c >= u'A' && c <= u'D'; }

std::optional<Field> fieldNamed(QStringView name) {
    for (const auto& entry : kFieldNames)
        if (name == QStringView(entry.name)) return entry.field;
    return std::nullopt;
}

std::optional<qint64> numberOf(Field field, const TicketValues& v) {
    switch (field) {
    case Field::Year: return v.date ? std::optional<qint64>(v.date->year()) : std::nullopt;
    case Field::Yy: return v.date ? std::optional<qint64>(v.date->year() % 100) : std::nullopt;
    case Field::Month: return v.date ? std::optional<qint64>(v.date->month()) : std::nullopt;
    case Field::Day: return v.date ? std::optional<qint64>(v.date->day()) : std::nullopt;
    case Field::Hour: return v.time ? std::optional<qint64>(v.time->hour()) : std::nullopt;
    case Field::Minute: return v.time ? std::optional<qint64>(v.time->minute()) : std::nullopt;
    case Field::Second: return v.time ? std::optional<qint64>(v.time->second()) : std::nullopt;
    case Field::Route: return v.route;
    case Field::Line: return v.route / 10;
    case Field::Dir: return v.route % 10;
    case Field::StopNo: return v.stopNo;
    case Field::Ticket: return v.ticket;
    default: return std::nullopt;
    }
}

QString zeroFilled(qint64 value, int width) {
    const QString digits = QString::number(value < 0 ? -value : value).rightJustified(width, u'0');
    return value < 0 ? u'-' + digits : digits;
}

}  // namespace

std::optional<QDate> parseTicketDate(QStringView text) {
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,2})[-/](\\d{1,2})[-/](\\d{4})$"));
    const auto match = pattern.match(text.trimmed());
    if (!match.hasMatch()) return std::nullopt;
    const QDate date(match.capturedView(3).toInt(), match.capturedView(1).toInt(), match.capturedView(2).toInt());
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

std::optional<QTime> parseTicketTime(QStringView text) {
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,2}):(\\d{2})(?::(\\d{2}))?$"));
    const auto match = pattern.match(text.trimmed());
    if (!match.hasMatch()) return std::nullopt;
    const QTime time(match.capturedView(1).toInt(), match.capturedView(2).toInt(), match.capturedView(3).toInt());
    return time.isValid() ? std::optional<QTime>(time) : std::nullopt;
}

std::optional<Template> Template::compile(QStringView source, Use use, QString& error) {
    Template result;
    result.use_ = use;
    QString literal;
    const auto flushLiteral = [&] {
        if (!literal.isEmpty()) result.pieces_.push_back({Field::Literal, 0, literal});
        literal.clear();
    };
    for (qsizetype i = 0; i < source.size(); ++i) {
        const QChar c = source[i];
        if (c == u'}') {
            if (i + 1 < source.size() && source[i + 1] == u'}') {
                literal += c;
                ++i;
                continue;
            }
            error = QStringLiteral("a '}' without its '{' (write }} for the character itself)");
            return std::nullopt;
        }
        if (c != u'{') {
            literal += c;
            continue;
        }
        if (i + 1 < source.size() && source[i + 1] == u'{') {
            literal += c;
            ++i;
            continue;
        }
        const qsizetype close = source.indexOf(u'}', i + 1);
        if (close < 0) {
            error = QStringLiteral("a '{' without its '}' (write {{ for the character itself)");
            return std::nullopt;
        }
        const QString inside = source.sliced(i + 1, close - i - 1).toString().normalized(QString::NormalizationForm_KC);
        const QStringView name = QStringView(inside).left(inside.indexOf(u':')).trimmed();
        const auto field = fieldNamed(name.toString().toLower());
        if (!field) {
            error = QStringLiteral("unknown placeholder {%1}").arg(inside);
            return std::nullopt;
        }
        int width = 0;
        if (const qsizetype colon = inside.indexOf(u':'); colon >= 0) {
            bool ok = false;
            width = QStringView(inside).sliced(colon + 1).trimmed().toInt(&ok);
            const int most = isText(*field) ? kMaxNameChars : kMaxNumberWidth;
            if (!ok || width < 1 || width > most || isComposite(*field)) {
                error = isComposite(*field) ? QStringLiteral("{%1} takes no width").arg(name)
                                            : QStringLiteral("the width in {%1} must be 1 to %2").arg(inside).arg(most);
                return std::nullopt;
            }
        }
        flushLiteral();
        result.pieces_.push_back({*field, width, {}});
        i = close;
    }
    flushLiteral();
    if (result.pieces_.empty()) {
        error = QStringLiteral("the text is empty");
        return std::nullopt;
    }
    if (use == Use::Barcode) {
        // Start and stop characters frame the data; between them only digits,
        // the NW-7 signs and fixed-width numbers, so the symbol has one length.
        auto& pieces = result.pieces_;
        for (auto& piece : pieces) piece.literal = piece.literal.toUpper();
        const bool framed = pieces.front().field == Field::Literal && pieces.back().field == Field::Literal &&
                            isCodabarGuard(pieces.front().literal.front()) &&
                            isCodabarGuard(pieces.back().literal.back()) &&
                            (pieces.size() > 1 || pieces.front().literal.size() > 1);
        if (!framed) {
            error = QStringLiteral("barcode data must begin and end with one of A, B, C, D");
            return std::nullopt;
        }
        qsizetype length = 0;
        for (size_t p = 0; p < pieces.size(); ++p) {
            Piece& piece = pieces[p];
            if (piece.field == Field::Dir && piece.width == 0) piece.width = 1;  // a single digit by nature
            length += piece.field == Field::Literal ? piece.literal.size() : piece.width;
            if (piece.field == Field::Literal) {
                const qsizetype first = p == 0 ? 1 : 0;
                const qsizetype last = piece.literal.size() - (p + 1 == pieces.size() ? 1 : 0);
                for (qsizetype k = first; k < last; ++k)
                    if (!isCodabarData(piece.literal[k])) {
                        error = QStringLiteral("'%1' cannot be in NW-7 barcode data (digits and - $ : / . + only)")
                                    .arg(piece.literal[k]);
                        return std::nullopt;
                    }
            } else if (isText(piece.field) || isComposite(piece.field)) {
                error = QStringLiteral("a barcode holds numbers only; use {year} {month} {day} {hour} ... instead of "
                                       "{date}, {time}, {stop} or {company}");
                return std::nullopt;
            } else if (piece.width == 0) {
                error = QStringLiteral("numbers in a barcode need a width, such as {stopno:3}");
                return std::nullopt;
            }
        }
        if (length > kMaxBarcodeChars) {
            error = QStringLiteral("barcode data is longer than %1 characters").arg(kMaxBarcodeChars);
            return std::nullopt;
        }
    }
    return result;
}

bool Template::uses(Field field) const {
    return std::any_of(pieces_.begin(), pieces_.end(), [&](const Piece& p) { return p.field == field; });
}

bool Template::usesAnyOf(std::initializer_list<Field> fields) const {
    return std::any_of(fields.begin(), fields.end(), [&](Field f) { return uses(f); });
}

std::optional<QString> Template::expand(const TicketValues& values) const {
    QString out;
    for (const Piece& piece : pieces_) {
        switch (piece.field) {
        case Field::Literal: out += piece.literal; break;
        case Field::Date:
            if (!values.date) return std::nullopt;
            out += values.date->toString(u"yyyy.MM.dd");
            break;
        case Field::Time:
            if (!values.time) return std::nullopt;
            out += values.time->toString(u"HH:mm");
            break;
        case Field::Stop:
        case Field::Company: {
            const QString& text = piece.field == Field::Stop ? values.stop : values.company;
            out += text.left(piece.width ? piece.width : kMaxNameChars);
            break;
        }
        default: {
            const auto number = numberOf(piece.field, values);
            if (!number) return std::nullopt;
            const QString digits = zeroFilled(*number, piece.width);
            // A barcode field has one length; a number that does not fit it
            // would shift every field after it.
            if (use_ == Use::Barcode && (*number < 0 || digits.size() > piece.width)) return std::nullopt;
            out += digits;
        }
        }
    }
    return out;
}

}  // namespace ticket
