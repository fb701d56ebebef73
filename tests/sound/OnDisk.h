#pragma once

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "sound/AudioDevice.h"
#include "tests/support/TestSounds.h"

// A test whose audio device plays on SDL's disk driver, which writes what the
// device gets in real time, to be read back.
class OnDisk : public ::testing::Test {
protected:
    OnDisk() {
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(dir.filePath("device.raw")));
    }
    // The left channel, once `user` and the device are gone and every sample is on disk.
    template <typename User>
    std::vector<std::int16_t> output(std::unique_ptr<User>& user) {
        user.reset();
        device.reset();
        return test_sounds::leftChannelOf(dir.filePath("device.raw"));
    }

    QTemporaryDir dir;
    std::unique_ptr<AudioDevice> device = std::make_unique<AudioDevice>();
};
