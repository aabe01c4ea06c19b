#!/usr/bin/env python3
"""Writes the fuzzers' starting corpus: small valid .CUT, .DOG, line and .TMF files, resource
files, text in UTF-8 and in the fonts' bytes, laid-out messages and gettext catalogues.

Usage: make_corpus.py [FOLDER]   (default: the corpus folder beside this script)
Each target's inputs go to a subfolder of FOLDER: cut/, dog/, lines/, tmf/, res/, letters/,
view/, po/.
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


def dog_file(joe, person, cutscene=b"C1.CUT", gap=3, pair=(b"Again?", b"0"), levels=2,
             tail=b"\0" * 6, flags=8):
    """A dialogue bank: lines are (id, text), padded to 4 from the data start; the cutscene
    name and the pair padded to 2; gap zero bytes between the name and the pair."""
    data = bytearray(32)
    struct.pack_into(">hhhhh", data, 0, -levels, 7, 7, len(joe), len(person))
    struct.pack_into(">I", data, 28, levels)
    data += bytes((i * 7 + 1) & 0xFF for i in range(96 * levels))

    def text(s, align):
        data.extend(bytes([len(s)]) + s)
        while s and len(data) % align:
            data.append(0)

    starts = []
    for lines in (joe, person):
        starts.append(len(data))
        for ident, s in lines:
            data.extend(b"\0\0" + struct.pack(">h", ident))
            text(s, 4)
    starts.append(len(data))
    data += b"\0\x05\0\x01"
    text(cutscene, 2)
    data += b"\0" * gap
    starts.append(len(data))
    for s in pair:
        text(s, 2)
    data += tail
    struct.pack_into(">HHH", data, 22, starts[1], starts[2], starts[3])
    length = (flags << 28) | (len(data) + 8)
    return b"AmBk" + b"\x00\x0f\x00\x01" + struct.pack(">I", length) + b"Datas   " + bytes(data)


def tmf_file(name, lines, end=b"\r\n"):
    out = b"Original CUT file: " + name + end + end
    return out + b"".join(l + end for l in lines)


def resource_file(entries, order=None, gaps=b"", trailer=b""):
    """A resource file with an embedded table: (name, data, bundle) sorted by name, the data
    in the given order (default: last first), each preceded by gaps."""
    entries = sorted(entries)
    out = b"QTBL" + b"CEM10\0" + b"\0\0" + b"\x01" + struct.pack(">H", len(entries))
    table_end = len(out) + 21 * len(entries)
    order = order if order is not None else list(reversed(range(len(entries))))
    where, data = {}, b""
    for i in order:
        name, body, bundle = entries[i]
        if bundle == 1:
            data += gaps
            where[i] = table_end + len(data)
            data += body
    for i, (name, body, bundle) in enumerate(entries):
        out += name.ljust(12, b"\0") + bytes([bundle]) + struct.pack(">II", where.get(i, 0), len(body))
    return out + data + trailer


CUTS = {
    "plain.CUT": cut_file([b"Hello*01", b"", b"x", b"World*02*03", b"ab"]),
    "trimmed.CUT": cut_file([b"Hello  *AB", b"text  *AB  *CD", b"      ", b"abc  "]),
    "past_end.CUT": cut_file([b"one", b"two", b"three"], end=12 + 4 + 5),
    "empty_block.CUT": cut_file([], before=b""),
    "long.CUT": cut_file([bytes([65 + i % 26]) * (i * 7 % 256) for i in range(40)], flags=15),
}
DOGS = {
    "plain.DOG": dog_file([(0, b"Hi.*02"), (6, b"Who are you?*03"), (7, b"0")],
                          [(1, b"Nobody."), (6, b"I am Bob.*FL"), (7, b"")]),
    "quiet.DOG": dog_file([(0, b"0")], [], cutscene=b"", gap=0, pair=(b"0", b"0"), levels=1,
                          tail=b""),
    "long.DOG": dog_file([(i, bytes([65 + i % 26]) * (i * 7 % 256)) for i in range(30)],
                         [(i, b"*%02d" % i) for i in range(12)], gap=2, levels=5, flags=15),
}


def crlf_lines(lines, final_break=True):
    return b"\r\n".join(lines) + (b"\r\n" if final_break else b"")


LINES = {
    "credits.CRD": crlf_lines([b".c", b".i 3", b"A game by", b"", b"  Steve", b".p 0",
                               b"Thanks", b"END"], final_break=False),
    "after_end.CRD": crlf_lines([b".l", b"text", b"EN", b"after the end", b".p 1"]),
    # The fuzzer repeats an input's lines to the 1,427 of QUEEN2.JAS: a few of each kind.
    "jas_kinds.txt": crlf_lines([b"c1.CUT", b"I can't*14move it*03", b"x.dog", b".CUT",
                                 b"comedy breasts^_", b"C1", b"----", b"pick up",
                                 b"038,008,000,000", b"X11_JOE.ACT"]),
}
TMFS = {
    "new.tmf": tmf_file(b"C12.CUT", [b"001 Hola*01", b"002 Mundo*02*03", b"003"]),
    "escaped.tmf": tmf_file(b"C12.CUT", [b"004\\Two\\r\\nlines \\\\o/", b"1000 big"]),
    "lf_only.tmf": tmf_file(b"C12.CUT", [b"005 five", b"abc", b"", b"007   seven"], end=b"\n"),
}

RESOURCES = {
    "plain.1c": resource_file([(b"CDINT.CUT", CUTS["plain.CUT"], 1), (b"CDINT06.SB", b"voice", 1),
                               (b"ZOMBIE.ACT", b"walk", 1)]),
    "gaps.1c": resource_file([(b"A.CUT", CUTS["trimmed.CUT"], 1), (b"B.BBK", b"", 1),
                              (b"C.PCX", b"pixels", 1), (b"D.CUT", b"elsewhere", 2)],
                             gaps=b"GAP", trailer=b"END"),
    "empty.1c": resource_file([]),
}

LETTERS = {
    "western.txt": "Señor Pérez, ¿qué tal? Ça va. Grüße, ’quoted’ … – done".encode(),
    "russian.txt": "Привет, Джо! Где принцесса?".encode(),
    "greek.txt": "Καλημέρα, Τζο.".encode(),
    "hebrew.txt": "שלום, ג'ו".encode(),
    "game_bytes.bin": bytes(range(256)),
    "utf8.tmf": tmf_file(b"C12.CUT", ["001 Où est la clé ?".encode(), "002 “Bien” …".encode()]),
    "broken.tmf": tmf_file(b"C12.CUT", [b"001 caf\xc3", "002 Ελλάδα".encode()]),
}


def view(kind, language, message):
    """A laid-out message: the kind (0 nothing, 1 speech, 2 option, 3 command name,
    4 journal label), the version string's language letter, the bytes."""
    return bytes([kind]) + language + message


