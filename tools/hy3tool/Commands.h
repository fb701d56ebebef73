#pragma once

#include <QString>

// The commands of hy3tool. Each reports to standard error and returns the
// exit status.
namespace hy3tool {

enum Status { Done = 0, DataProblems = 1, UsageOrFileError = 2 };

int importCsv(const QString& csvPath, const QString& farePath);
// An empty `csvPath` writes to standard output.
int exportCsv(const QString& farePath, const QString& csvPath, bool cp932);
int check(const QString& path);
int show(const QString& farePath);

}  // namespace hy3tool
