#include "BoardOptions.h"

#include <QLabel>

#include "DegitLook.h"
#include "Form1.h"
#include "M_Degit.h"
#include "M_DegitEmNB.h"
#include "Options.h"
#include "mdlX9_000.h"

namespace {

quint32 captionColor(const Options& options, Backlight backlight) {
    switch (backlight) {
    case Backlight::Off: return options.SeiriNumColorOff();
    case Backlight::On1: return options.SeiriNumColorOn1();
    case Backlight::On2: return options.SeiriNumColorOn2();
    case Backlight::None: break;
    }
    return 0;  // no backlight chosen: black captions
}

}  // namespace

void applyDigitColors(DegitBase& display, const OptDegit& colors) {
    const DegitBase::Batch once(display);
    display.setBackColor(colors.DegitBackColor);
    display.setBaseForeColor(colors.DegitUnlitColor);
    display.setDegitForeColor(colors.DegitLitColor);
}

void applyBoardOptions(Form1& board, const Options& options, Backlight backlight, MessageReporter& messages) {
    for (int i = 1; i <= 8; ++i) board.lblSeiriNum[i]->setVisible(options.AutoSeiriNum() != 0);
    SeirikenNumSet(board, options.SeiriNumStyle(), options.SeiriNumZeroPad(), messages);

    const QColor caption = degit_look::color(captionColor(options, backlight));
    for (int i = 1; i <= 8; ++i) {
        QPalette palette = board.lblSeiriNum[i]->palette();
        palette.setColor(QPalette::WindowText, caption);
        board.lblSeiriNum[i]->setPalette(palette);
    }
    for (int i = 1; i <= 8; ++i) applyDigitColors(*board.Degit[i], options.degit);
    for (M_Degit* clock : board.TimeDegit) applyDigitColors(*clock, options.degit);
}
