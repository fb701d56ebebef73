#include "platform/FilePath.h"

#include <QDir>
#include <QFileInfo>

namespace file_path {

QString join(const QString& folder, const QString& name) {
    if (folder.isEmpty()) return name;
    if (folder.endsWith(u'/') || folder.endsWith(u'\\')) return folder + name;
    return folder + QDir::separator() + name;
}

QString findIgnoringCase(const QString& folder, const QString& name) {
    QString dir = folder;
    if (dir.endsWith(u'\\')) dir.back() = u'/';
    const QString exact = join(dir, name);
    if (QFileInfo(exact).isFile()) return exact;
    const QDir entries(dir.isEmpty() ? QStringLiteral(".") : dir);
    for (const QString& entry : entries.entryList(QDir::Files | QDir::Hidden))
        if (entry.compare(name, Qt::CaseInsensitive) == 0) return join(dir, entry);
    return exact;
}

}  // namespace file_path
