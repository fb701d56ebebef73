#include "formats/SettingsFile.h"

#include <QSaveFile>

#include "formats/RecordCodec.h"
#include "formats/RuntimeError.h"

namespace {

// FormInfo's stored form: two 32-bit values.
struct StoredFormInfo {
    FormInfo info;
    template <class Self, class F>
    static void forEachField(Self& r, F&& f) {
        f(r.info.FormLeft);
        f(r.info.FormTop);
    }
};

struct StoredCount {
    qint16 count = 8;
    template <class Self, class F>
    static void forEachField(Self& r, F&& f) {
        f(r.count);
    }
};

}  // namespace

namespace settings_file {

QByteArray compose(const SettingsRecords& r) {
    QByteArray bytes;
    record_codec::writeRecord(bytes, r.optionInfo.dataFolders);
    record_codec::writeRecord(bytes, r.optionInfo.panel);
    record_codec::writeRecord(bytes, r.optionInfo.degit);
    record_codec::writeRecord(bytes, r.optionInfo.chimei);
    record_codec::writeRecord(bytes, r.optionInfo.sound);
    record_codec::writeRecord(bytes, r.optionInfo.seiriken);
    record_codec::writeRecord(bytes, r.panel);
    record_codec::writeRecord(bytes, StoredFormInfo{r.form});
    record_codec::writeRecord(bytes, r.custColors);
    record_codec::writeRecord(bytes, StoredCount{});
    for (const DegitSetting& setting : r.degits) record_codec::writeRecord(bytes, setting);
    return bytes;
}

int parse(QByteArrayView bytes, const SettingsRecords& r) {
    qsizetype at = 0;
    int error = 0;
    const auto read = [&](auto&& record) {
        if (error == 0) error = record_codec::readRecord(bytes, at, record);
    };
    read(r.optionInfo.dataFolders);
    read(r.optionInfo.panel);
    read(r.optionInfo.degit);
    read(r.optionInfo.chimei);
    read(r.optionInfo.sound);
    read(r.optionInfo.seiriken);
    read(r.panel);
    StoredFormInfo storedForm{r.form};
    read(storedForm);
    if (error != 0) return error;
    r.form = storedForm.info;
    read(r.custColors);
    StoredCount count;  // always eight records follow, whatever it says
    read(count);
    for (DegitSetting& setting : r.degits) read(setting);
    return error;
}

int write(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return runtime_error::PathFileAccessError;
    // QSaveFile commits a file whose buffered write failed (a full disk), so
    // the flush is checked first.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return runtime_error::DeviceIoError;
    }
    return file.commit() ? 0 : runtime_error::DeviceIoError;
}

}  // namespace settings_file
