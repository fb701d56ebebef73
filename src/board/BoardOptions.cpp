#include "board/BoardOptions.h"

#include <QLabel>

#include "board/Form1.h"
#include "controls/digit/M_Degit.h"
#include "controls/digit/M_DegitEmNB.h"
#include "formats/Options.h"

quint32 captionColor(const Options& options, Backlight backlight) {
    switch (backlight) {
    case Backlight::Off: return options.SeiriNumColorOff();
    case Backlight::On1: return options.SeiriNumColorOn1();
    case Backlight::On2: return options.SeiriNumColorOn2();
    case Backlight::None: break;
    }
    return 0;
}

void applyDigitColors(DegitBase& display, const OptDegit& colors) {
    const DegitBase::Batch once(display);
    display.setBackColor(colors.DegitBackColor);
    display.setBaseForeColor(colors.DegitUnlitColor);
    display.setDegitForeColor(colors.DegitLitColor);
}

void Form1::applyOptions(const Options& options, Backlight backlight) {
    for (int i = 1; i <= 8; ++i) lblSeiriNum[i]->setVisible(options.AutoSeiriNum() != 0);
    setTicketCaptions(options.SeiriNumStyle(), options.SeiriNumZeroPad());
    setCaptionColor(captionColor(options, backlight));
    for (int i = 1; i <= 8; ++i) applyDigitColors(*Degit[i], options.degit);
    applyClockColors(options.degit);
}
