#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QtGlobal>

#include <array>

#include "formats/CtrlDataInfo.h"
#include "formats/Options.h"
#include "formats/FormInfo.h"

// One fare display's format as the settings file keeps it.
struct DegitSetting {
    qint16 Shift = 0;
    qint16 ZeroMode = 0;
    qint16 FillZero = 0;

    template <class Self, class F>
    static void forEachField(Self& r, F&& f) {
        f(r.Shift);
        f(r.ZeroMode);
        f(r.FillZero);
    }
    bool operator==(const DegitSetting&) const = default;
};

using DegitSettings = std::array<DegitSetting, 8>;

// Where the records of the settings file come from and go to: the six option
// records of the stored image, the panel's record, the board's position, the
// colour chooser's table and the eight display formats.
struct SettingsRecords {
    Options& optionInfo;
    CtrlDataInfo& panel;
    FormInfo& form;
    OptCustColors& custColors;
    DegitSettings& degits;
};

namespace settings_file {

// The whole file, records in their stored order.
QByteArray compose(const SettingsRecords& records);

// Reads the records in order. Each record replaces its memory only when read
// whole, so a damaged file keeps the records before the damage; returns the
// runtime error of the first record that is not whole.
int parse(QByteArrayView bytes, const SettingsRecords& records);

// Writes the file beside the old one and replaces it only when the new one is
// complete, so a failed save keeps the previous settings. Returns 0 or the
// runtime error of the failure.
int write(const QString& path, const QByteArray& bytes);

}  // namespace settings_file
