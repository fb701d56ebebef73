#include "zfp4res/src/TicketDraw.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTransform>

#include <cmath>
#include <deque>
#include <utility>

#include "zfp4res/src/Codabar.h"

namespace ticket {
namespace {

constexpr double kTwips = 15.0;

QRectF units(const QRect& r) { return {r.x() / kTwips, r.y() / kTwips, r.width() / kTwips, r.height() / kTwips}; }
QPointF units(const QPoint& p) { return {p.x() / kTwips, p.y() / kTwips}; }

// Edges on whole device pixels keep rules, frames and bars sharp on the
// small preview; under a rotation or shear they are left as they are.
class Snap {
public:
    explicit Snap(const QPainter& painter) : toDevice_(painter.deviceTransform()) {
        usable_ = toDevice_.type() <= QTransform::TxScale && toDevice_.m11() > 0 && toDevice_.m22() > 0;
        if (usable_) fromDevice_ = toDevice_.inverted();
    }
    bool usable() const { return usable_; }
    QRectF device(const QRectF& r) const { return toDevice_.mapRect(r); }
    QRectF logical(const QRectF& r) const { return fromDevice_.mapRect(r); }
    QRectF rect(const QRectF& r) const {
        if (!usable_) return r;
        const QRectF d = device(r);
        const double left = std::round(d.left()), top = std::round(d.top());
        const double right = std::max(std::round(d.right()), left + 1), bottom = std::max(std::round(d.bottom()), top + 1);
        return logical(QRectF(QPointF(left, top), QPointF(right, bottom)));
    }

private:
    QTransform toDevice_, fromDevice_;
    bool usable_ = false;
};

// The Windows names plug-ins are written with, and the faces that stand in
// for them here; the host may map them too, this keeps the library whole.
QStringList families(const QString& name) {
    static const std::pair<QStringView, QString> kFaces[] = {
        {u"ＭＳ ゴシック", QStringLiteral("IPAGothic")},  {u"MS Gothic", QStringLiteral("IPAGothic")},
        {u"ＭＳ Ｐゴシック", QStringLiteral("IPAPGothic")}, {u"MS PGothic", QStringLiteral("IPAPGothic")},
        {u"ＭＳ 明朝", QStringLiteral("IPAMincho")},       {u"MS Mincho", QStringLiteral("IPAMincho")},
        {u"ＭＳ Ｐ明朝", QStringLiteral("IPAPMincho")},    {u"MS PMincho", QStringLiteral("IPAPMincho")},
    };
    QStringList list{name};
    for (const auto& [windowsName, face] : kFaces)
        if (name.compare(windowsName, Qt::CaseInsensitive) == 0) list << face;
    list << QStringLiteral("IPAGothic");
    return list;
}

void drawText(QPainter& painter, const TextElement& e, const QString& text) {
    if (text.isEmpty()) return;
    QFont font;
    font.setFamilies(families(e.font));
    font.setWeight(static_cast<QFont::Weight>(e.weight));
    const QRectF box = units(e.box);
    double x = 0, baseline = 0, squeeze = 1;
    if (e.fit) {
        // The ink, not the em box, fills the box: digits of a ticket number
        // stand as tall as the box allows.
        constexpr int kProbe = 100;
        font.setPixelSize(kProbe);
        const QRectF probe = QFontMetricsF(font).tightBoundingRect(text);
        if (probe.height() <= 0) return;
        // A flat text such as "-" would need an enormous face to fill the
        // box; the em stops at twice the box height.
        const double fitted = std::min(kProbe * box.height() / probe.height(), 2 * box.height());
        font.setPixelSize(std::max(1, static_cast<int>(fitted)));
        const QRectF ink = QFontMetricsF(font).tightBoundingRect(text);
        if (ink.width() > box.width()) squeeze = box.width() / ink.width();
        x = e.align == Align::Left     ? box.left() - ink.left() * squeeze
            : e.align == Align::Right  ? box.right() - ink.right() * squeeze
                                       : box.center().x() - ink.center().x() * squeeze;
        baseline = e.valign == VAlign::Top      ? box.top() - ink.top()
                   : e.valign == VAlign::Bottom ? box.bottom() - ink.bottom()
                                                : box.center().y() - ink.center().y();
    } else {
        // Points at 96 dots per inch, as everything else here.
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(e.points * 96.0 / 72.0))));
        const QFontMetricsF metrics(font);
        double width = metrics.horizontalAdvance(text);
        // A long stop name is narrowed to its box, never cut or spilled.
        if (width > box.width()) {
            squeeze = box.width() / width;
            width = box.width();
        }
        x = e.align == Align::Left ? box.left() : e.align == Align::Right ? box.right() - width : box.center().x() - width / 2;
        const double ascent = metrics.ascent(), descent = metrics.descent();
        baseline = e.valign == VAlign::Top      ? box.top() + ascent
                   : e.valign == VAlign::Bottom ? box.bottom() - descent
                                                : box.top() + (box.height() - ascent - descent) / 2 + ascent;
    }
    painter.setFont(font);
    painter.setPen(e.color);
    if (squeeze == 1) {
        painter.drawText(QPointF(x, baseline), text);
        return;
    }
    painter.save();
    painter.translate(x, baseline);
    painter.scale(squeeze, 1);
    painter.drawText(QPointF(0, 0), text);
    painter.restore();
}

