#!/usr/bin/env python3
"""Writes the fuzzers' starting corpus: small valid .CUT and .TMF files.

Usage: make_corpus.py [FOLDER]   (default: the corpus folder beside this script)
Each target's inputs go to a subfolder of FOLDER: cut/, tmf/.
"""
import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "corpus")


def cut_file(entries, before=b"\x01\x02\x03\x04", after=b"\xa0\xa1", flags=4, end=None):
    block = b"".join(bytes([len(e)]) + e for e in entries)
    start = 12 + len(before)
    stop = start + len(block) if end is None else end
    body = b"Datas   " + bytes(range(0x10, 0x18)) + struct.pack(">HH", start, stop)
    body += before + block + after
    length = len(body)  # the whole file minus the first 12 bytes
    return b"AmBk" + b"\x00\x03\x00\x00" + struct.pack(">I", (flags << 28) | length) + body


def tmf_file(name, lines, end=b"\r\n"):
    out = b"Original CUT file: " + name + end + end
    return out + b"".join(l + end for l in lines)


CUTS = {
    "plain.CUT": cut_file([b"Hello*01", b"", b"x", b"World*02*03", b"ab"]),
    "trimmed.CUT": cut_file([b"Hello  *AB", b"text  *AB  *CD", b"      ", b"abc  "]),
    "past_end.CUT": cut_file([b"one", b"two", b"three"], end=12 + 4 + 5),
    "empty_block.CUT": cut_file([], before=b""),
    "long.CUT": cut_file([bytes([65 + i % 26]) * (i * 7 % 256) for i in range(40)], flags=15),
}
TMFS = {
    "new.tmf": tmf_file(b"C12.CUT", [b"001 Hola*01", b"002 Mundo*02*03", b"003"]),
    "escaped.tmf": tmf_file(b"C12.CUT", [b"004\\Two\\r\\nlines \\\\o/", b"1000 big"]),
    "lf_only.tmf": tmf_file(b"C12.CUT", [b"005 five", b"abc", b"", b"007   seven"], end=b"\n"),
}

for folder, files in (("cut", CUTS), ("tmf", TMFS)):
    os.makedirs(os.path.join(OUT, folder), exist_ok=True)
    for name, data in files.items():
        with open(os.path.join(OUT, folder, name), "wb") as f:
            f.write(data)
