#include "sound/mdlSndAPI.h"

#include <QFileInfo>

#include "platform/Wait.h"

namespace {

constexpr int ChannelCount = 4;

// "S1".."S4" are mixer channels 0..3.
int channelOf(const QString& alias) {
    for (int channel = 0; channel < ChannelCount; ++channel) {
        if (alias.compare(QStringLiteral("S%1").arg(channel + 1), Qt::CaseInsensitive) == 0) return channel;
    }
    return -1;
}

// Often enough that a synchronous sound returns within a few milliseconds
// of the mixer finishing it.
constexpr int EndPollMs = 4;

// Room for a ten-minute piece, the longest that renders, or several short ones.
constexpr std::size_t MidiCacheBytes = 128u << 20;

}  // namespace

mdlSndAPI::mdlSndAPI(AudioDevice& device) : device_(device), midi_(AudioDevice::Rate, MidiCacheBytes) {}

void mdlSndAPI::SndPlay(const QString& fileName, const QString& alias, qint16 waitForEnd, qint16 pauseMs) {
    if (fileName.isEmpty() || !QFileInfo(fileName).isFile()) return;
    const int channel = channelOf(alias);
    if (channel < 0) return;

    // Whatever else happens, the channel's previous sound ends here.
    device_.halt(channel);
    const QString ext = fileName.right(3).toUpper().trimmed();
    Sound sound = decode(fileName, ext);
    if (!sound || !device_.play(channel, std::move(sound))) return;

    if (waitForEnd != 0) {
        waiting::blockWhile([&] { return device_.isPlaying(channel); }, EndPollMs);
        waiting::blockFor(pauseMs);
    }
}

Sound mdlSndAPI::decode(const QString& fileName, const QString& ext) {
    if (ext == QLatin1String("WAV") || ext == QLatin1String("MP3")) return device_.load(fileName);
    if (ext == QLatin1String("MID")) return device_.fromPcm(midi_.get(fileName));
    return Sound();
}

void mdlSndAPI::SndCloseAll() {
    for (int channel = 0; channel < ChannelCount; ++channel) device_.halt(channel);
}
