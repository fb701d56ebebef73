// Feeds arbitrary bytes to the settings file reader: every record is read
// whole or refused, whatever the file holds.
#include <QByteArrayView>

#include <cstddef>
#include <cstdint>

#include "formats/SettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Options optionInfo;
    CtrlDataInfo panel;
    FormInfo form;
    DegitSettings formats{};
    settings_file::parse(QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)),
                         {optionInfo, panel, form, optionInfo.custColors, formats});
    return 0;
}
