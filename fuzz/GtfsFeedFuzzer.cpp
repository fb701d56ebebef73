// Feeds arbitrary bytes to the GTFS feed reader as a zip archive, as the files
// of a small feed and as one feed file (GtfsFeedInput.h), and stops on any
// promise the reader breaks.
#include <QByteArrayView>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <signal.h>

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "GtfsFeedInput.h"

namespace {

constexpr char kPrefix[] = "gtfs_feed_fuzzer-";

// A folder for the life of the process, named by its id, in memory where
// there is room. A crash leaves its folder behind, so those of processes
// that are gone are removed first.
struct WorkFolder {
    WorkFolder() {
        const QDir base(QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm")
                                                                           : QDir::tempPath());
        for (const QFileInfo& left : base.entryInfoList({QLatin1String(kPrefix) + u'*'}, QDir::Dirs)) {
            const qint64 pid = left.fileName().mid(int(sizeof kPrefix) - 1).toLongLong();
            if (pid > 0 && kill(pid_t(pid), 0) != 0 && errno == ESRCH) QDir(left.filePath()).removeRecursively();
        }
        path = base.filePath(QLatin1String(kPrefix) + QString::number(QCoreApplication::applicationPid()));
        QDir().mkpath(path);
    }
    ~WorkFolder() { QDir(path).removeRecursively(); }
    QString path;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const WorkFolder work;
    static gtfs_feed_input::Runner runner(work.path);
    const gtfs_feed_input::Outcome outcome =
        runner.run(QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (outcome.faults.isEmpty()) return 0;
    for (const QString& fault : outcome.faults) std::fprintf(stderr, "fault: %s\n", fault.toUtf8().constData());
    std::abort();
}
