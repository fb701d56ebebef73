#pragma once

#include <QString>
#include <Qt>

#include <vector>

// The panel's keyboard: which key works which control. One table serves the
// key presses and the tooltips that name the keys.
namespace panel_keys {

// The controls keys work: the keypad's keys by their Keypad number (digits
// 0..9, then 系統 and 区間), then the rest of the panel.
enum Control : int {
    SetRoute = 12,  // リセット of the route entry in front
    StepBack,       // データ戻し
    StepForward,    // データ送り
    AnnounceBack,   // 戻し
    AnnounceNext,   // 送り
    AnnounceStop,   // ■
    LateNight,      // 深夜料金
    DisplayOff,     // 表示消去
    BacklightNext,  // the backlight state after the chosen one, OFF after ON2
    Preview,        // the ticket preview's >> / <<
};

struct Binding {
    int key;  // Qt::Key
    int control;
    QString name;  // as the tooltip and the README show it
};

// Every binding, control by control.
const std::vector<Binding>& bindings();
// The control a key works, or -1. Keys held with Ctrl, Alt or Meta work
// none, so they stay free for the system's own shortcuts.
int controlFor(int key, Qt::KeyboardModifiers modifiers);
// "キー: →, PageDown": the keys of a control, for its tooltip.
QString tip(int control);
// Keys a list, a slider or the company list moves with while it has focus.
bool navigates(int key);

}  // namespace panel_keys
