#pragma once

#include <QDate>
#include <QString>
#include <QTime>

#include <optional>
#include <vector>

// The texts and barcode data of a ticket layout: literal text with
// placeholders such as {stop} or {route:3}, compiled once when the plug-in
// is read and filled in at every drawing.
namespace ticket {

enum class Field : unsigned char {
    Literal,
    Date,     // yyyy.mm.dd
    Year,     // 2024
    Yy,       // 24
    Month,
    Day,
    Time,     // hh:mm
    Hour,
    Minute,
    Second,
    Route,    // the route number as the panel gives it
    Line,     // the route number without its last digit
    Dir,      // the last digit: the outward/return flag
    Stop,     // the stop name
    StopNo,   // the stop number, from 1
    Ticket,   // the ticket number
    Company,  // the chosen company name
};

// What one drawing fills the placeholders with.
struct TicketValues {
    std::optional<QDate> date;  // none when the date text is not a date
    std::optional<QTime> time;
    int route = 0;
    int ticket = 0;
    int stopNo = 0;
    QString stop;
    QString company;
};

// The date the panel hands over, mm-dd-yyyy (m-d-yyyy and '/' accepted).
std::optional<QDate> parseTicketDate(QStringView text);
// hh:mm:ss or hh:mm, 24-hour.
std::optional<QTime> parseTicketTime(QStringView text);

class Template {
public:
    enum class Use { Text, Barcode };

    // Compiles `source`; on failure returns nothing and says why in `error`.
    // Barcode data may hold only NW-7 characters and numbers of a fixed
    // width, between a start and a stop character A..D.
    static std::optional<Template> compile(QStringView source, Use use, QString& error);

    bool uses(Field field) const;
    bool usesAnyOf(std::initializer_list<Field> fields) const;

    // The filled-in text, or nothing when a value is missing (a date that is
    // not a date) or, in barcode data, does not fit its field.
    std::optional<QString> expand(const TicketValues& values) const;

private:
    struct Piece {
        Field field = Field::Literal;
        int width = 0;  // zero-fill width of a number, most characters of a text; 0: none given
        QString literal;
    };
    std::vector<Piece> pieces_;
    Use use_ = Use::Text;
};

}  // namespace ticket
