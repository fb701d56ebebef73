#include "hy3tool/GtfsCommand.h"

#include <QHash>

#include "hy3tool/Commands.h"
#include "hy3tool/Console.h"
#include "hy3tool/GtfsFeedReport.h"
#include "hy3tool/GtfsImport.h"
#include "hy3tool/GtfsList.h"

namespace {

int usageError(const QString& text) {
    printMessage(QStringLiteral("gtfs: ") + text);
    printMessage(QStringLiteral("hy3tool --help lists the commands."));
    return hy3tool::UsageOrFileError;
}

struct Parsed {
    QStringList operands;
    QHash<QString, QString> values;
    QStringList flags;
    QString error;
};

Parsed parse(const QStringList& args, const QStringList& valued, const QStringList& flags) {
    Parsed parsed;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (valued.contains(arg)) {
            if (i + 1 >= args.size()) {
                parsed.error = QStringLiteral("%1 needs a value").arg(arg);
                return parsed;
            }
            parsed.values.insert(arg, args[++i]);
        } else if (flags.contains(arg)) {
            parsed.flags << arg;
        } else if (arg.startsWith(u'-') && arg.size() > 1) {
            parsed.error = QStringLiteral("unknown option %1").arg(arg);
            return parsed;
        } else {
            parsed.operands << arg;
        }
    }
    return parsed;
}

// A whole number from 1 to `max`.
std::optional<int> count(const QString& text, int max) {
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value >= 1 && value <= max ? std::optional<int>(value) : std::nullopt;
}

int list(const QStringList& args) {
    const Parsed p = parse(args, {}, {QStringLiteral("--tsv")});
    if (!p.error.isEmpty()) return usageError(p.error);
    if (p.operands.size() != 1) return usageError(QStringLiteral("list takes one feed"));
    bool problemsFound = false;
    const std::unique_ptr<gtfs::Feed> feed = gtfs_feed_report::open(p.operands[0], gtfs::Part::Timetable, problemsFound);
    if (!feed) return hy3tool::UsageOrFileError;
    writeOutput(gtfs_list::render(*feed, p.flags.contains(QStringLiteral("--tsv"))).toUtf8());
    return problemsFound ? hy3tool::DataProblems : hy3tool::Done;
}

int import(const QStringList& args) {
    const Parsed p = parse(args,
                           {u"--route"_qs, u"--pattern"_qs, u"--trip"_qs, u"--number"_qs, u"--tickets"_qs, u"--out"_qs},
                           {u"--all"_qs});
    if (!p.error.isEmpty()) return usageError(p.error);
    if (p.operands.size() != 1) return usageError(QStringLiteral("import takes one feed"));
    gtfs_import::Request request;
    request.feed = p.operands[0];
    request.out = p.values.value(u"--out"_qs);
    request.all = p.flags.contains(u"--all"_qs);
    request.route = p.values.value(u"--route"_qs);
    request.trip = p.values.value(u"--trip"_qs);
    if (request.out.isEmpty()) return usageError(QStringLiteral("import needs --out DIR"));
    if (request.all == !request.route.isEmpty())
        return usageError(QStringLiteral("import takes either --route ROUTE_ID or --all"));
    const bool routeOnly = p.values.contains(u"--pattern"_qs) || p.values.contains(u"--trip"_qs) ||
                           p.values.contains(u"--number"_qs);
    if (request.all && routeOnly) return usageError(QStringLiteral("--pattern, --trip and --number go with --route"));
    if (p.values.contains(u"--pattern"_qs) && p.values.contains(u"--trip"_qs))
        return usageError(QStringLiteral("give --pattern or --trip, not both"));
    if (p.values.contains(u"--pattern"_qs)) {
        const std::optional<int> k = count(p.values.value(u"--pattern"_qs), 1 << 30);
        if (!k) return usageError(QStringLiteral("--pattern takes a pattern number from 1"));
        request.pattern = *k;
    }
    if (p.values.contains(u"--number"_qs)) {
        request.number = count(p.values.value(u"--number"_qs), 99999);
        if (!request.number || p.values.value(u"--number"_qs).size() > 5)
            return usageError(QStringLiteral("--number takes a route number of 1 to 5 digits, 1 to 99999"));
    }
    if (p.values.contains(u"--tickets"_qs)) {
        const QString tickets = p.values.value(u"--tickets"_qs);
        if (tickets == u"stop"_qs) request.tickets = gtfs_fare_table::Tickets::PerStop;
        else if (tickets == u"fare"_qs) request.tickets = gtfs_fare_table::Tickets::PerFare;
        else return usageError(QStringLiteral("--tickets takes stop or fare"));
    }
    return gtfs_import::run(request);
}

}  // namespace

int runGtfs(QStringList args) {
    if (args.isEmpty()) return usageError(QStringLiteral("list or import?"));
    const QString command = args.takeFirst();
    if (command == u"list"_qs) return list(args);
    if (command == u"import"_qs) return import(args);
    return usageError(QStringLiteral("unknown command %1").arg(command));
}
