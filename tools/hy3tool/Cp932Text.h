#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <vector>

// What the program's code page 932 conversion makes of a text, character by
// character: where it cannot read bytes, where it reads a character whose
// bytes it would write differently, and which characters it cannot write.
namespace cp932_text {

struct StoredCharacter {
    // Byte offset in the text.
    qsizetype offset = 0;
    QByteArray stored;
    // For a readable character: what it reads as and the bytes written for it.
    QString character;
    QByteArray standard;
};

struct Reading {
    std::vector<StoredCharacter> undecodable;
    std::vector<StoredCharacter> nonStandard;
};

Reading examine(QByteArrayView bytes);

struct Unwritable {
    QString character;
    // What it would be written as and read back as; empty when it has no form
    // at all (it would become '?').
    QString writtenAs;
};

std::vector<Unwritable> unwritable(QStringView text);

// "0xED 0x40"
QString hex(QByteArrayView bytes);

// "'〜' (U+301C)"
QString describe(const QString& character);

}  // namespace cp932_text
