#include "formats/gtfs/FeedSource.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <zip.h>

#include <algorithm>

namespace {

QString zipErrorText(int code) {
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    const QString text = QString::fromLocal8Bit(zip_error_strerror(&error));
    zip_error_fini(&error);
    return text;
}

QString tooLarge(const QString& name, qint64 bytes) {
    return QStringLiteral("%1: %2 bytes, too large for a feed's file").arg(name).arg(bytes);
}

}  // namespace

std::unique_ptr<FeedSource> FeedSource::open(const QString& path, QString& error) {
    const QFileInfo info(path);
    std::unique_ptr<FeedSource> source(new FeedSource);
    if (info.isDir()) {
        // Of names that differ in letter case only, the first, as in an archive.
        for (const QFileInfo& file : QDir(path).entryInfoList(QDir::Files, QDir::Name))
            if (!source->paths_.contains(file.fileName().toLower()))
                source->paths_.insert(file.fileName().toLower(), file.filePath());
        return source;
    }
    if (!info.exists()) {
        error = QStringLiteral("%1: no such file or folder").arg(path);
        return nullptr;
    }
    int code = 0;
    source->archive_ = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &code);
    if (!source->archive_) {
        error = code == ZIP_ER_NOZIP || code == ZIP_ER_INCONS
                    ? QStringLiteral("%1: not a zip archive and not a folder").arg(path)
                    : QStringLiteral("%1: cannot be opened: %2").arg(path, zipErrorText(code));
        return nullptr;
    }
    const zip_int64_t count = zip_get_num_entries(source->archive_, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* raw = zip_get_name(source->archive_, zip_uint64_t(i), ZIP_FL_ENC_GUESS);
        if (!raw) continue;
        const QString name = QString::fromUtf8(raw);
        // Folders, and the resource forks some archivers add.
        if (name.endsWith(u'/') || name.startsWith(QStringLiteral("__MACOSX/"))) continue;
        const QString file = name.section(u'/', -1).toLower();
        if (!source->entries_.contains(file)) source->entries_.insert(file, i);
    }
    return source;
}

FeedSource::~FeedSource() {
    if (archive_) zip_discard(archive_);
}

bool FeedSource::has(const QString& name) const {
    return archive_ ? entries_.contains(name.toLower()) : paths_.contains(name.toLower());
}

std::optional<QByteArray> FeedSource::read(const QString& name, QString& error) const {
    if (!has(name)) {
        error = QStringLiteral("%1: missing from the feed").arg(name);
        return std::nullopt;
    }
    if (!archive_) {
        QFile file(paths_.value(name.toLower()));
        if (file.size() > kMaxFileBytes) {
            error = tooLarge(name, file.size());
            return std::nullopt;
        }
        if (!file.open(QIODevice::ReadOnly)) {
            error = QStringLiteral("%1: cannot be read: %2").arg(name, file.errorString());
            return std::nullopt;
        }
        QByteArray bytes = file.readAll();
        if (file.error() != QFileDevice::NoError) {
            error = QStringLiteral("%1: cannot be read: %2").arg(name, file.errorString());
            return std::nullopt;
        }
        return bytes;
    }

    const zip_uint64_t index = zip_uint64_t(entries_.value(name.toLower()));
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive_, index, 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE)) {
        error = QStringLiteral("%1: its size in the archive cannot be read").arg(name);
        return std::nullopt;
    }
    if (stat.size > zip_uint64_t(kMaxFileBytes)) {
        error = tooLarge(name, qint64(stat.size));
        return std::nullopt;
    }
    zip_file_t* file = zip_fopen_index(archive_, index, 0);
    if (!file) {
        error = QStringLiteral("%1: cannot be unpacked: %2").arg(name, QString::fromLocal8Bit(zip_strerror(archive_)));
        return std::nullopt;
    }
    // The size an archive declares is not trusted for the allocation: the
    // buffer grows with what really unpacks, up to the declared size.
    QByteArray bytes;
    bytes.reserve(qsizetype(std::min<zip_uint64_t>(stat.size, zip_uint64_t(16) << 20)));
    char chunk[64 * 1024];
    zip_int64_t got = 0;
    while ((got = zip_fread(file, chunk, sizeof chunk)) > 0) {
        if (zip_uint64_t(bytes.size()) + zip_uint64_t(got) > stat.size) break;
        bytes.append(chunk, qsizetype(got));
    }
    if (got != 0 || zip_uint64_t(bytes.size()) != stat.size) {
        error = got < 0 ? QStringLiteral("%1: damaged in the archive: %2")
                              .arg(name, QString::fromLocal8Bit(zip_error_strerror(zip_file_get_error(file))))
                        : QStringLiteral("%1: its size in the archive is wrong").arg(name);
        zip_fclose(file);
        return std::nullopt;
    }
    zip_fclose(file);
    return bytes;
}
