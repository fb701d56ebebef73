#include "platform/InstallLayout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace install_layout {

QString dataFolder() {
    const QFileInfo folder(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(FAREBOARD_DATA_FROM_BIN)));
    return folder.isDir() ? folder.canonicalFilePath() : QString();
}

QString demoFolder() {
    const QString data = dataFolder();
    return !data.isEmpty() && QFileInfo(data + QStringLiteral("/demo")).isDir() ? data + QStringLiteral("/demo")
                                                                                 : QString();
}

}  // namespace install_layout
