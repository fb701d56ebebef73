#include "mdlX9_000.h"

#include <QLabel>

#include "BoardOptions.h"
#include "Form1.h"
#include "M_DegitEmNB.h"
#include "MessageReporter.h"
#include "RuntimeError.h"
#include "SeirikenCaptions.h"
#include "SharedState.h"
#include "Twips.h"

namespace {

// The trapped-error box of the ticket-number labelling.
void reportSeirikenError(MessageReporter& messages, int number) {
    const QString crlf = QStringLiteral("\r\n");
    messages.report({QStringLiteral("エラーです！") + crlf + crlf + QStringLiteral("コード：") + QString::number(number) +
                         crlf + crlf + QStringLiteral("内容：") + runtime_error::description(number) + crlf + crlf +
                         QStringLiteral("モジュール：IniIO-SeirikenNumSet( )"),
                     QStringLiteral("エラー！"), Message::Icon::Critical});
}

QFont labelFont(const QString& family, double points) {
    QFont font(family);
    font.setPixelSize(twips::pointsToPixels(points));
    return font;
}

}  // namespace

void InitFareDigits(Form1& board) {
    for (int i = 1; i <= 8; ++i) {
        board.Degit[i]->setDegitStyle(1);
        board.Degit[i]->ResetDegit(false);
    }
}

void SetupModel(Form1& board, SharedState& state, MessageReporter& messages) {
    setModelDefaults(state.options.panel);
    state.NoChimei = true;
    board.ChimeiCtl->hide();
    OperationPanel* panel = board.operationPanel();
    if (panel) panel->setStopNameControlsEnabled(!state.NoChimei);
    board.imgRes[1] = board.imgRes[0];
    board.imgRes[2] = board.imgRes[1];
    board.setPicture(board.imgRes[0]);
    // Without a panel (the board on its own), the panel's design state: off.
    applyBoardOptions(board, state.options, panel ? panel->selectedBacklight() : Backlight::Off, messages);
}

void SeirikenNumSet(Form1& board, qint16 style, qint16 zeroPad, MessageReporter& messages) {
    for (int i = 1; i <= 8; ++i)
        if (!board.lblSeiriNum[i]) return reportSeirikenError(messages, runtime_error::ObjectVariableNotSet);

    const SeirikenCaptions captions = seirikenCaptions(style, zeroPad);
    QLabel& first = *board.lblSeiriNum[1];
    if (!captions.firstIsText) {
        first.setFont(labelFont(QStringLiteral("M_NumP1"), 16));
    } else {
        first.setFont(labelFont(QStringLiteral("ＭＳ Ｐゴシック"), 13));
        first.setText(captions.firstText);
    }
    for (int p = 1; p <= 8; ++p)
        if (const auto& number = captions.numbers[static_cast<size_t>(p - 1)]) board.lblSeiriNum[p]->setText(*number);
}
