"""Synthesises the three sound clips: mono PCM at 11025 samples per second.

move    8-bit,  0.17 s: one piece set down on a wooden board, a short soft knock.
capture 8-bit,  0.52 s: a sharper double knock, the taker striking the taken piece.
check   16-bit, 0.53 s: two bright wood-block strikes with a ringing tail, an alert.

A wooden knock is a few quickly decaying partials (inharmonic, as in a plate of wood)
started by a very short burst of noise. Noise comes from a seeded generator.
"""

import math
import os
import random
import wave

import woodlib as wl

RATE = 11025


def silence(seconds):
    return [0.0] * round(seconds * RATE)


def add_knock(buffer, start, partials, click, rng):
    """Mix a knock into buffer from `start` seconds.

    partials: (frequency Hz, amplitude, decay time s) triples; click: (amplitude, length s).
    """
    first = round(start * RATE)
    for n in range(first, len(buffer)):
        t = (n - first) / RATE
        value = 0.0
        for frequency, amplitude, decay in partials:
            value += amplitude * math.exp(-t / decay) * math.sin(2 * math.pi * frequency * t)
        click_amp, click_len = click
        if t < click_len:
            value += click_amp * (1 - t / click_len) ** 2 * rng.uniform(-1, 1)
        buffer[n] += value


def finish(buffer, peak=0.85, fade=0.02):
    """Scale to the given peak and fade the last moments so the clip ends without a click."""
    loudest = max(abs(v) for v in buffer) or 1.0
    fade_samples = round(fade * RATE)
    out = []
    for n, v in enumerate(buffer):
        gain = min(1.0, (len(buffer) - 1 - n) / fade_samples)
        out.append(v / loudest * peak * gain)
    return out


def smooth(buffer, amount):
    """One-pole low-pass: softens the noise of the attack like a felt-backed piece."""
    out, state = [], 0.0
    for v in buffer:
        state += amount * (v - state)
        out.append(state)
    return out


def write(name, samples, width):
    path = os.path.join(wl.ASSETS, "sounds", name)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with wave.open(path, "wb") as clip:
        clip.setnchannels(1)
        clip.setsampwidth(width)
        clip.setframerate(RATE)
        if width == 1:
            data = bytes(max(0, min(255, 128 + round(127 * v))) for v in samples)
        else:
            data = b"".join(
                max(-32768, min(32767, round(32767 * v))).to_bytes(2, "little", signed=True)
                for v in samples
            )
        clip.writeframes(data)
    print(path, len(samples) / RATE, "s")


def move_clip(rng):
    buffer = silence(0.17)
    add_knock(
        buffer,
        0.004,
        [(190, 0.55, 0.030), (610, 0.9, 0.018), (1130, 0.55, 0.012), (1790, 0.3, 0.008)],
        (0.9, 0.004),
        rng,
    )
    return finish(smooth(buffer, 0.55), peak=0.8)


def capture_clip(rng):
    buffer = silence(0.52)
    # The first strike: the moving piece lands hard on its victim.
    add_knock(
        buffer,
        0.004,
        [(240, 0.5, 0.035), (820, 1.0, 0.025), (1460, 0.7, 0.016), (2350, 0.45, 0.010)],
        (1.1, 0.005),
        rng,
    )
    # The second, a little higher and brighter: the taken piece knocked aside.
    add_knock(
        buffer,
        0.115,
        [(260, 0.45, 0.04), (930, 1.0, 0.03), (1650, 0.75, 0.02), (2700, 0.5, 0.012)],
        (1.2, 0.005),
        rng,
    )
    # A faint wooden rattle as it settles.
    add_knock(buffer, 0.25, [(880, 0.18, 0.05), (1570, 0.12, 0.03)], (0.15, 0.004), rng)
    return finish(smooth(buffer, 0.7), peak=0.85)


def check_clip(rng):
    buffer = silence(0.53)
    # A hollow wood block rings longer than a piece: a clear pitch and a few overtones.
    for start, base in ((0.004, 988.0), (0.16, 1175.0)):
        add_knock(
            buffer,
            start,
            [
                (base, 1.0, 0.11),
                (base * 2.02, 0.35, 0.05),
                (base * 2.93, 0.22, 0.03),
                (base * 0.5, 0.25, 0.06),
            ],
            (0.7, 0.004),
            rng,
        )
    return finish(smooth(buffer, 0.8), peak=0.85, fade=0.05)


def main():
    rng = random.Random(1103)
    write("move.wav", move_clip(rng), 1)
    write("capture.wav", capture_clip(rng), 1)
    write("check.wav", check_clip(rng), 2)


if __name__ == "__main__":
    main()
