#pragma once

#include <QByteArray>

// The demo set's sound effects, made by our own synthesiser.
namespace demo_sounds {

// Ding-dong: E5 then C5, two bell-like tones a major third apart, 1.2 s.
QByteArray chimeWav();
// Three quick rising tones, C6 E6 G6, 0.3 s: a route has been set.
QByteArray routeSetWav();
// A 0.18 s beep of the MP3 tone, for every step.
QByteArray stepMp3();
// A five-second vibraphone tune in C major over a bass, ending on a C major chord.
QByteArray jingleMidi();

}  // namespace demo_sounds
