#pragma once

#include <QList>
#include <QPair>
#include <QString>

#include <array>

#include "ZFP4Res.h"

class QWidget;

// The sibling library's entry points as the program calls them, with the
// texts converted. The dialogs are modal to `owner`.
namespace Sibling {

QString GetOsInfo();
int LenB_ASCII(const QString& text);
// Those bytes of the code page 932 form, read back as text.
QString MidB_ASCII(const QString& text, int start, int count);

// `filter` lists (description, pattern) pairs. Empty on cancel.
QString Zf3FileDlg(QWidget* owner, const QList<QPair<QString, QString>>& filter, const QString& initialFile,
                   const QString& title);
QString Zf3FolderDlg(QWidget* owner, const QString& title);
// `color` is 0x00BBGGRR and changes only when the user confirms.
bool Zf3ChooseColor(QWidget* owner, quint32& color, std::array<qint32, 17>& custom);
int Call_dlg100(QWidget* owner, qint16 keta, qint16& zeroMode, qint16& shift, qint16& fillZero);
void Call_dlg110(QWidget* owner, const QString& text);
int Call_dlg111(QWidget* owner, DateRecord& date);

}  // namespace Sibling
