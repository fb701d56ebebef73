#include <QDir>
#include <QFileDialog>

#include "zfp4res/src/Buffers.h"
#include "zfp4res/src/DialogParts.h"
#include "zfp4res/src/FileFilter.h"
#include "zfp4res/ZFP4Res.h"

namespace {

// Qt's own dialog, so it looks and behaves the same on every desktop and
// tests can drive it.
void prepare(QFileDialog& dialog, const QString& title, const QString& fallbackTitle) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setWindowTitle(title.isEmpty() ? fallbackTitle : title);
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("場所:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("名前:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("ファイルの種類:"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("キャンセル"));
}

QString run(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted) return {};
    return QDir::toNativeSeparators(dialog.selectedFiles().value(0));
}

}  // namespace

extern "C" {

ZFP4RES_API int32_t Zf3FileDlg(void* owner, int32_t /*reserved*/, const char* filter, const char* initialFile,
                               const char* title, char* out, int32_t outSize) {
    QFileDialog dialog(dialog_parts::owner(owner));
    prepare(dialog, buffers::readText(title), QStringLiteral("ファイルを開く"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("開く"));
    // The descriptions already name their patterns, so the list shows them alone.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    const QStringList filters = file_filter::nameFilters(filter);
    if (!filters.isEmpty()) dialog.setNameFilters(filters);
    const QString initial = buffers::readText(initialFile);
    if (!initial.isEmpty()) dialog.selectFile(initial);
    return buffers::writeText(run(dialog), out, outSize);
}

ZFP4RES_API int32_t Zf3FolderDlg(void* owner, const char* title, char* out, int32_t outSize) {
    return Zf3FolderDlgAt(owner, title, nullptr, out, outSize);
}

ZFP4RES_API int32_t Zf3FolderDlgAt(void* owner, const char* title, const char* initialFolder, char* out,
                                   int32_t outSize) {
    QFileDialog dialog(dialog_parts::owner(owner));
    prepare(dialog, buffers::readText(title), QStringLiteral("フォルダの選択"));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("選択"));
    const QString initial = buffers::readText(initialFolder);
    if (!initial.isEmpty()) dialog.setDirectory(initial);
    return buffers::writeText(run(dialog), out, outSize);
}

}  // extern "C"
