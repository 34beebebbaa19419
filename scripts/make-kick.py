#!/usr/bin/env python3
"""Writes assets/Kick8.wav: a short kick drum, a falling sine with a quick decay, 8-bit mono."""
import math, os, wave

rate = 11025
n = int(rate * 0.18)
out = os.path.join(os.path.dirname(__file__), '..', 'assets', 'Kick8.wav')
w = wave.open(out, 'wb')
w.setnchannels(1); w.setsampwidth(1); w.setframerate(rate)
frames = bytearray()
phase = 0.0
for i in range(n):
    t = i / rate
    freq = 150 * math.exp(-t * 18) + 45
    phase += 2 * math.pi * freq / rate
    frames.append(int(128 + 120 * math.exp(-t * 14) * math.sin(phase)))
w.writeframes(bytes(frames))
w.close()
