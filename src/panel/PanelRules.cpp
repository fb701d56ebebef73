#include "panel/PanelRules.h"

#include <limits>

#include "formats/Options.h"
#include "formats/StopTable.h"

void Keypad::press(int key) {
    if (key == kRouteKey) {
        KeyTarget = true;
        route.clear();
    } else if (key == kSectionKey) {
        KeyTarget = false;
        section.clear();
    } else if (key >= 0 && key <= 9) {
        QString& display = KeyTarget ? route : section;
        if (display.size() < (KeyTarget ? kRouteLength : kSectionLength)) display.append(QChar(u'0' + key));
    }
}

namespace route_entry {

int leadingValue(const QString& text) {
    qint64 value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9') break;
        value = qMin<qint64>(value * 10 + (c.unicode() - u'0'), std::numeric_limits<int>::max());
    }
    return static_cast<int>(value);
}

qint16 clampSection(int section) {
    if (section <= 0) return 1;
    if (section >= 301) return 300;
    return static_cast<qint16>(section);
}

QString folderWithSeparator(const QString& folder) {
    if (folder.isEmpty() || folder.endsWith(u'/') || folder.endsWith(u'\\')) return folder;
    return folder + u'/';
}

QString ticketDate(const QDate& date) { return date.toString(u"MM-dd-yyyy"); }
QString ticketTime(const QTime& time) { return time.toString(u"HH:mm:ss"); }

QString refreshTicketDate(const Options& options, const QString& routeDate, const QDate& today) {
    if (options.DateAtPrint() != 0) return ticketDate(today);
    if (options.DateAtRouteSet() != 0) return routeDate;
    return options.FixedDate();
}

QString routeSetDate(const Options& options, const QDate& today) {
    if (options.DateAtPrint() != 0 || options.DateAtRouteSet() != 0) return ticketDate(today);
    return options.FixedDate();
}

}  // namespace route_entry

namespace stepping {

std::optional<qint16> steppedIndex(qint16 current, int direction, int heldStops) {
    const int next = current + direction;
    if (next < 0 || next >= heldStops) return std::nullopt;
    return static_cast<qint16>(next);
}

QString stepSound(const Options& options, const StopRecord& stop) {
    if (options.StepSoundAlways() != 0) return options.StepSound();
    const int column = options.StepSoundColumn() + 1;
    if (column < 1 || column > StopRecord::kFareCount) return {};
    switch (stop.Fare(column)) {
    case 1: return options.StepSound1();
    case 2: return options.StepSound2();
    case 3: return options.StepSound3();
    default: return {};
    }
}

qint32 shownFare(qint16 fare, bool lateNight) { return lateNight && fare != -1 ? 2 * qint32(fare) : fare; }

}  // namespace stepping

namespace backlight {

QString errorText(int number) {
    QString detail;
    switch (number) {
    case 7:
    case 28:
    case 51:
        detail = QStringLiteral("　内部的なエラーです。\r\nお手数ですが、このメッセージの内容を販売元までお知らせください。\r\n"
                                "エラー場所：frmCtl.Option4_Click()");
        break;
    case 53:
    case 75:
    case 76: detail = QStringLiteral("　画像ファイルが見つからないか、指定している場所が不正です。"); break;
    case 57:
    case 68: detail = QStringLiteral("　デバイスエラーもしくは準備が出来ていません。"); break;
    case 481: detail = QStringLiteral("　指定した画像の内容が不正です。この部分では扱えません。"); break;
    default: break;
    }
    return QStringLiteral("エラーです。\r\n\r\nエラーコード：") + QString::number(number) + detail;
}

}  // namespace backlight
