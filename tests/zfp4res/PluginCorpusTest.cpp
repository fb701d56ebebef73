#include <gtest/gtest.h>

#include "tests/support/CorpusInputs.h"
#include <QImage>
#include <QPainter>

#include "zfp4res/src/TicketDraw.h"
#include "zfp4res/src/TicketPlugin.h"

using namespace ticket;

namespace {

// Replays the fuzzer's seed corpus: every input is either refused with a
// reason or gives a plug-in within the format's bounds whose ticket, drawn
// in and out of range, stays inside its own area.
TEST(PluginCorpus, EveryInputIsRefusedWithAReasonOrDrawsInsideItsTicket) {
    const auto inputs = corpusInputs(QStringLiteral(PLUGIN_CORPUS_DIR));
    ASSERT_FALSE(inputs.empty());
    int usable = 0;
    for (const auto& [name, input] : inputs) {
        const ParseResult result = parsePlugin(input);
        if (!result.plugin) {
            EXPECT_FALSE(result.error.isEmpty()) << name.toStdString();
            EXPECT_GE(result.line, 0) << name.toStdString();
            continue;
        }
        ++usable;
        const Plugin& p = *result.plugin;
        EXPECT_TRUE(p.width >= limits::kTicketTwipsMin && p.width <= limits::kTicketTwipsMax) << name.toStdString();
        EXPECT_TRUE(p.height >= limits::kTicketTwipsMin && p.height <= limits::kTicketTwipsMax) << name.toStdString();
        EXPECT_TRUE(p.stopFrom >= 1 && p.stopFrom <= p.stopTo && p.stopTo <= limits::kStopMax) << name.toStdString();
        EXPECT_LE(p.elements.size(), size_t(limits::kElements)) << name.toStdString();
        EXPECT_LE(p.barcodeCount, limits::kBarcodes) << name.toStdString();
        EXPECT_TRUE(!p.companySwitch || !p.companies.isEmpty()) << name.toStdString();

        // Quarter size, with a margin that must stay untouched.
        const QSize ticket(p.width / 60, p.height / 60);
        for (const bool inRange : {true, false}) {
            QImage image(ticket + QSize(20, 20), QImage::Format_RGB32);
            image.fill(Qt::gray);
            QPainter painter(&image);
            painter.translate(10, 10);
            painter.scale(0.25, 0.25);
            DrawRequest request;
            request.stopName = QStringLiteral("市民病院前");
            request.dateText = inRange ? QStringLiteral("05-13-2024") : QStringLiteral("garbage");
            request.timeText = QStringLiteral("14:05:09");
            request.route = inRange ? p.routeMax : p.routeMax + 1;
            request.stopNo = inRange ? p.stopFrom : p.stopTo + 1;
            request.ticket = 12;
            drawTicket(painter, p, request);
            painter.end();
            const QRect inside(10, 10, ticket.width(), ticket.height());
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    if (inside.adjusted(-1, -1, 1, 1).contains(x, y)) continue;
                    ASSERT_EQ(image.pixel(x, y), QColor(Qt::gray).rgb()) << name.toStdString() << " at " << x << "," << y;
                }
            }
        }
    }
    EXPECT_GT(usable, 0);
    EXPECT_LT(size_t(usable), inputs.size());
}

}  // namespace