void drawLine(QPainter& painter, const Snap& snap, const LineElement& e) {
    const QPointF a = units(e.from), b = units(e.to);
    const double half = e.width / kTwips / 2;
    if (e.style == Qt::SolidLine && (a.x() == b.x() || a.y() == b.y())) {
        const QRectF rule = a.y() == b.y() ? QRectF(QPointF(std::min(a.x(), b.x()), a.y() - half), QPointF(std::max(a.x(), b.x()), a.y() + half))
                                           : QRectF(QPointF(a.x() - half, std::min(a.y(), b.y())), QPointF(a.x() + half, std::max(a.y(), b.y())));
        painter.fillRect(snap.rect(rule), e.color);
        return;
    }
    painter.setPen(QPen(e.color, 2 * half, e.style, Qt::FlatCap));
    painter.drawLine(a, b);
}

void drawFrame(QPainter& painter, const Snap& snap, const FrameElement& e) {
    const QRectF box = units(e.box);
    const double border = e.border / kTwips;
    if (e.radius == 0 && e.style == Qt::SolidLine) {
        const QRectF outer = snap.rect(box);
        if (e.fill) painter.fillRect(outer, *e.fill);
        if (border <= 0) return;
        const QRectF inner = snap.rect(box.adjusted(border, border, -border, -border));
        if (inner.width() <= 0 || inner.height() <= 0 || !outer.contains(inner)) {
            painter.fillRect(outer, e.color);
            return;
        }
        painter.fillRect(QRectF(outer.topLeft(), QPointF(outer.right(), inner.top())), e.color);
        painter.fillRect(QRectF(QPointF(outer.left(), inner.bottom()), outer.bottomRight()), e.color);
        painter.fillRect(QRectF(QPointF(outer.left(), inner.top()), QPointF(inner.left(), inner.bottom())), e.color);
        painter.fillRect(QRectF(QPointF(inner.right(), inner.top()), QPointF(outer.right(), inner.bottom())), e.color);
        return;
    }
    painter.setBrush(e.fill ? QBrush(*e.fill) : QBrush(Qt::NoBrush));
    if (border > 0) {
        QPen pen(e.color, border, e.style, Qt::FlatCap, Qt::MiterJoin);
        painter.setPen(pen);
    } else {
        painter.setPen(Qt::NoPen);
    }
    const double radius = std::max(0.0, e.radius / kTwips - border / 2);
    painter.drawRoundedRect(box.adjusted(border / 2, border / 2, -border / 2, -border / 2), radius, radius);
}

// The same few data strings come back stop after stop; a short memory of
// them saves encoding on every redraw.
std::optional<codabar::Symbol> symbolFor(const QByteArray& data) {
    thread_local std::deque<std::pair<QByteArray, std::optional<codabar::Symbol>>> recent;
    for (const auto& [key, symbol] : recent)
        if (key == data) return symbol;
    auto symbol = codabar::encode(data);
    recent.emplace_front(data, symbol);
    if (recent.size() > 16) recent.pop_back();
    return symbol;
}

