#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTextEdit>

#include "zfp4res/src/Buffers.h"
#include "zfp4res/src/PluginCache.h"
#include "zfp4res/src/TicketDraw.h"
#include "zfp4res/ZFP4Res.h"

namespace {

std::shared_ptr<const ticket::Plugin> pluginAt(const char* path) { return ticket::cachedPlugin(buffers::readText(path)); }

}  // namespace

extern "C" {

ZFP4RES_API int32_t ZF4_GetPlgInfo(const char* path, PlgInfo* info) {
    if (!info) return 0;
    const auto plugin = pluginAt(path);
    if (!plugin) return 0;
    info->InfoHead = plugin->formatVersion;
    info->PrevWidth = plugin->width;
    info->PrevHeight = plugin->height;
    info->PrintDate = plugin->printDate;
    info->PrintTime = plugin->printTime;
    info->PrintRouteNum = plugin->printRoute;
    info->PrintStopName = plugin->printStopName;
    info->PrintBarcode = plugin->barcodeCount > 0;
    info->BarcodeCount = plugin->barcodeCount;
    info->RouteNumMax = plugin->routeMax;
    info->BarcodeRouteMode = plugin->barcodeSerial;
    info->StopRangeFrom = plugin->stopFrom;
    info->StopRangeTo = plugin->stopTo;
    info->CorpSwitch = plugin->companySwitch;
    return 1;
}

ZFP4RES_API void ZF4_SetPlgComment(const char* path, void* textBox) {
    auto* widget = static_cast<QWidget*>(textBox);
    if (!widget) return;
    const auto plugin = pluginAt(path);
    if (!plugin) return;
    if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) plain->setPlainText(plugin->remarks);
    else if (auto* rich = qobject_cast<QTextEdit*>(widget)) rich->setPlainText(plugin->remarks);
    else if (auto* line = qobject_cast<QLineEdit*>(widget)) line->setText(QString(plugin->remarks).replace(u'\n', u' '));
    else if (auto* label = qobject_cast<QLabel*>(widget)) label->setText(plugin->remarks);
}

ZFP4RES_API void ZF4_SetCorpAddList(const char* path, void* list) {
    auto* widget = static_cast<QWidget*>(list);
    if (!widget) return;
    const auto plugin = pluginAt(path);
    if (!plugin) return;
    if (auto* combo = qobject_cast<QComboBox*>(widget)) combo->addItems(plugin->companies);
    else if (auto* items = qobject_cast<QListWidget*>(widget)) items->addItems(plugin->companies);
}

ZFP4RES_API void ZF4_DrawSeiriken(const char* path, void* dc, const char* stopName, const char* dateText,
                                  const char* timeText, int32_t routeNo, int16_t ticketNo, int16_t stopNo,
                                  int32_t companyIndex) {
    auto* painter = static_cast<QPainter*>(dc);
    if (!painter || !painter->isActive()) return;
    const auto plugin = pluginAt(path);
    if (!plugin) return;
    ticket::DrawRequest request;
    request.stopName = buffers::readText(stopName);
    request.dateText = buffers::readText(dateText);
    request.timeText = buffers::readText(timeText);
    request.route = routeNo;
    request.ticket = ticketNo;
    request.stopNo = stopNo;
    request.companyIndex = companyIndex;
    ticket::drawTicket(*painter, *plugin, request);
}

}  // extern "C"
