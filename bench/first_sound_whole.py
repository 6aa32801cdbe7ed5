#!/usr/bin/env python3
"""Whether the first sound a program made at the sink came whole from its first sample: its
recording, as the program decodes it, against what the sink's monitor recorded (16-bit mono at
48 kHz, from byte FROM on). Prints "whole", "lost N ms at its start" (the sink went on from
further into the recording: a stream that dropped what it had been given), "broken" (heard,
but not as recorded) or "none" (nothing heard), and for which recording.
usage: first_sound_whole.py SINK.raw FROM RECORDING.wav..."""
import struct
import sys

LOUD = 300
TOLERANCE = 6
COMPARED = 4800  # 100 ms


def samples_of_wave(path):
    data = open(path, 'rb').read()
    at = 12
    while at + 8 <= len(data):
        kind, size = data[at:at + 4], struct.unpack('<I', data[at + 4:at + 8])[0]
        if kind == b'data':
            body = data[at + 8:at + 8 + size]
            return memoryview(body[:len(body) // 2 * 2]).cast('h')
        at += 8 + size + (size & 1)
    return memoryview(b'').cast('h')


def first_loud(samples, start=0):
    return next((i for i in range(start, len(samples)) if abs(samples[i]) > LOUD), None)


def same(a, a_at, b, b_at, count):
    return all(abs(a[a_at + i] - b[b_at + i]) <= TOLERANCE for i in range(count))


def judge(sink, recording):
    heard, began = first_loud(sink), first_loud(recording)
    if heard is None or began is None:
        return None
    count = min(COMPARED, len(sink) - heard, len(recording) - began)
    if same(sink, heard, recording, began, count):
        return 'whole'
    # Where in the recording the sink's first stretch comes from, if from further in: within 0.5 s.
    probe = min(960, len(sink) - heard)
    for later in range(began + 1, min(len(recording) - probe, began + 24000)):
        if same(sink, heard, recording, later, 32) and same(sink, heard, recording, later, probe):
            return f'lost {round((later - began) / 48)} ms at its start'
    return 'broken'


def main():
    raw, start, recordings = sys.argv[1], int(sys.argv[2]), sys.argv[3:]
    data = open(raw, 'rb').read()[start:]
    sink = memoryview(data[:len(data) // 2 * 2]).cast('h')
    verdicts = [(judge(sink, samples_of_wave(path)), path) for path in recordings]
    for wanted in ('whole', 'lost', 'broken'):
        for verdict, path in verdicts:
            if verdict and verdict.startswith(wanted):
                print(f'{verdict} ({path.rsplit("/", 1)[-1]})')
                return
    print('none')


if __name__ == '__main__':
    main()