void drawBarcode(QPainter& painter, const Snap& snap, const BarcodeElement& e, const QString& data) {
    const auto symbol = symbolFor(data.toLatin1());
    if (!symbol || symbol->modules <= 0) return;
    const QRectF box = units(e.box);
    // The box holds the symbol and the blank margins a reader needs on
    // either side of it.
    constexpr int kQuietModules = 10;
    const int span = symbol->modules + 2 * kQuietModules;
    // Whole device pixels per module when they fit, centred in the box; a
    // reader copes with a narrow symbol better than with blurred bars.
    if (snap.usable()) {
        const QRectF d = snap.device(box);
        const int module = static_cast<int>(d.width() / span);
        if (module >= 1) {
            const double left = std::round(d.left() + (d.width() - module * symbol->modules) / 2);
            const double top = std::round(d.top()), bottom = std::max(std::round(d.bottom()), top + 1);
            for (const codabar::Bar& bar : symbol->bars)
                painter.fillRect(snap.logical(QRectF(left + bar.start * module, top, bar.width * module, bottom - top)), e.color);
            return;
        }
    }
    const double unit = box.width() / span;
    const double left = box.left() + kQuietModules * unit;
    for (const codabar::Bar& bar : symbol->bars)
        painter.fillRect(QRectF(left + bar.start * unit, box.top(), bar.width * unit, box.height()), e.color);
}

}  // namespace

bool isShown(Show show, bool routeInRange, bool stopInRange) {
    switch (show) {
    case Show::Always: return true;
    case Show::InRange: return routeInRange && stopInRange;
    case Show::OutOfRange: return !(routeInRange && stopInRange);
    case Show::RouteInRange: return routeInRange;
    case Show::RouteOutOfRange: return !routeInRange;
    case Show::StopInRange: return stopInRange;
    case Show::StopOutOfRange: return !stopInRange;
    }
    return false;
}

void drawTicket(QPainter& painter, const Plugin& plugin, const DrawRequest& request) {
    if (!painter.isActive()) return;
    TicketValues values;
    values.date = parseTicketDate(request.dateText);
    values.time = parseTicketTime(request.timeText);
    values.route = request.route;
    values.ticket = request.ticket;
    values.stopNo = request.stopNo;
    values.stop = request.stopName;
    // No choice, or one the list does not have, prints the first name.
    values.company = plugin.companies.value(request.companyIndex, plugin.companies.value(0));
    const bool routeIn = request.route >= 1 && request.route <= plugin.routeMax;
    const bool stopIn = request.stopNo >= plugin.stopFrom && request.stopNo <= plugin.stopTo;

    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const Snap snap(painter);
    const QRectF ticket(0, 0, plugin.width / kTwips, plugin.height / kTwips);
    painter.setClipRect(ticket, Qt::IntersectClip);
    painter.fillRect(snap.rect(ticket), plugin.paper);
    for (const Element& element : plugin.elements) {
        if (const auto* text = std::get_if<TextElement>(&element)) {
            if (!isShown(text->show, routeIn, stopIn)) continue;
            if (const auto filled = text->text.expand(values)) drawText(painter, *text, *filled);
        } else if (const auto* line = std::get_if<LineElement>(&element)) {
            if (isShown(line->show, routeIn, stopIn)) drawLine(painter, snap, *line);
        } else if (const auto* frame = std::get_if<FrameElement>(&element)) {
            if (isShown(frame->show, routeIn, stopIn)) drawFrame(painter, snap, *frame);
        } else if (const auto* barcode = std::get_if<BarcodeElement>(&element)) {
            // A barcode outside the declared ranges would be read as a
            // different journey: it is left off.
            if (!routeIn || !stopIn) continue;
            if (const auto data = barcode->data.expand(values)) drawBarcode(painter, snap, *barcode, *data);
        }
    }
    painter.restore();
}

}  // namespace ticket
