#pragma once

#include <QByteArrayView>
#include <QString>

// Messages go to standard error, one a line; data (a CSV table, a fare table)
// to standard output.
void printMessage(const QString& text);
void writeOutput(QByteArrayView bytes);
