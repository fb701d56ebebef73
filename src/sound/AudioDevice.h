#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

struct Mix_Chunk;

// A decoded sound ready for the mixer. A sound made from our own PCM holds a
// share of that PCM, because the mixer's chunk only points into it.
class Sound {
public:
    Sound() = default;
    explicit operator bool() const { return chunk_ != nullptr; }

private:
    friend class AudioDevice;
    struct ChunkDeleter {
        void operator()(Mix_Chunk* chunk) const;
    };
    // Declared first so the chunk, which points into it, goes first.
    std::shared_ptr<const std::vector<std::int16_t>> pcm_;
    std::unique_ptr<Mix_Chunk, ChunkDeleter> chunk_;
};

// The one output device, shared by the four sound channels and the speech
// channel. It opens at the first sound; when no device opens, SDL's dummy
// driver takes its place so the program runs silently instead of failing.
class AudioDevice {
public:
    // The device format; PCM handed to fromPcm must be in it.
    static constexpr int Rate = 44100;
    static constexpr int OutputChannels = 2;
    // Small enough that a sound starts within a few milliseconds.
    static constexpr int BufferFrames = 512;
    // Mixer channels 0..3 are the sound channels "S1".."S4"; speech has its own.
    static constexpr int SpeechChannel = 4;
    static constexpr int MixChannels = SpeechChannel + 1;

    AudioDevice();
    ~AudioDevice();
    AudioDevice(const AudioDevice&) = delete;
    AudioDevice& operator=(const AudioDevice&) = delete;

    // WAV, MP3 and whatever else the mixer decodes, converted to the device
    // format; an empty Sound when the file cannot be decoded.
    Sound load(const QString& fileName);
    // Interleaved stereo 16-bit frames at Rate. The shared form plays PCM
    // that others hold too (a cached piece) without copying it.
    Sound fromPcm(std::vector<std::int16_t> frames);
    Sound fromPcm(std::shared_ptr<const std::vector<std::int16_t>> frames);

    // Replaces whatever the channel played; the channel keeps the sound until
    // the next play or halt.
    bool play(int channel, Sound sound);
    void halt(int channel);
    bool isPlaying(int channel) const;

private:
    bool open();

    bool open_ = false;
    std::array<Sound, MixChannels> sounds_;
};
