#pragma once

#include <QByteArrayView>
#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <variant>
#include <vector>

#include "zfp4res/src/TicketTemplate.h"

// A ticket plug-in (*.4SP): a text file that declares what the ticket can
// print and how it looks. Reading it never runs or loads anything; every size
// is bounded so a hostile file costs little. The format is described for
// plug-in authors in zfp4res/PluginFormat.md.
namespace ticket {

namespace limits {
constexpr qsizetype kFileBytes = 64 * 1024;
constexpr int kLineChars = 1000;
constexpr int kValueChars = 200;
constexpr int kElements = 64;
constexpr int kBarcodes = 4;
constexpr int kCompanies = 32;
constexpr int kCompanyChars = 40;
constexpr int kRemarkLines = 100;
constexpr int kRemarkChars = 4000;
constexpr int kFontChars = 64;
constexpr int kTicketTwipsMin = 300;
constexpr int kTicketTwipsMax = 7200;
constexpr int kRouteMax = 99999;
constexpr int kStopMax = 9999;
constexpr double kPointsMin = 4;
constexpr double kPointsMax = 144;
constexpr int kStrokeTwipsMax = 600;
}  // namespace limits

// When an element is drawn, against the declared route and stop ranges.
enum class Show { Always, InRange, OutOfRange, RouteInRange, RouteOutOfRange, StopInRange, StopOutOfRange };
enum class Align { Left, Center, Right };
enum class VAlign { Top, Middle, Bottom };

// Positions and sizes are twips, from the ticket's top-left corner.
struct TextElement {
    QRect box;
    Template text;
    QString font;
    double points = 9;  // ignored when `fit`
    bool fit = false;   // the text's ink fills the box height
    int weight = 400;
    Align align = Align::Left;
    VAlign valign = VAlign::Middle;
    QColor color = Qt::black;
    Show show = Show::Always;
};

struct LineElement {
    QPoint from, to;
    int width = 15;
    Qt::PenStyle style = Qt::SolidLine;
    QColor color = Qt::black;
    Show show = Show::Always;
};

struct FrameElement {
    QRect box;
    int border = 15;  // 0: no border
    int radius = 0;
    Qt::PenStyle style = Qt::SolidLine;
    QColor color = Qt::black;
    std::optional<QColor> fill;
    Show show = Show::Always;
};

// NW-7 (Codabar); drawn only while route and stop are in range.
struct BarcodeElement {
    QRect box;
    Template data;
    QColor color = Qt::black;
};

using Element = std::variant<TextElement, LineElement, FrameElement, BarcodeElement>;

struct Plugin {
    // The capability record's contents.
    int formatVersion = 1;
    int width = 0;  // twips
    int height = 0;
    bool printDate = false;
    bool printTime = false;
    bool printRoute = false;
    bool printStopName = false;
    int barcodeCount = 0;
    bool barcodeSerial = false;  // else route number plus direction flag
    int routeMax = 0;
    int stopFrom = 0;
    int stopTo = 0;
    bool companySwitch = false;

    QColor paper = Qt::white;
    QString remarks;  // lines joined with '\n'
    QStringList companies;
    std::vector<Element> elements;  // in drawing order
};

struct ParseResult {
    std::shared_ptr<const Plugin> plugin;  // null when the file is not usable
    int line = 0;                          // where the first error is; 0: the file as a whole
    QString error;
};

ParseResult parsePlugin(QByteArrayView bytes);

}  // namespace ticket
