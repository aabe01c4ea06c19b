#!/usr/bin/env python3
"""Writes the sample cutscene files in samples/CUT: small AMOS banks with invented dialogue.

Run it from anywhere; it always writes next to itself. The output is the same on every run,
so the files in the repository can be checked against a fresh run.
"""

import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
OUT_DIR = os.path.join(HERE, "CUT")

MAX_ENTRY = 255      # one length byte per entry
MAX_POSITION = 32767  # the editor reads 20 + S and 20 + E as signed 16-bit positions


def filler(count, start):
    """Stand-in for the game's own data around the text block: a fixed, repeatable pattern."""
    return bytes((start + 37 * i + (i >> 3)) & 0xFF for i in range(count))


def western(text):
    return text.encode("cp1252")


def greek(text):
    return text.encode("cp1253")


def make_cut(entries, bank_number=3, memory_type=0, flags=0, other_data=40, header=None,
             trailer=64):
    """Builds one bank: 20-byte bank header, 8-byte data header, S, E, the data ahead of the
    text block, the text block itself, then the data that follows it."""
    for entry in entries:
        if len(entry) > MAX_ENTRY:
            raise ValueError("entry longer than %d bytes: %r" % (MAX_ENTRY, entry))
    data_header = header if header is not None else filler(8, bank_number)
    assert len(data_header) == 8
    start = 12 + other_data
    block = b"".join(bytes([len(entry)]) + entry for entry in entries)
    end = start + len(block)
    if 20 + end > MAX_POSITION:
        raise ValueError("text block ends beyond the position the editor can read")
    body = (b"Datas   " + data_header + struct.pack(">HH", start, end) +
            filler(other_data, 101) + block + filler(trailer, 7))
    length = len(body)  # the whole file minus magic, bank number, memory type and this field
    assert length < (1 << 28)
    length_field = struct.pack(">I", (flags << 28) | length)
    return b"AmBk" + struct.pack(">HH", bank_number, memory_type) + length_field + body


SAMPLES = {
    # Codes at the start, inside and at the end of messages; empty and one-byte entries; a
    # message padded with spaces in front of its last code; Western accented letters.
    "C01.CUT": make_cut([
        western("*01Good morning, captain. The seaplane is fuelled and ready."),
        b"",
        western("Where did you leave the map of the river?*FL"),
        western("I*02 told you*03 it is under the seat, next to the parrot."),
        b"0",
        western("Caf\u00e9 au lait for the pilot, s'il vous pla\u00eet.*10"),
        western("Let us go  *FR"),
        b"?",
        western("*FB*FF"),
        western("The na\u00efve explorer smiled at the se\u00f1ora."),
        b"",
    ], bank_number=3, memory_type=0, other_data=40, trailer=96),

    # Greek text (Windows-1253 bytes) among Western codes.
    "C02.CUT": make_cut([
        greek("*20\u039a\u03b1\u03bb\u03b7\u03bc\u03ad\u03c1\u03b1, \u03ba\u03b1\u03c0\u03b5"
              "\u03c4\u03ac\u03bd\u03b9\u03b5."),
        b"9",
        greek("\u03a0\u03bf\u03cd \u03b5\u03af\u03bd\u03b1\u03b9 \u03c4\u03bf \u03b1\u03b5"
              "\u03c1\u03bf\u03c0\u03bb\u03ac\u03bd\u03bf;*FL"),
        b"",
        greek("\u0388\u03bb\u03b1*05 \u03bc\u03b1\u03b6\u03af \u03bc\u03bf\u03c5!"),
        b"x",
    ], bank_number=4, memory_type=1, other_data=24, trailer=40),

    # Exactly one real message among an empty and a one-byte entry.
    "C03.CUT": make_cut([
        b"",
        western("*01Nobody answers the radio.*02"),
        b"!",
    ], bank_number=5, memory_type=0, other_data=12, trailer=16),

    # No text messages at all: only empty and one-byte entries.
    "C04.CUT": make_cut([
        b"",
        b"A",
        b"",
        b"7",
        b"",
    ], bank_number=6, memory_type=0, other_data=0, trailer=8),

    # Flags set in the top bits of the bank length, and one long message.
    "C05.CUT": make_cut([
        western("*06The storm pushes the plane towards the jungle."),
        western("Hold on!*07"),
        western("*08" + "Engine one coughs, engine two splutters, and the compass spins like a "
                "top. Below us there is nothing but green, and somewhere down there the "
                "temple waits with its stone doors and its patient, dusty secrets.*09"),
        b"k",
        western("We made it*11... more or less."),
    ], bank_number=7, memory_type=1, flags=0xC, other_data=60, trailer=120),

    # A longer scene, so a folder of samples has neighbours on both sides of the middle.
    "C06.CUT": make_cut([
        western("*30Welcome to the museum of forgotten maps."),
        western("This one shows an island*31 that never existed."),
        western("And this one?*32"),
        b"",
        western("*33That one is mine. I drew it when I was nine."),
        western("It has a volcano shaped like a teapot."),
        b"-",
        western("Every good island needs one.*34"),
        western("*35*36Quiet, the guard is coming."),
        western("Too late*37, he saw us."),
        b"",
        western("Run!"),
    ], bank_number=8, memory_type=0, other_data=32, trailer=200),
}


def main():
    os.makedirs(OUT_DIR, exist_ok=True)
    for name, data in sorted(SAMPLES.items()):
        with open(os.path.join(OUT_DIR, name), "wb") as out:
            out.write(data)
        print("%s: %d bytes" % (name, len(data)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
