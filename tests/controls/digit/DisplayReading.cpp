#include "tests/controls/digit/DisplayReading.h"

#include <QPainter>
#include <algorithm>
#include <vector>

#include "controls/digit/DegitLook.h"
#include "controls/digit/M_Degit.h"
#include "platform/Twips.h"

namespace display_reading {
namespace {

using Mask = std::vector<bool>;

// How far a glyph may sit from its cell: glyphs land on fractional positions.
constexpr int kDrift = 1;

QSize cellSize(const M_Degit& display) {
    const degit_look::SizeClass size = degit_look::sizeClass(display.DegitSize());
    return {twips::toPixels(size.digitWidth), twips::toPixels(size.height)};
}

// The reading colour an antialiased pixel is closest to.
quint32 nearest(QRgb p) {
    const int r = qRed(p), g = qGreen(p), b = qBlue(p);
    if (r >= g && r >= b) return kLit;
    return b >= g ? kUnlit : kBack;
}
bool isLit(QRgb p) { return nearest(p) == kLit; }
bool isInk(QRgb p) { return nearest(p) != kBack; }

template <typename Pred>
Mask maskAt(const QImage& image, QRect area, Pred belongs) {
    Mask mask;
    mask.reserve(area.width() * area.height());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            mask.push_back(image.valid(x, y) && belongs(image.pixel(x, y)));
    return mask;
}

int count(const Mask& mask) { return static_cast<int>(std::count(mask.begin(), mask.end(), true)); }

// The share of both masks' ink that the other mask has within a pixel
// sideways: glyphs at fractional positions blur by about that much.
double similarity(const Mask& a, const Mask& b, int width) {
    const auto near = [width](const Mask& m, size_t i) {
        const int x = static_cast<int>(i) % width;
        for (int dx = -1; dx <= 1; ++dx)
            if (x + dx >= 0 && x + dx < width && m[i + dx]) return true;
        return false;
    };
    int matched = 0, total = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i]) ++total, matched += near(b, i);
        if (b[i]) ++total, matched += near(a, i);
    }
    return total == 0 ? 0 : double(matched) / total;
}

// How well `reference` matches the cell's pixels where it fits best.
template <typename Pred>
double bestMatch(const QImage& image, QRect cell, const Mask& reference, Pred belongs) {
    double best = 0;
    for (int dx = -kDrift; dx <= kDrift; ++dx)
        best = std::max(best, similarity(maskAt(image, cell.translated(dx, 0), belongs), reference, cell.width()));
    return best;
}

QRect cellRect(int position, QSize cell) { return {QPoint(position * cell.width(), 0), cell}; }

}  // namespace

void useReadingColors(DegitBase& display) {
    display.setBaseForeColor(kUnlit);
    display.setDegitForeColor(kLit);
    display.setBackColor(kBack);
}

QImage picture(DegitBase& display) { return display.grab().toImage().convertToFormat(QImage::Format_RGB32); }

QImage referenceGlyph(const M_Degit& display, QChar glyph, bool bold) {
    const QSize cell = cellSize(display);
    QImage image(cell, QImage::Format_RGB32);
    image.fill(degit_look::color(kBack));
    QFont font(degit_look::faceName(display.DegitStyle()));
    font.setBold(bold);
    font.setPixelSize(twips::pointsToPixels(degit_look::sizeClass(display.DegitSize()).points));
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(degit_look::color(kLit));
    painter.drawText(QPoint(0, -1 + painter.fontMetrics().ascent()), QString(glyph));
    return image;
}

QString litText(M_Degit& display) {
    const QImage image = picture(display);
    const QSize cell = cellSize(display);
    const QRect origin({0, 0}, cell);
    std::vector<std::pair<QChar, Mask>> references;
    for (QChar glyph : QStringLiteral("0123456789-"))
        references.emplace_back(glyph, maskAt(referenceGlyph(display, glyph, true), origin, isLit));
    // The minus is the smallest glyph; a quarter of it is more than a
    // neighbour's drifting edge.
    const int minimum = count(references.back().second) / 4;

    QString text;
    for (int position = 0; position < display.Keta(); ++position) {
        const QRect area = cellRect(position, cell);
        if (count(maskAt(image, area, isLit)) < minimum) {
            text += u' ';
            continue;
        }
        QChar best = u'?';
        double bestScore = 0.9;
        for (const auto& [glyph, reference] : references) {
            const double score = bestMatch(image, area, reference, isLit);
            if (score > bestScore) bestScore = score, best = glyph;
        }
        text += best;
    }
    return text;
}

bool showsEveryEight(M_Degit& display) {
    const QImage image = picture(display);
    const QSize cell = cellSize(display);
    const Mask eight = maskAt(referenceGlyph(display, u'8', true), QRect({0, 0}, cell), isInk);
    for (int position = 0; position < display.Keta(); ++position)
        if (bestMatch(image, cellRect(position, cell), eight, isInk) < 0.93) return false;
    return true;
}

int countPixels(const QImage& image, quint32 bgr) {
    const QRgb wanted = degit_look::color(bgr).rgb() & 0xFFFFFF;
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += (image.pixel(x, y) & 0xFFFFFF) == wanted;
    return n;
}

}  // namespace display_reading
