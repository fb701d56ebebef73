// Checks a ticket plug-in the way the library reads it and, on request,
// draws its ticket into a PNG file, so an author sees at once which line is
// wrong or what the ticket looks like.
//
//   ticket_check plugin.4SP [--png out.png] [--scale 3] [--stop 市民病院前]
//                [--route 121] [--stopno 5] [--ticket 5] [--company 0]
//                [--date 05-13-2024] [--time 14:05:00]
#include <QCommandLineParser>
#include <QDate>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTime>

#include <cstdio>

#include "zfp4res/src/TicketDraw.h"
#include "zfp4res/src/TicketPlugin.h"

namespace {

void print(const QString& text) { std::fputs(text.toUtf8().constData(), stdout); }

QString yesNo(bool value) { return value ? QStringLiteral("yes") : QStringLiteral("no"); }

}  // namespace

int main(int argc, char** argv) {
    // It only draws into an image, so it needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral("Checks a ticket plug-in (*.4SP) and draws its ticket."));
    options.addHelpOption();
    options.addPositionalArgument(QStringLiteral("plugin"), QStringLiteral("the *.4SP file"));
    const QCommandLineOption png(QStringLiteral("png"), QStringLiteral("Draw the ticket into this PNG file."), QStringLiteral("file"));
    const QCommandLineOption scale(QStringLiteral("scale"), QStringLiteral("Pixels per preview pixel (1 to 8)."), QStringLiteral("n"), QStringLiteral("1"));
    const QCommandLineOption stop(QStringLiteral("stop"), QStringLiteral("Stop name."), QStringLiteral("name"), QStringLiteral("市民病院前"));
    const QCommandLineOption route(QStringLiteral("route"), QStringLiteral("Route number."), QStringLiteral("n"), QStringLiteral("121"));
    const QCommandLineOption stopNo(QStringLiteral("stopno"), QStringLiteral("Stop number, from 1."), QStringLiteral("n"), QStringLiteral("5"));
    const QCommandLineOption ticketNo(QStringLiteral("ticket"), QStringLiteral("Ticket number."), QStringLiteral("n"), QStringLiteral("5"));
    const QCommandLineOption company(QStringLiteral("company"), QStringLiteral("Company index, -1 for none."), QStringLiteral("n"), QStringLiteral("-1"));
    const QCommandLineOption date(QStringLiteral("date"), QStringLiteral("Date, mm-dd-yyyy."), QStringLiteral("text"),
                                  QDate::currentDate().toString(u"MM-dd-yyyy"));
    const QCommandLineOption time(QStringLiteral("time"), QStringLiteral("Time, hh:mm:ss."), QStringLiteral("text"),
                                  QTime::currentTime().toString(u"HH:mm:ss"));
    options.addOptions({png, scale, stop, route, stopNo, ticketNo, company, date, time});
    options.process(app);
    if (options.positionalArguments().size() != 1) options.showHelp(2);

    const QString path = options.positionalArguments().front();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        print(QStringLiteral("%1: cannot be opened\n").arg(path));
        return 1;
    }
    const ticket::ParseResult result = ticket::parsePlugin(file.read(ticket::limits::kFileBytes + 1));
    if (!result.plugin) {
        print(result.line > 0 ? QStringLiteral("%1:%2: %3\n").arg(path).arg(result.line).arg(result.error)
                              : QStringLiteral("%1: %2\n").arg(path, result.error));
        return 1;
    }
    const ticket::Plugin& p = *result.plugin;
    print(QStringLiteral("%1: a usable plug-in\n").arg(path));
    print(QStringLiteral("  ticket %1 x %2 twips (%3 x %4 pixels)\n").arg(p.width).arg(p.height).arg(p.width / 15.0).arg(p.height / 15.0));
    print(QStringLiteral("  prints date %1, time %2, route %3, stop name %4, barcodes %5\n")
              .arg(yesNo(p.printDate), yesNo(p.printTime), yesNo(p.printRoute), yesNo(p.printStopName))
              .arg(p.barcodeCount));
    print(QStringLiteral("  routes 1 to %1, stops %2 to %3\n").arg(p.routeMax).arg(p.stopFrom).arg(p.stopTo));
    if (p.barcodeCount > 0)
        print(QStringLiteral("  barcode route %1\n").arg(p.barcodeSerial ? QStringLiteral("serial") : QStringLiteral("route-and-direction")));
    print(QStringLiteral("  company switch %1, company names: %2\n").arg(yesNo(p.companySwitch), p.companies.join(QStringLiteral(" / "))));

    if (options.isSet(png)) {
        const int factor = qBound(1, options.value(scale).toInt(), 8);
        QImage image(qCeil(p.width / 15.0) * factor, qCeil(p.height / 15.0) * factor, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.scale(factor, factor);
        ticket::DrawRequest request;
        request.stopName = options.value(stop);
        request.dateText = options.value(date);
        request.timeText = options.value(time);
        request.route = options.value(route).toInt();
        request.ticket = options.value(ticketNo).toInt();
        request.stopNo = options.value(stopNo).toInt();
        request.companyIndex = options.value(company).toInt();
        ticket::drawTicket(painter, p, request);
        painter.end();
        if (!image.save(options.value(png))) {
            print(QStringLiteral("%1: cannot be written\n").arg(options.value(png)));
            return 1;
        }
    }
    return 0;
}
