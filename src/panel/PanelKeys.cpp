#include "panel/PanelKeys.h"

#include <QStringList>

#include "panel/PanelRules.h"

namespace panel_keys {

const std::vector<Binding>& bindings() {
    static const std::vector<Binding> table = [] {
        std::vector<Binding> keys;
        // The digit keys of the main keyboard and of the numeric keypad send the same key.
        for (int d = 0; d <= 9; ++d) keys.push_back({Qt::Key_0 + d, d, QString::number(d)});
        // On the numeric keypad / and * lie side by side as 系統 and 区間 do on the panel.
        keys.insert(keys.end(), {
            {Qt::Key_R, Keypad::kRouteKey, QStringLiteral("R")},
            {Qt::Key_Slash, Keypad::kRouteKey, QStringLiteral("/")},
            {Qt::Key_S, Keypad::kSectionKey, QStringLiteral("S")},
            {Qt::Key_Asterisk, Keypad::kSectionKey, QStringLiteral("*")},
            {Qt::Key_Return, SetRoute, QStringLiteral("Enter")},
            {Qt::Key_Enter, SetRoute, QStringLiteral("Enter")},
            {Qt::Key_Left, StepBack, QStringLiteral("←")},
            {Qt::Key_PageUp, StepBack, QStringLiteral("PageUp")},
            {Qt::Key_Right, StepForward, QStringLiteral("→")},
            {Qt::Key_PageDown, StepForward, QStringLiteral("PageDown")},
            {Qt::Key_Backspace, AnnounceBack, QStringLiteral("BackSpace")},
            {Qt::Key_Space, AnnounceNext, QStringLiteral("Space")},
            {Qt::Key_Escape, AnnounceStop, QStringLiteral("Esc")},
            {Qt::Key_N, LateNight, QStringLiteral("N")},
            {Qt::Key_D, DisplayOff, QStringLiteral("D")},
            {Qt::Key_B, BacklightNext, QStringLiteral("B")},
            {Qt::Key_P, Preview, QStringLiteral("P")},
        });
        return keys;
    }();
    return table;
}

int controlFor(int key, Qt::KeyboardModifiers modifiers) {
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return -1;
    for (const Binding& binding : bindings())
        if (binding.key == key) return binding.control;
    return -1;
}

QString tip(int control) {
    QStringList names;
    for (const Binding& binding : bindings())
        if (binding.control == control) names << binding.name;
    // Both Enter keys show once.
    names.removeDuplicates();
    return names.isEmpty() ? QString() : QStringLiteral("キー: ") + names.join(QStringLiteral(", "));
}

bool navigates(int key) {
    switch (key) {
    case Qt::Key_Left: case Qt::Key_Right: case Qt::Key_Up: case Qt::Key_Down:
    case Qt::Key_PageUp: case Qt::Key_PageDown: case Qt::Key_Home: case Qt::Key_End:
        return true;
    default:
        return false;
    }
}

}  // namespace panel_keys
