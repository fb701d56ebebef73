#!/usr/bin/env python3
"""Where tones and speech sound in what SDL's disk audio driver wrote
(16-bit stereo, 44.1 kHz): prints, for each 20 ms window, the level of each
frequency asked for and the window's overall level.

usage: pcm_tones.py FILE HZ... -> lines "ms level(hz1) level(hz2) ... rms"
"""
import math
import struct
import sys

RATE = 44100
WINDOW = RATE // 50


def main():
    path, freqs = sys.argv[1], [float(f) for f in sys.argv[2:]]
    data = open(path, 'rb').read()
    count = len(data) // 4
    left = struct.unpack('<%dh' % (count * 2), data[:count * 4])[0::2]
    coeffs = [2 * math.cos(2 * math.pi * f / RATE) for f in freqs]
    for start in range(0, count - WINDOW + 1, WINDOW):
        block = left[start:start + WINDOW]
        levels = []
        for c in coeffs:
            s1 = s2 = 0.0
            for x in block:
                s1, s2 = x + c * s1 - s2, s1
            power = s1 * s1 + s2 * s2 - c * s1 * s2
            levels.append(2 * math.sqrt(max(power, 0)) / WINDOW)
        rms = math.sqrt(sum(x * x for x in block) / WINDOW)
        print(start * 1000 // RATE, *('%.0f' % v for v in levels), '%.0f' % rms)


if __name__ == '__main__':
    main()
