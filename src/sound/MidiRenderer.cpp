#include "sound/MidiRenderer.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <fluidsynth.h>

#include <algorithm>
#include <cmath>

struct MidiRenderer::Synth {
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    ~Synth() {
        if (synth) delete_fluid_synth(synth);
        if (settings) delete_fluid_settings(settings);
    }
};

namespace {

constexpr int BlockFrames = 1024;
// Notes still sounding when the file ends (a held organ chord) get this long.
constexpr int MaxTailSeconds = 3;
// Stops a file whose tempo or length would keep us rendering for ever.
constexpr int MaxSeconds = 600;

struct PlayerDeleter {
    void operator()(fluid_player_t* player) const {
        fluid_player_stop(player);
        delete_fluid_player(player);
    }
};

QStringList soundFontCandidates(fluid_settings_t* settings) {
    QStringList fonts;
    char* configured = nullptr;
    if (fluid_settings_dupstr(settings, "synth.default-soundfont", &configured) == FLUID_OK && configured) {
        fonts << QString::fromLocal8Bit(configured);
        fluid_free(configured);
    }
    // Debian's GM alternative, then the font the package list installs.
    fonts << QStringLiteral("/usr/share/sounds/sf2/default-GM.sf2") << QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2");
    return fonts;
}

std::int16_t toSample(float value) {
    return static_cast<std::int16_t>(std::lrint(std::clamp(value, -1.0f, 1.0f) * 32767.0f));
}

}  // namespace

MidiRenderer::MidiRenderer(int sampleRate) : sampleRate_(sampleRate) {}

MidiRenderer::~MidiRenderer() = default;

std::unique_ptr<MidiRenderer::Synth> MidiRenderer::makeSynth(int sampleRate) {
    // A file FluidSynth cannot read just stays silent, as every failed sound does.
    for (int level : {FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG}) fluid_set_log_function(level, nullptr, nullptr);
    auto synth = std::make_unique<Synth>();
    synth->settings = new_fluid_settings();
    if (!synth->settings) return nullptr;
    fluid_settings_setnum(synth->settings, "synth.sample-rate", sampleRate);
    // Rendered ahead of time on one thread: the player counts samples, not
    // clock time, and effects that only add a tail are left out for speed.
    fluid_settings_setstr(synth->settings, "player.timing-source", "sample");
    fluid_settings_setint(synth->settings, "synth.threadsafe-api", 0);
    fluid_settings_setint(synth->settings, "synth.reverb.active", 0);
    fluid_settings_setint(synth->settings, "synth.chorus.active", 0);
    fluid_settings_setint(synth->settings, "synth.lock-memory", 0);
    // Programs and controllers of one file must not carry over to the next.
    fluid_settings_setint(synth->settings, "player.reset-synth", 1);
    // At the default gain a GM piece sounds some 20 dB below a typical WAV chime.
    fluid_settings_setnum(synth->settings, "synth.gain", 0.6);
    synth->synth = new_fluid_synth(synth->settings);
    if (!synth->synth) return nullptr;
    for (const QString& font : soundFontCandidates(synth->settings)) {
        if (QFileInfo(font).isFile() &&
            fluid_synth_sfload(synth->synth, QFile::encodeName(font).constData(), 1) != FLUID_FAILED)
            return synth;
    }
    return nullptr;
}

bool MidiRenderer::ready() {
    // One attempt only: without a sound font every MIDI file stays silent.
    if (!synth_ && !failed_) {
        synth_ = makeSynth(sampleRate_);
        failed_ = !synth_;
    }
    return synth_ != nullptr;
}

std::vector<std::int16_t> MidiRenderer::render(const QString& fileName) {
    std::vector<std::int16_t> pcm;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) return pcm;
    const QByteArray data = file.readAll();
    if (!data.startsWith("MThd") || !ready()) return pcm;

    fluid_synth_t* synth = synth_->synth;
    std::unique_ptr<fluid_player_t, PlayerDeleter> player(new_fluid_player(synth));
    if (!player || fluid_player_add_mem(player.get(), data.constData(), static_cast<size_t>(data.size())) != FLUID_OK ||
        fluid_player_play(player.get()) != FLUID_OK)
        return pcm;

    std::vector<float> block(BlockFrames * 2);
    const int maxTailBlocks = MaxTailSeconds * sampleRate_ / BlockFrames;
    const size_t maxSamples = static_cast<size_t>(MaxSeconds) * sampleRate_ * 2;
    int tailBlocks = 0;
    while (pcm.size() < maxSamples) {
        if (fluid_player_get_status(player.get()) != FLUID_PLAYER_PLAYING &&
            (fluid_synth_get_active_voice_count(synth) == 0 || tailBlocks++ >= maxTailBlocks))
            break;
        fluid_synth_write_float(synth, BlockFrames, block.data(), 0, 2, block.data(), 1, 2);
        std::transform(block.begin(), block.end(), std::back_inserter(pcm), toSample);
    }
    player.reset();

    size_t end = pcm.size();
    while (end > 0 && pcm[end - 1] == 0) --end;
    pcm.resize((end + 1) / 2 * 2);
    return pcm;
}
