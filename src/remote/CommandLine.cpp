#include "remote/CommandLine.h"

namespace command_line {
namespace {

// Option, the action, and the values it takes (empty: none).
struct Option {
    const char* name;
    const char* method;
    QStringList values;
};

const std::vector<Option>& options() {
    static const std::vector<Option> list{
        {"--next", "NextStop", {}},
        {"--back", "PreviousStop", {}},
        {"--announce", "NextAnnouncement", {}},
        {"--announce-back", "PreviousAnnouncement", {}},
        {"--silence", "StopSpeaking", {}},
        {"--late-night", "SetLateNight", {u"on"_qs, u"off"_qs}},
        // Not --display: Qt takes that for the X display.
        {"--blank", "SetDisplayOff", {u"on"_qs, u"off"_qs}},
        {"--backlight", "SetBacklight", {u"off"_qs, u"on1"_qs, u"on2"_qs}},
        {"--preview", "SetPreview", {u"open"_qs, u"close"_qs}},
        {"--show", "Show", {}},
    };
    return list;
}

}  // namespace

Parsed parse(const QStringList& arguments) {
    Parsed parsed;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (arg == u"--help"_qs || arg == u"-h"_qs) {
            parsed.help = true;
            continue;
        }
        if (arg == u"--route"_qs) {
            const QString route = arguments.value(i + 1);
            QString section = u"1"_qs;
            i += 1;
            if (arguments.value(i + 1) == u"--section"_qs) {
                section = arguments.value(i + 2);
                i += 2;
            }
            if (route.isEmpty() || section.isEmpty()) {
                parsed.error = u"--route takes a route number, and --section after it a section"_qs;
                return parsed;
            }
            parsed.actions.push_back({u"SetRoute"_qs, {route, section}});
            continue;
        }
        const auto option = std::find_if(options().begin(), options().end(),
                                         [&](const Option& o) { return arg == QLatin1String(o.name); });
        if (option == options().end()) {
            parsed.error = arg == u"--section"_qs ? u"--section goes after --route NUMBER"_qs
                                                  : QStringLiteral("unknown argument %1").arg(arg);
            return parsed;
        }
        Action action{QString::fromLatin1(option->method), {}};
        if (!option->values.isEmpty()) {
            const QString value = arguments.value(++i).toLower();
            if (!option->values.contains(value)) {
                parsed.error = QStringLiteral("%1 takes %2").arg(arg, option->values.join(u" or "_qs));
                return parsed;
            }
            if (action.method == u"SetBacklight"_qs) action.args = {value.toUpper()};
            else action.args = {value == option->values.first()};
        }
        parsed.actions.push_back(action);
    }
    return parsed;
}

QString usage() {
    return QStringLiteral(R"(Usage: X9-000 [actions]

Starts the fare board, or, when it is running already, hands the actions to
the running one (over the session bus) and ends.

Actions, done in the order given:
  --route N [--section S]   set route N from section S (default 1), as the
                            keypad's 系統 N 区間 S and リセット
  --next, --back            the next or the previous stop (データ送り, データ戻し)
  --announce                the next announcement (送り)
  --announce-back           the previous announcement (戻し)
  --silence                 stop speaking (■)
  --late-night on|off       late-night fares (深夜料金)
  --blank on|off            blank the board (表示消去) or show it again
  --backlight off|on1|on2   the backlight
  --preview open|close      the ticket preview
  --show                    bring the panel and the board to the front
  --help                    this text

Exit status: 0 done, 1 an action was refused (the reason is printed), 2 wrong
usage.
)");
}

}  // namespace command_line
