#include "soundsynth/Mp3Tone.h"

namespace sound_synth {

namespace {

QByteArray toneFrame() {
    // 128 kbit/s without padding: 417 bytes; side info from byte 4, main data
    // (main_data_begin 0) right after its 17 bytes.
    QByteArray frame(417, '\0');
    int bit = 0;
    auto bits = [&](unsigned value, int count) {
        for (int i = count - 1; i >= 0; --i, ++bit)
            if ((value >> i) & 1) frame[bit / 8] = char(frame[bit / 8] | (0x80 >> (bit % 8)));
    };
    bits(0xFFFB90C0, 32);  // MPEG-1 Layer III, no CRC, 128 kbit/s, 44.1 kHz, mono
    bits(0, 9 + 5 + 4);    // main_data_begin, private bits, scfsi
    for (int granule = 0; granule < 2; ++granule) {
        bits(13, 12);          // part2_3_length: no scale factors, 13 bits of Huffman code
        bits(11, 9);           // big_values: 11 pairs
        bits(202, 8);          // global_gain: a peak near 8000
        bits(0, 4 + 1);        // scalefac_compress, window_switching_flag
        bits(0b000010000100001, 15);  // table 1 in all three regions
        bits(0, 4 + 3 + 3);    // region counts, preflag, scalefac_scale, count1table
    }
    for (int granule = 0; granule < 2; ++granule) {
        bits(0b1111111111, 10);  // ten (0,0) pairs
        bits(0b010, 3);          // (1,0), sign +: spectral line 20
    }
    return frame;
}

}  // namespace

QByteArray mp3Tone(int frames) {
    const QByteArray frame = toneFrame();
    QByteArray stream;
    stream.reserve(frame.size() * qMax(frames, 0));
    for (int i = 0; i < frames; ++i) stream.append(frame);
    return stream;
}

}  // namespace sound_synth
