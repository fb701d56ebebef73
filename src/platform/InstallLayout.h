#pragma once

#include <QString>

// Where an installed program finds what it ships beside the executable: the
// package's data folder (<prefix>/share/fareboard), reached from the
// program's own folder, so any prefix works. A program run from its build
// folder has none.
namespace install_layout {

// Empty when there is no such folder.
QString dataFolder();
// The demo data set in it; empty when there is none.
QString demoFolder();

}  // namespace install_layout
