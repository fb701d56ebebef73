#include "FilePath.h"

#include <QDir>

namespace file_path {

QString join(const QString& folder, const QString& name) {
    if (folder.isEmpty()) return name;
    if (folder.endsWith(u'/') || folder.endsWith(u'\\')) return folder + name;
    return folder + QDir::separator() + name;
}

}  // namespace file_path
