#include "soundsynth/MidiTrack.h"

#include <QtEndian>

namespace sound_synth {

namespace {

void putBigEndian32(QByteArray& out, quint32 value) {
    char bytes[4];
    qToBigEndian(value, bytes);
    out.append(bytes, 4);
}

void putVarLength(QByteArray& out, int value) {
    QByteArray reversed(1, char(value & 0x7F));
    while (value >>= 7) reversed.prepend(char(0x80 | (value & 0x7F)));
    out.append(reversed);
}

}  // namespace

MidiTrack& MidiTrack::event(int delta, std::initializer_list<int> bytes) {
    putVarLength(events_, delta);
    for (int b : bytes) events_.append(char(b));
    return *this;
}

QByteArray MidiTrack::file(int endDelta) const {
    QByteArray track = events_;
    putVarLength(track, endDelta);
    track.append("\xFF\x2F\x00", 3);
    QByteArray smf("MThd");
    putBigEndian32(smf, 6);
    smf.append("\x00\x00\x00\x01\x01\xE0", 6);  // format 0, one track, 480 ticks a quarter
    smf.append("MTrk");
    putBigEndian32(smf, quint32(track.size()));
    return smf + track;
}

}  // namespace sound_synth
