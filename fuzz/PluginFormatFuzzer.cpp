// Feeds arbitrary bytes to the ticket plug-in reader as a *.4SP file; what
// it accepts is drawn twice, once in range and once out of range with a date
// and time that are not ones, so the placeholders and barcodes run too.
#include <QByteArrayView>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstddef>
#include <cstdint>

#include "zfp4res/src/TicketDraw.h"
#include "zfp4res/src/TicketPlugin.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Drawing text needs the application's font database.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "plugin_format_fuzzer";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const ticket::ParseResult result =
        ticket::parsePlugin(QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (!result.plugin) return 0;
    const ticket::Plugin& plugin = *result.plugin;
    // A quarter size keeps every element in play at a fraction of the pixels.
    static QImage image(128, 128, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.scale(0.25, 0.25);
    ticket::DrawRequest request;
    request.stopName = QStringLiteral("市民病院前");
    request.dateText = QStringLiteral("05-13-2024");
    request.timeText = QStringLiteral("14:05:09");
    request.route = plugin.routeMax;
    request.ticket = 123;
    request.stopNo = plugin.stopTo;
    request.companyIndex = static_cast<int>(size % 4) - 1;
    ticket::drawTicket(painter, plugin, request);
    request.dateText = QStringLiteral("13-45-2024");
    request.timeText = QStringLiteral("later");
    request.route = plugin.routeMax + 1;
    request.stopNo = -1;
    request.ticket = -32768;
    ticket::drawTicket(painter, plugin, request);
    return 0;
}
