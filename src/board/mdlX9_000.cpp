// What is particular to this board model: eight fare displays in two rows,
// no stop-name display, the built-in face and the ticket-number labels.

#include <QLabel>

#include "board/Form1.h"
#include "board/SeirikenCaptions.h"
#include "board/SharedState.h"
#include "controls/digit/M_DegitEmNB.h"
#include "platform/DesignLayout.h"

void Form1::setupModel(Backlight backlight) {
    for (int i = 1; i <= 8; ++i) {
        Degit[i]->setDegitStyle(1);
        Degit[i]->ResetDegit(false);
    }
    setModelDefaults(state_.options.panel);
    state_.NoChimei = true;
    ChimeiCtl->hide();
    imgRes[1] = imgRes[0];
    imgRes[2] = imgRes[1];
    setPicture(imgRes[0]);
    applyOptions(state_.options, backlight);
}

void Form1::setTicketCaptions(qint16 style, qint16 zeroPad) {
    const SeirikenCaptions captions = seirikenCaptions(style, zeroPad);
    if (!captions.firstIsText) {
        setCaptionFont(1, design::font(QStringLiteral("M_NumP1"), 16));
    } else {
        setCaptionFont(1, design::font(QStringLiteral("ＭＳ Ｐゴシック"), 13));
        lblSeiriNum[1]->setText(captions.firstText);
    }
    for (int p = 1; p <= 8; ++p)
        if (const auto& number = captions.numbers[static_cast<size_t>(p - 1)]) lblSeiriNum[p]->setText(*number);
}
