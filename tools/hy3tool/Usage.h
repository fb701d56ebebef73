#pragma once

#include <QString>

// What --help prints: the commands, the CSV rules and the checks.
QString usageText();
