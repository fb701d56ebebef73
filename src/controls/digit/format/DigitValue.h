#pragma once

#include <QString>
#include <QVariant>

// What a digit display shows: a number or a text. A text never equals a
// number, so the text "0" is not zero.
class DigitValue {
public:
    DigitValue() = default;
    static DigitValue number(double value) { return DigitValue(value); }
    static DigitValue text(const QString& value) { return DigitValue(value); }
    // Numbers of any numeric type become numbers, everything else text.
    static DigitValue fromVariant(const QVariant& value);

    bool isNumber() const { return isNumber_; }
    bool isText() const { return !isNumber_; }
    bool isEmptyText() const { return !isNumber_ && text_.isEmpty(); }
    bool equals(double value) const { return isNumber_ && number_ == value; }
    double numberValue() const { return number_; }
    const QString& textValue() const { return text_; }

    // A number, or a text that reads as one.
    bool isNumeric() const;
    // The number, or the number a numeric text reads as (0 otherwise).
    double numericValue() const;
    // The text itself, or the number in plain decimal form.
    QString toText() const;
    QVariant toVariant() const;

    friend bool operator==(const DigitValue&, const DigitValue&) = default;

private:
    explicit DigitValue(double value) : isNumber_(true), number_(value) {}
    explicit DigitValue(const QString& value) : isNumber_(false), text_(value) {}

    bool isNumber_ = true;
    double number_ = 0;
    QString text_;
};
