#pragma once

#include <QList>
#include <QPair>
#include <QString>

#include <array>

#include "zfp4res/ZFP4Res.h"

class QPainter;
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
// Opens in `initialFolder`; in the current directory when it is empty.
QString Zf3FolderDlg(QWidget* owner, const QString& title, const QString& initialFolder = QString());
// `color` is 0x00BBGGRR and changes only when the user confirms.
bool Zf3ChooseColor(QWidget* owner, quint32& color, std::array<qint32, 17>& custom);
int Call_dlg100(QWidget* owner, qint16 keta, qint16& zeroMode, qint16& shift, qint16& fillZero);
void Call_dlg110(QWidget* owner, const QString& text);
int Call_dlg111(QWidget* owner, DateRecord& date);

// Ticket plug-ins. `path` crosses in code page 932, so a path without a code
// page 932 form does not reach the file.
// Fills `info` (zeroed first) and returns non-zero for a usable plug-in.
int ZF4_GetPlgInfo(const QString& path, PlgInfo& info);
// `textBox`: a QPlainTextEdit, QTextEdit, QLineEdit or QLabel.
void ZF4_SetPlgComment(const QString& path, QWidget* textBox);
// `list`: a QComboBox or QListWidget; the names are added to what it holds.
void ZF4_SetCorpAddList(const QString& path, QWidget* list);
// Draws the ticket at the painter's origin; `date` is mm-dd-yyyy, `time`
// hh:mm:ss, `companyIndex` -1 for none.
void ZF4_DrawSeiriken(const QString& path, QPainter* dc, const QString& stopName, const QString& date,
                      const QString& time, qint32 routeNo, qint16 ticketNo, qint16 stopNo, qint32 companyIndex);

}  // namespace Sibling
