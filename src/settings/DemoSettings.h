#pragma once

#include <QString>

// The settings of the demo data set: data folders, sounds, lit panel
// pictures and the ticket preview all pointing at it, so that a first start
// shows and plays everything.
namespace demo_settings {

// Writes them to `file` unless a file is there already, which is the user's
// own and never replaced. 0 when written; otherwise the runtime error number
// of the failed write, or -1 when the demo folder is missing.
int write(const QString& file, const QString& demoFolder);

}  // namespace demo_settings