VIEWS = {
    "speech.bin": view(1, b"E", b"I can't move it, it's much too heavy for me*03Maybe later"),
    "hidden.bin": view(1, b"F", b"Heard*WTNot shown*GDShown at last*XY(100,200)!"),
    "long.bin": view(1, b"G", b"word " * 70),
    "hebrew.bin": view(1, b"H", "שלום חבר שלי, מה שלומך היום? אני בסדר גמור".encode("iso-8859-8")),
    "option.bin": view(2, b"S", b"Could you tell me where the princess is hidden, please?*01"),
    "option_en.bin": view(2, b"E", b"W" * 40 + b"*01"),
    "option_he.bin": view(2, b"H", b"aaaa bbbbbbbbbb cccccccccc dddddddddd eeeeeeeeee ffffffffff"),
    "command.bin": view(3, b"I", b"very long name of an object" * 3),
    "journal.bin": view(4, b"R", b"Save game  Restore"),
}

PO_HEADER = (b'msgid ""\nmsgstr ""\n"Content-Type: text/plain; charset=UTF-8\\n"\n'
             b'"X-Game-Language: F\\n"\n\n')
POS = {
    "plain.po": PO_HEADER + 'msgctxt "C1.CUT:1"\nmsgid "Hello"\nmsgstr "Bonjour, ça va ?"\n'.encode(),
    "flags.po": PO_HEADER + b'#, fuzzy\nmsgctxt "C1.CUT:2"\nmsgid "Hi*01"\nmsgstr "Salut*01"\n\n'
    b'#~ msgctxt "C1.CUT:3"\n#~ msgid "old"\n#~ msgstr "vieux"\n\n'
    b'msgctxt "x"\nmsgid ""\n"two "\n"lines\\n"\nmsgstr "deux\\t"\n',
    "plural.po": PO_HEADER + b'msgid "one"\nmsgid_plural "many"\nmsgstr[0] "un"\nmsgstr[1] "des"\n',
    "latin1.po": b'msgid ""\nmsgstr "Content-Type: text/plain; charset=ISO-8859-1\\n"\n\n'
    b'msgid "a"\nmsgstr "\xe9t\xe9"\n',
    "broken.po": b'msgid "unterminated\nmsgstr \n"',
}

for folder, files in (("cut", CUTS), ("dog", DOGS), ("lines", LINES), ("tmf", TMFS), ("res", RESOURCES),
                      ("letters", LETTERS), ("view", VIEWS), ("po", POS)):
    os.makedirs(os.path.join(OUT, folder), exist_ok=True)
    for name, data in files.items():
        with open(os.path.join(OUT, folder, name), "wb") as f:
            f.write(data)
