#pragma once

#include <QString>

#include <span>

#include "formats/StopTable.h"

// A fare file as an aligned table for a terminal: stop number, ticket number,
// name, and the fare columns that hold a fare at any stop; a fare of 0 is
// left blank, so the usual table reads as a triangle.
namespace fare_table {

QString render(std::span<const StopRecord> stops);

// Terminal columns a text takes: two for wide East Asian characters.
int displayWidth(QStringView text);

}  // namespace fare_table
