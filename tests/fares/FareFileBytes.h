#pragma once

#include <QByteArray>

#include <initializer_list>
#include <vector>

// Builds fare files byte by byte, independently of the reader under test.
class FareFileBytes {
public:
    explicit FareFileBytes(int count) { int16(count); }

    // A stop record whose name is given as raw code page 932 bytes; fares not
    // given are 0.
    FareFileBytes& stop(const QByteArray& name, int ticket, std::vector<int> fares = {}) {
        int16(int(name.size()));
        bytes_ += name;
        int16(ticket);
        fares.resize(150, 0);
        for (int fare : fares) int16(fare);
        return *this;
    }
    FareFileBytes& raw(const QByteArray& extra) { bytes_ += extra; return *this; }
    QByteArray bytes() const { return bytes_; }

private:
    void int16(int v) { bytes_ += char(v & 0xFF); bytes_ += char((v >> 8) & 0xFF); }
    QByteArray bytes_;
};
