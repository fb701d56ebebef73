#pragma once

#include <QString>

namespace file_path {

// The folder, a separator unless it is empty or already ends in one, then the
// name. Both '/' and '\' count as a trailing separator, so folder texts written
// on either system keep working.
QString join(const QString& folder, const QString& name);

// The file `name` in `folder` whatever the letter case of its name, as data
// made on a system that ignores case expect ("12.HY3", "12Tp.csv"): the exact
// path when that file exists, else the first entry of the folder that matches
// ignoring case, else the exact path (for the caller's error). A trailing '\'
// of the folder counts as a separator.
QString findIgnoringCase(const QString& folder, const QString& name);

}  // namespace file_path
