#include "settings/mdlIniIo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "board/BoardOptions.h"
#include "board/Form1.h"
#include "platform/MessageReporter.h"
#include "formats/Options.h"
#include "formats/RuntimeError.h"
#include "board/SharedState.h"
#include "panel/frmCtl.h"
#include "options/frmOption.h"

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
    for (int i = 0; i < kDegitCount; ++i) degitSettings[i] = board_.fareFormat(i + 1);
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
    for (int i = 0; i < kDegitCount; ++i) board_.restoreFareFormat(i + 1, degitSettings[i], optionInfo_.degit);
    board_.applyClockColors(optionInfo_.degit);
    board_.setStopNameColors(optionInfo_.chimei.ChimeiBackColor, optionInfo_.chimei.ChimeiForeColor);
    if (const int error = options_.SetOptionInfo(optionInfo_)) return error;
    if (const int error = panel_.SetCtrlDataInfo()) return error;
    board_.SetFormInfo();
    options_.SetProp();
    return 0;
}
