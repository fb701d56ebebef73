#pragma once

#include <QStringList>

namespace file_filter {

// The Qt name filters of an open-file filter: pairs of description and
// pattern, each followed by one NUL, the whole by one more. Each becomes
// "description (globs)", the part the dialog hides when it shows the list;
// ';' between globs becomes the blank Qt separates them with. A description
// without its pattern ends the list.
QStringList nameFilters(const char* filter);

}  // namespace file_filter
