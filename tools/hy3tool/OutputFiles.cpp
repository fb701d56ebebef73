#include "hy3tool/OutputFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>

#include <cstdio>
#include <memory>

namespace {

constexpr QFileDevice::Permissions kReadable =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;

// Replaces `to` at once, as rename(2) does; QFile::rename refuses to replace.
bool replace(const QString& from, const QString& to) {
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

}  // namespace

std::optional<QString> OutputFiles::commit() const {
    const QDir folder(folder_);
    if (!folder.mkpath(QStringLiteral(".")))
        return QStringLiteral("%1: the folder cannot be made").arg(folder_);

    // Everything is written beside its place first, so that a full disk or a
    // missing permission leaves the folder untouched.
    std::vector<std::unique_ptr<QTemporaryFile>> staged;
    for (const auto& [name, bytes] : files_) {
        auto file = std::make_unique<QTemporaryFile>(folder.filePath(QStringLiteral(".%1.XXXXXX").arg(name)));
        if (!file->open() || file->write(bytes) != bytes.size() || !file->flush() ||
            !file->setPermissions(kReadable))
            return QStringLiteral("%1: cannot be written: %2").arg(folder.filePath(name), file->errorString());
        file->close();
        staged.push_back(std::move(file));
    }

    // Files replaced so far keep a copy until all are in place.
    struct Replaced {
        QString target, backup;
    };
    std::vector<Replaced> done;
    const auto undo = [&] {
        for (const Replaced& r : done)
            r.backup.isEmpty() ? (void)QFile::remove(r.target) : (void)replace(r.backup, r.target);
    };
    for (size_t i = 0; i < files_.size(); ++i) {
        const QString target = folder.filePath(files_[i].first);
        QString backup;
        if (QFile::exists(target)) {
            backup = staged[i]->fileName() + QStringLiteral(".old");
            if (!QFile::copy(target, backup)) {
                undo();
                return QStringLiteral("%1: cannot be replaced").arg(target);
            }
        }
        if (!replace(staged[i]->fileName(), target)) {
            if (!backup.isEmpty()) QFile::remove(backup);
            undo();
            return QStringLiteral("%1: cannot be replaced").arg(target);
        }
        staged[i]->setAutoRemove(false);
        done.push_back({target, backup});
    }
    for (const Replaced& r : done)
        if (!r.backup.isEmpty()) QFile::remove(r.backup);
    return std::nullopt;
}
