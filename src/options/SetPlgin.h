#pragma once

#include <QString>
#include <QtGlobal>

class QListWidget;
class QWidget;

// Asks the sibling library what the ticket plug-in at `path` can print and
// shows it: the capability lines in `capabilities`, the plug-in's remarks in
// `remarks`, `preview` sized to the ticket, and the company names added to
// `companies` when the plug-in offers them. Returns 2 when the plug-in was
// loaded, 0 when `path` is empty or the file is rejected; then nothing changes.
qint32 SetPlgin(const QString& path, QListWidget& capabilities, QWidget& remarks, QWidget& preview,
                QWidget& companies);
