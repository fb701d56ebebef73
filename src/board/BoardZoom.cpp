#include "board/BoardZoom.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>

namespace {

constexpr QSize kDesigned{429, 234};  // the board at 100 %
constexpr auto kZoomKey = "board/zoom", kOnTopKey = "board/onTop";

}  // namespace

QString BoardZoom::key() const { return fit ? QStringLiteral("fit") : QString::number(percent); }

BoardZoom BoardZoom::fromKey(const QString& key) {
    if (key == u"fit") return fitted();
    const int percent = key.toInt();
    return std::find(kLevels.begin(), kLevels.end(), percent) != kLevels.end() ? level(percent) : BoardZoom{};
}

QString BoardZoom::caption() const { return fit ? QStringLiteral("画面に合わせる") : key() + u'%'; }

qreal BoardZoom::factor(const QRect& screen) const {
    if (!fit) return percent / 100.0;
    if (screen.isEmpty()) return 1.0;
    return std::min(qreal(screen.width()) / kDesigned.width(), qreal(screen.height()) / kDesigned.height());
}

QRect BoardZoom::faceRect(const QRect& screen) const {
    const qreal f = factor(screen);
    const QSize size(qRound(kDesigned.width() * f), qRound(kDesigned.height() * f));
    if (!fit || screen.isEmpty()) return QRect(QPoint(0, 0), size);
    return QRect(QPoint((screen.width() - size.width()) / 2, (screen.height() - size.height()) / 2), size);
}

QRect zoomed(const QRect& designed, qreal factor, QPoint origin) {
    const auto at = [factor](int v) { return int(std::lround(v * factor)); };
    return QRect(QPoint(at(designed.left()), at(designed.top())),
                 QPoint(at(designed.left() + designed.width()) - 1, at(designed.top() + designed.height()) - 1))
        .translated(origin);
}

BoardView BoardView::load(const QString& file) {
    BoardView view;
    if (file.isEmpty() || !QFileInfo(file).isFile()) return view;
    const QSettings stored(file, QSettings::IniFormat);
    view.zoom = BoardZoom::fromKey(stored.value(kZoomKey).toString());
    view.onTop = stored.value(kOnTopKey, false).toBool();
    return view;
}

bool BoardView::save(const QString& file) const {
    if (file.isEmpty() || !QDir().mkpath(QFileInfo(file).absolutePath())) return false;
    QSettings stored(file, QSettings::IniFormat);
    stored.setValue(kZoomKey, zoom.key());
    stored.setValue(kOnTopKey, onTop);
    stored.sync();
    return stored.status() == QSettings::NoError;
}

QString BoardView::defaultFile() {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + QStringLiteral("/board.ini");
}
