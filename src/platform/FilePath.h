#pragma once

#include <QString>

namespace file_path {

// The folder, a separator unless it is empty or already ends in one, then the
// name. Both '/' and '\' count as a trailing separator, so folder texts written
// on either system keep working.
QString join(const QString& folder, const QString& name);

}  // namespace file_path
