#include "hy3tool/Console.h"

#include <cstdio>

void printMessage(const QString& text) {
    const QByteArray line = (text + u'\n').toUtf8();
    std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
}

void writeOutput(QByteArrayView bytes) {
    std::fwrite(bytes.data(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}
