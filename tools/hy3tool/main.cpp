// hy3tool: makes fare files from CSV tables and back, shows them, checks
// fare and broadcast data the way the program reads them, and makes routes of
// GTFS-JP feeds.
#include <QCoreApplication>
#include <QStringList>

#include "hy3tool/Commands.h"
#include "hy3tool/Console.h"
#include "hy3tool/GtfsCommand.h"
#include "hy3tool/Usage.h"

namespace {

int usageError(const QString& text) {
    printMessage(text);
    printMessage(QStringLiteral("hy3tool --help lists the commands."));
    return hy3tool::UsageOrFileError;
}

int run(QStringList args) {
    if (args.isEmpty()) {
        printMessage(usageText());
        return hy3tool::UsageOrFileError;
    }
    if (args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"))) {
        writeOutput(usageText().toUtf8());
        return hy3tool::Done;
    }
    const QString command = args.takeFirst();
    if (command == QStringLiteral("gtfs")) return runGtfs(args);
    const bool cp932 = command == QStringLiteral("export") && args.removeAll(QStringLiteral("--cp932")) > 0;
    for (const QString& arg : args)
        if (arg.startsWith(u'-') && arg.size() > 1) return usageError(QStringLiteral("unknown option %1").arg(arg));

    if (command == QStringLiteral("import") && args.size() == 2) return hy3tool::importCsv(args[0], args[1]);
    if (command == QStringLiteral("export") && (args.size() == 1 || args.size() == 2))
        return hy3tool::exportCsv(args[0], args.value(1), cp932);
    if (command == QStringLiteral("check") && args.size() == 1) return hy3tool::check(args[0]);
    if (command == QStringLiteral("show") && args.size() == 1) return hy3tool::show(args[0]);
    if (QStringList{u"import"_qs, u"export"_qs, u"check"_qs, u"show"_qs}.contains(command))
        return usageError(QStringLiteral("%1: wrong number of arguments").arg(command));
    return usageError(QStringLiteral("unknown command %1").arg(command));
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    return run(app.arguments().mid(1));
}
