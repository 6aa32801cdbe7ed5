#!/usr/bin/env python3
"""Compresses one recording for the Windows edition: MPEG layer 3 inside a wave file, as Windows'
own decoder (ACM) takes it, so that the zip a player downloads stays small.

    compress_recording.py IN.wav OUT.wav

The wave file says what the decoder must be told (MPEGLAYER3WAVEFORMAT), how many frames the
recording has (the fact chunk), and how many frames the encoder put before the sound
(nCodecDelay), so the game can cut the decoded sound back to the recording, frame for frame.
"""
import struct
import subprocess
import sys
import wave

BITRATE = 64000  # mono speech and earcons at 48 kHz: clear, and the zip stays under 10 MB
LAME_ENCODER_DELAY = 576  # frames LAME puts before the first sample, whatever the rate
WAVE_FORMAT_MPEGLAYER3 = 0x55
MPEGLAYER3_ID_MPEG = 1
MPEGLAYER3_FLAG_PADDING_OFF = 2


def main(source, target):
    with wave.open(source, "rb") as recording:
        channels = recording.getnchannels()
        rate = recording.getframerate()
        frames = recording.getnframes()
    if rate not in (32000, 44100, 48000):
        sys.exit(f"{source}: {rate} Hz; MPEG-1 layer 3 takes 32, 44.1 or 48 kHz")
    # The bare frames: no ID3 tag, no Xing/LAME header (a decoder that read it would cut the
    # sound differently from one that did not).
    mp3 = subprocess.run(
        ["ffmpeg", "-loglevel", "error", "-i", source, "-c:a", "libmp3lame", "-b:a", str(BITRATE),
         "-write_xing", "0", "-id3v2_version", "0", "-f", "mp3", "-"],
        check=True, stdout=subprocess.PIPE).stdout
    block = 1152 * BITRATE // 8 // rate  # bytes a frame; 48 kHz needs no padding byte
    fmt = struct.pack("<HHIIHHH", WAVE_FORMAT_MPEGLAYER3, channels, rate, BITRATE // 8, 1, 0, 12)
    fmt += struct.pack("<HIHHH", MPEGLAYER3_ID_MPEG, MPEGLAYER3_FLAG_PADDING_OFF, block, 1,
                       LAME_ENCODER_DELAY)
    chunks = chunk(b"fmt ", fmt) + chunk(b"fact", struct.pack("<I", frames)) + chunk(b"data", mp3)
    with open(target, "wb") as out:
        out.write(b"RIFF" + struct.pack("<I", 4 + len(chunks)) + b"WAVE" + chunks)


def chunk(tag, body):
    return tag + struct.pack("<I", len(body)) + body + (b"\0" if len(body) % 2 else b"")


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
