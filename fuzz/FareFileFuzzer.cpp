// Feeds arbitrary bytes to the fare file loader. The first byte chooses the
// start section (1..256), the rest is the file.
#include <QByteArray>

#include <cstddef>
#include <cstdint>

#include "fares/LoadFareData.h"

namespace {

class SilentReporter : public MessageReporter {
public:
    void report(const Message&) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    RouteState route;
    StopTable table;
    SilentReporter messages;
    const QByteArray file(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
    LoadFareBytes(file, QStringLiteral("fuzz.hy3"), 1 + data[0], route, table, messages);
    return 0;
}
