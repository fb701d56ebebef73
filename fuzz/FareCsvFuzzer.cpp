// Feeds arbitrary bytes to the fare table import of hy3tool. A table that
// imports without problems must export and import again to the same stops.
#include <QByteArrayView>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "hy3tool/CsvText.h"
#include "hy3tool/FareCsv.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const csv_text::Decoded decoded =
        csv_text::decode(QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    const fare_csv::Imported imported = fare_csv::read(decoded.text);
    if (!decoded.problems.empty() || !imported.problems.empty()) return 0;
    const fare_csv::Imported again = fare_csv::read(fare_csv::write(imported.stops));
    if (!again.problems.empty() || again.stops != imported.stops) std::abort();
    return 0;
}
