#include "options/SetPlgin.h"

#include <QListWidget>

#include "sibling/Sibling.h"
#include "platform/Twips.h"

namespace {

QString yesNo(bool set) { return set ? QStringLiteral("---> 可能") : QStringLiteral("---> 不可"); }

}  // namespace

qint32 SetPlgin(const QString& path, QListWidget& capabilities, QWidget& remarks, QWidget& preview,
                QWidget& companies) {
    if (path.isEmpty()) return 0;
    PlgInfo info{};
    if (Sibling::ZF4_GetPlgInfo(path, info) == 0) return 0;
    Sibling::ZF4_SetPlgComment(path, &remarks);

    // A flag counts only when it is exactly 1; the company switch from 1 up.
    capabilities.clear();
    capabilities.addItem(QStringLiteral("日付の印字 ") + yesNo(info.PrintDate == 1));
    capabilities.addItem(QStringLiteral("時刻の印字 ") + yesNo(info.PrintTime == 1));
    capabilities.addItem(QStringLiteral("系統番号の印字 ") + yesNo(info.PrintRouteNum == 1));
    capabilities.addItem(QStringLiteral("停名の印字 ") + yesNo(info.PrintStopName == 1));
    capabilities.addItem(QStringLiteral("バーコード印字 ") + yesNo(info.PrintBarcode == 1));
    if (info.PrintBarcode == 1) {
        capabilities.addItem(QStringLiteral("バーコード本数 ---> ") + QString::number(info.BarcodeCount));
        capabilities.addItem(QStringLiteral("バーコード系統方式 ") +
                             (info.BarcodeRouteMode == 1 ? QStringLiteral("---> 連番式")
                                                         : QStringLiteral("---> 系統番号＋往復フラグ")));
        capabilities.addItem(QStringLiteral("設定可能な系統範囲 ---> 1 ～ ") + QString::number(info.RouteNumMax));
        capabilities.addItem(QStringLiteral("停留所認識範囲 ---> ") + QString::number(info.StopRangeFrom) +
                             QStringLiteral(" ～ ") + QString::number(info.StopRangeTo));
    }
    capabilities.addItem(QStringLiteral("社名切り替え:") + yesNo(info.CorpSwitch >= 1));

    // The plug-in gives the ticket's size in the panel's units, twips.
    preview.resize(twips::toPixels(info.PrevWidth), twips::toPixels(info.PrevHeight));
    if (info.CorpSwitch >= 1) Sibling::ZF4_SetCorpAddList(path, &companies);
    return 2;
}
