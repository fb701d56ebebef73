#include <QSysInfo>

#include <algorithm>
#include <cstring>

#include "zfp4res/src/Buffers.h"
#include "zfp4res/ZFP4Res.h"

extern "C" {

ZFP4RES_API int32_t GetOsInfo(char* out, int32_t outSize) {
    QString name = QSysInfo::prettyProductName();
    if (name.isEmpty()) name = QSysInfo::kernelType();
    return buffers::writeText(name, out, outSize);
}

// Texts arrive already in code page 932, so their bytes are counted as they are.
ZFP4RES_API int32_t LenB_ASCII(const char* text) { return text ? static_cast<int32_t>(std::strlen(text)) : 0; }

ZFP4RES_API int32_t MidB_ASCII(const char* text, int32_t start, int32_t count, char* out, int32_t outSize) {
    const int32_t length = LenB_ASCII(text);
    if (start < 1 || count < 0 || start > length) return buffers::writeBytes({}, out, outSize);
    const int64_t available = int64_t{length} - (start - 1);
    const auto taken = static_cast<qsizetype>(std::min<int64_t>(count, available));
    return buffers::writeBytes(QByteArray(text + (start - 1), taken), out, outSize);
}

}  // extern "C"
