#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// The byte buffers texts cross the library boundary in.
namespace buffers {

// A NUL-terminated code page 932 text; NULL reads as empty.
QString readText(const char* text);

// Writes as much of `bytes` as fits, NUL-terminated, and returns the full
// length so the caller can retry with a bigger buffer.
int32_t writeBytes(const QByteArray& bytes, char* out, int32_t outSize);

// The same for a text, written in code page 932.
int32_t writeText(const QString& text, char* out, int32_t outSize);

}  // namespace buffers
