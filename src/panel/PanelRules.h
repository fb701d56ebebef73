#pragma once

#include <QDate>
#include <QString>
#include <QTime>
#include <QtGlobal>

#include <optional>

class Options;
struct StopRecord;

// The panel's rules that need no window: the keypad, the route entry values,
// stepping and what a refresh shows.

// The twelve-key pad: digits 0..9, then 系統 (10) and 区間 (11). Digits go to
// the route number while KeyTarget is true, else to the start section.
struct Keypad {
    static constexpr int kRouteKey = 10;
    static constexpr int kSectionKey = 11;
    static constexpr int kRouteLength = 5;
    static constexpr int kSectionLength = 3;

    QString route;
    QString section;
    // Digits typed before the first 系統 go to the section.
    bool KeyTarget = false;

    void press(int key);
};

namespace route_entry {

// The value of the leading decimal digits; none give 0.
int leadingValue(const QString& text);
// 0 becomes 1 and anything past the last possible section 300.
qint16 clampSection(int section);
// A folder option as the file lookups want it: a separator at its end unless empty.
QString folderWithSeparator(const QString& folder);
// Dates cross to the ticket plug-in as mm-dd-yyyy, times as hh:mm:ss.
QString ticketDate(const QDate& date);
QString ticketTime(const QTime& time);
// The ticket date of a refresh: today, the date kept at route setting, or the fixed date.
QString refreshTicketDate(const Options& options, const QString& routeDate, const QDate& today);
// The date kept at route setting.
QString routeSetDate(const Options& options, const QDate& today);

}  // namespace route_entry

namespace stepping {

// The current stop after a step (+1 next, -1 previous), or nothing when the
// step would leave the `heldStops` records the table holds.
std::optional<qint16> steppedIndex(qint16 current, int direction, int heldStops);
// The stepping sound for arriving at `stop`; empty for none.
QString stepSound(const Options& options, const StopRecord& stop);
// A fare as shown: doubled at night unless missing (-1). Doubling happens in
// 32 bits, so a large fare shows doubled rather than overflowing.
qint32 shownFare(qint16 fare, bool lateNight);

}  // namespace stepping

namespace backlight {

// The backlight handler's trapped-error message for a runtime error number.
QString errorText(int number);

}  // namespace backlight
