#include "zfp4res/src/Buffers.h"

#include <algorithm>
#include <cstring>

#include "formats/Cp932.h"

namespace buffers {

QString readText(const char* text) { return text ? cp932::decode(QByteArrayView(text)) : QString(); }

int32_t writeBytes(const QByteArray& bytes, char* out, int32_t outSize) {
    const auto length = static_cast<int32_t>(bytes.size());
    if (out && outSize > 0) {
        const int32_t kept = std::min(length, outSize - 1);
        std::memcpy(out, bytes.constData(), static_cast<size_t>(kept));
        out[kept] = '\0';
    }
    return length;
}

int32_t writeText(const QString& text, char* out, int32_t outSize) {
    return writeBytes(cp932::encode(text), out, outSize);
}

}  // namespace buffers
