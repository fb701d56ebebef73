#pragma once

#include <QFrame>
#include <QString>
#include <QtGlobal>

#include <optional>

class QLabel;
class QWidget;

// The panel's colours, 0x00BBGGRR as designed, set on the palette roles each
// kind of control paints with.
namespace panel_look {

// Background and text colour of a control; either may be left as it is.
void colour(QWidget* control, std::optional<quint32> back, std::optional<quint32> text);

QLabel* label(QWidget* parent, const QString& text, quint32 textColour, std::optional<quint32> back = std::nullopt);

// A plain black frame with a grey line.
QFrame* blackFrame(QWidget* parent);

}  // namespace panel_look
