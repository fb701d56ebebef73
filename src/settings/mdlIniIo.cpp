#include "mdlIniIo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "BoardOptions.h"
#include "ChimeiCtl_B.h"
#include "Form1.h"
#include "M_Degit.h"
#include "M_DegitEmNB.h"
#include "MessageReporter.h"
#include "Options.h"
#include "RuntimeError.h"
#include "SharedState.h"
#include "frmCtl.h"
#include "frmOption.h"

namespace {

constexpr int kDegitCount = 8;

QString errorText(int number) {
    return QStringLiteral("エラー Code:") + QString::number(number) + QStringLiteral("\r\n内容:") +
           runtime_error::description(number);
}

}  // namespace

mdlIniIo::mdlIniIo(Form1& board, frmCtl& panel, frmOption& options, SharedState& state, Options& optionInfo,
                   MessageReporter& messages, QString executablePath, QString fallbackFolder)
    : board_(board),
      panel_(panel),
      options_(options),
      state_(state),
      optionInfo_(optionInfo),
      messages_(messages),
      executablePath_(std::move(executablePath)),
      fallbackFolder_(std::move(fallbackFolder)),
      folderWritable_([](const QString& folder) { return QFileInfo(folder).isWritable(); }) {}

QString mdlIniIo::fileName() const {
    const QFileInfo exe(executablePath_);
    return QDir(exe.absolutePath()).filePath(exe.completeBaseName() + QStringLiteral(".in4"));
}

QString mdlIniIo::fallbackFileName() const {
    return QDir(fallbackFolder_).filePath(QFileInfo(executablePath_).completeBaseName() + QStringLiteral(".in4"));
}

QString mdlIniIo::saveTarget() const {
    if (fallbackFolder_.isEmpty() || folderWritable_(QFileInfo(fileName()).absolutePath())) return fileName();
    return fallbackFileName();
}

QString mdlIniIo::loadSource() const {
    const QString target = saveTarget();
    if (QFileInfo::exists(target) || fallbackFolder_.isEmpty()) return target;
    return target == fileName() ? fallbackFileName() : fileName();
}

void mdlIniIo::SaveIni() {
    const int error = save();
    if (error != 0) messages_.report(Message(errorText(error)));
}

void mdlIniIo::LoadIni() {
    int error = load();
    if (error == 0) error = apply();
    // No file is the first start: everything keeps its defaults, silently.
    if (error == 0 || error == runtime_error::BadFileNameOrNumber || error == runtime_error::FileNotFound) return;
    messages_.report(Message(errorText(error) + QStringLiteral("\r\nモジュール:mdlIniIo.LoadIni()")));
}

int mdlIniIo::save() {
    for (int i = 0; i < kDegitCount; ++i) {
        const M_DegitEmNB& display = *board_.Degit[i + 1];
        degitSettings[i] = {display.Shift(), display.ZeroMode(), display.FillZero()};
    }
    options_.GetOptionInfo(optionInfo_);
    panel_.GetCtrlDataInfo();
    board_.GetFormInfo();

    const QByteArray bytes = settings_file::compose(records());

    const QString target = saveTarget();
    if (target != fileName()) QDir().mkpath(fallbackFolder_);
    return settings_file::write(target, bytes);
}

int mdlIniIo::load() {
    QFile file(loadSource());
    if (!file.exists()) return runtime_error::FileNotFound;
    if (!file.open(QIODevice::ReadOnly)) return runtime_error::PermissionDenied;
    const QByteArray bytes = file.readAll();
    file.close();

    return settings_file::parse(bytes, records());
}

SettingsRecords mdlIniIo::records() {
    return {optionInfo_, panel_.ctrlDataInfo, state_.formInfo, state_.options.custColors, degitSettings};
}

int mdlIniIo::apply() {
    for (int i = 0; i < kDegitCount; ++i) {
        M_DegitEmNB& display = *board_.Degit[i + 1];
        const DegitBase::Batch once(display);
        display.setZeroMode(degitSettings[i].ZeroMode);
        display.setShift(degitSettings[i].Shift);
        display.setFillZero(degitSettings[i].FillZero);
        applyDigitColors(display, optionInfo_.degit);
        display.setValue(DigitValue::text(QStringLiteral(" ")));
    }
    for (M_Degit* clock : board_.TimeDegit) applyDigitColors(*clock, optionInfo_.degit);
    if (board_.ChimeiCtl) {
        board_.ChimeiCtl->setBackColor(optionInfo_.chimei.ChimeiBackColor);
        board_.ChimeiCtl->setForeColor(optionInfo_.chimei.ChimeiForeColor);
    }
    if (const int error = options_.SetOptionInfo(optionInfo_)) return error;
    if (const int error = panel_.SetCtrlDataInfo()) return error;
    board_.SetFormInfo();
    options_.SetProp();
    return 0;
}
