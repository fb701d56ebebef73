#include "zfp4res/src/PluginCache.h"

#include <QFile>

#include <deque>
#include <filesystem>
#include <mutex>

namespace ticket {
namespace {

struct Stamp {
    std::uintmax_t size = 0;
    std::filesystem::file_time_type modified;
    bool operator==(const Stamp&) const = default;
};

struct CacheEntry {
    QString path;
    Stamp stamp;
    std::shared_ptr<const Plugin> plugin;  // null: known to be unusable
};

// A handful of plug-ins are in use at a time; older entries make room.
constexpr size_t kEntries = 8;

std::optional<Stamp> stampOf(const QString& path) {
    std::error_code error;
    const std::filesystem::path file(QFile::encodeName(path).toStdString());
    if (!std::filesystem::is_regular_file(file, error)) return std::nullopt;
    Stamp stamp;
    stamp.size = std::filesystem::file_size(file, error);
    if (error) return std::nullopt;
    stamp.modified = std::filesystem::last_write_time(file, error);
    if (error) return std::nullopt;
    return stamp;
}

std::shared_ptr<const Plugin> load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return nullptr;
    // One byte past the limit is enough to know the file is too big.
    return parsePlugin(file.read(limits::kFileBytes + 1)).plugin;
}

}  // namespace

std::shared_ptr<const Plugin> cachedPlugin(const QString& path) {
    if (path.isEmpty()) return nullptr;
    const auto stamp = stampOf(path);
    if (!stamp) return nullptr;
    static std::mutex mutex;
    static std::deque<CacheEntry> entries;
    const std::lock_guard lock(mutex);
    for (auto it = entries.begin(); it != entries.end(); ++it) {
        if (it->path != path) continue;
        if (it->stamp == *stamp) return it->plugin;
        entries.erase(it);
        break;
    }
    entries.push_front({path, *stamp, load(path)});
    if (entries.size() > kEntries) entries.pop_back();
    return entries.front().plugin;
}

}  // namespace ticket
