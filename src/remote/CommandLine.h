#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>

#include <vector>

// The program's command line: actions on the panel, in the order given, for
// the running program (a second start hands them over) or for this one once
// it has started.
namespace command_line {

struct Action {
    QString method;  // a PanelRemote action, as the bus names it
    QVariantList args;
    bool operator==(const Action&) const = default;
};

struct Parsed {
    std::vector<Action> actions;
    bool help = false;
    // Why the line cannot be used; empty when it can.
    QString error;
};

// The arguments after the program's name.
Parsed parse(const QStringList& arguments);

QString usage();

}  // namespace command_line
