#include "fares/DataIo.h"

#include <cmath>

int SetStopData(StopTable& table, int stop, int column, const QString& value) {
    using namespace data_io;
    if (!isCell(stop, column)) return runtime_error::SubscriptOutOfRange;
    if (column == kNameColumn) {
        table[stop].Chimei = value;
        return 0;
    }
    bool isNumber = false;
    const double number = value.trimmed().toDouble(&isNumber);
    if (!isNumber) return runtime_error::TypeMismatch;
    const double rounded = std::nearbyint(number);  // banker's rounding, as a 16-bit conversion does
    if (rounded < -32768 || rounded > 32767) return runtime_error::Overflow;
    return SetStopData(table, stop, column, static_cast<qint16>(rounded));
}

void ClearStopData(StopTable& table) {
    for (int stop = 1; stop <= StopTable::kStopCount; ++stop) table[stop] = StopRecord{};
}
