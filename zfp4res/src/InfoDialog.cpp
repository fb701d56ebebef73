#include <QMessageBox>
#include <QPushButton>

#include "zfp4res/src/Buffers.h"
#include "zfp4res/src/DialogParts.h"
#include "zfp4res/ZFP4Res.h"

extern "C" ZFP4RES_API void Call_dlg110(void* owner, int32_t /*mode*/, const char* text) {
    // Callers end lines with CR LF; a label breaks lines at LF alone.
    QString shown = buffers::readText(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(QMessageBox::Information, QStringLiteral("情報"), shown, QMessageBox::Ok,
                    dialog_parts::owner(owner));
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.exec();
}
