#pragma once

#include <QStringList>

// hy3tool gtfs list | import: the arguments after "gtfs"; returns the exit status.
int runGtfs(QStringList args);
