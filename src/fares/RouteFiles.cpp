#include "fares/RouteFiles.h"

#include "formats/ReadingsFile.h"
#include "platform/FilePath.h"

namespace route_files {

QString number(const QString& routeText) {
    qsizetype i = 0;
    while (i < routeText.size() && (routeText[i] == u' ' || routeText[i] == u'\t')) ++i;
    QString digits;
    for (; i < routeText.size() && routeText[i] >= u'0' && routeText[i] <= u'9'; ++i)
        if (!(digits.isEmpty() && routeText[i] == u'0')) digits += routeText[i];
    return digits.isEmpty() ? QStringLiteral("0") : digits;
}

QString fareFile(const QString& folder, const QString& routeText) {
    return file_path::findIgnoringCase(folder, number(routeText) + QStringLiteral(".hy3"));
}

QString broadcastFile(const QString& folder, const QString& routeText) {
    return file_path::findIgnoringCase(folder, number(routeText) + QStringLiteral("tp.csv"));
}

QString readingsFile(const QString& folder) {
    return file_path::findIgnoringCase(folder, readings_file::kFileName);
}

}  // namespace route_files
