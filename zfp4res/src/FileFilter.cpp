#include "zfp4res/src/FileFilter.h"

#include <cstring>

#include "zfp4res/src/Buffers.h"

namespace file_filter {

QStringList nameFilters(const char* filter) {
    QStringList filters;
    if (!filter) return filters;
    const char* p = filter;
    while (*p) {
        const char* description = p;
        p += std::strlen(p) + 1;
        if (!*p) break;
        const char* pattern = p;
        p += std::strlen(p) + 1;
        QStringList globs = buffers::readText(pattern).split(u';', Qt::SkipEmptyParts);
        for (QString& glob : globs) glob = glob.trimmed();
        filters.append(buffers::readText(description).trimmed() + QStringLiteral(" (") + globs.join(u' ') +
                       u')');
    }
    return filters;
}

}  // namespace file_filter
