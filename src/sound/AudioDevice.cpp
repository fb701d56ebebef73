#include "sound/AudioDevice.h"

#include <QFile>

#include <SDL.h>
#include <SDL_mixer.h>

void Sound::ChunkDeleter::operator()(Mix_Chunk* chunk) const { Mix_FreeChunk(chunk); }

namespace {

bool openMixer() {
    // SDL would otherwise take SIGINT and SIGTERM for a quit event nobody
    // reads, and the program could no longer be stopped from a terminal.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    if (Mix_OpenAudioDevice(AudioDevice::Rate, AUDIO_S16SYS, AudioDevice::OutputChannels,
                            AudioDevice::BufferFrames, nullptr, 0) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_AllocateChannels(AudioDevice::MixChannels);
    return true;
}

}  // namespace

AudioDevice::AudioDevice() = default;

AudioDevice::~AudioDevice() {
    if (!open_) return;
    Mix_HaltChannel(-1);
    sounds_ = {};
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool AudioDevice::open() {
    if (open_) return true;
    open_ = openMixer();
    if (!open_) {
        SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
        open_ = openMixer();
        // A later device (after this one closes) may find real hardware again.
        SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    }
    return open_;
}

Sound AudioDevice::load(const QString& fileName) {
    Sound sound;
    if (!open()) return sound;
    // Qt reads the file, so a name in any script opens on every system.
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) return sound;
    const QByteArray data = file.readAll();
    SDL_RWops* source = SDL_RWFromConstMem(data.constData(), static_cast<int>(data.size()));
    if (source) sound.chunk_.reset(Mix_LoadWAV_RW(source, 1));
    return sound;
}

Sound AudioDevice::fromPcm(std::vector<std::int16_t> frames) {
    return fromPcm(std::make_shared<const std::vector<std::int16_t>>(std::move(frames)));
}

Sound AudioDevice::fromPcm(std::shared_ptr<const std::vector<std::int16_t>> frames) {
    Sound sound;
    if (!frames || frames->empty() || !open()) return sound;
    // The mixer only reads a chunk's samples; they are never written.
    auto* samples = reinterpret_cast<Uint8*>(const_cast<std::int16_t*>(frames->data()));
    sound.chunk_.reset(Mix_QuickLoad_RAW(samples, static_cast<Uint32>(frames->size() * sizeof(std::int16_t))));
    if (sound.chunk_) sound.pcm_ = std::move(frames);
    return sound;
}

bool AudioDevice::play(int channel, Sound sound) {
    if (channel < 0 || channel >= MixChannels || !sound || !open()) return false;
    halt(channel);
    if (Mix_PlayChannel(channel, sound.chunk_.get(), 0) < 0) return false;
    // Moving keeps the chunk and its PCM where the mixer reads them.
    sounds_[channel] = std::move(sound);
    return true;
}

void AudioDevice::halt(int channel) {
    if (channel < 0 || channel >= MixChannels) return;
    if (open_) Mix_HaltChannel(channel);
    sounds_[channel] = Sound();
}

bool AudioDevice::isPlaying(int channel) const {
    return open_ && channel >= 0 && channel < MixChannels && Mix_Playing(channel) != 0;
}
