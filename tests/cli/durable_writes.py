#!/usr/bin/env python3
"""Watches quillon-cli's writes through strace: every file the user asked for must be on the
disk (fsync) before it is renamed into place, and its folder synced after the rename, before
the tool reports anything. An update in place also syncs the folder after each of its renames
(the .BAK, then the file), before the next one. Usage: durable_writes.py QUILLON_CLI SAMPLE.CUT"""
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile

CALL = re.compile(r'^(?:\[pid\s+\d+\]\s+|\d+\s+)?(\w+)\((.*)\)\s+=\s+(-?\d+)')
FD_PATH = re.compile(r'^\d+<(.*)>$')


def arguments(text):
    """The quoted or fd<path> arguments of a strace line, in order."""
    out = []
    for m in re.finditer(r'"((?:[^"\\]|\\.)*)"|\d+<([^>]*)>', text):
        out.append(m.group(1) if m.group(1) is not None else m.group(2))
    return out


def check(cli, work, args, each_rename_synced=False):
    trace = os.path.join(work, 'trace')
    # A sanitizer build's leak check cannot run under ptrace; the other checks still do.
    env = dict(os.environ)
    env['ASAN_OPTIONS'] = ':'.join(filter(None, [env.get('ASAN_OPTIONS'), 'detect_leaks=0']))
    proc = subprocess.run(['strace', '-f', '-y', '-qq', '-o', trace, '-e',
                           'trace=fsync,fdatasync,syncfs,rename,renameat,renameat2,link,linkat,'
                           'write',
                           cli] + args, cwd=work, capture_output=True, timeout=60, env=env)
    if proc.returncode != 0:
        return ['quillon-cli %s failed: %s' % (' '.join(args), proc.stderr.decode())]
    synced, written, problems = set(), set(), []
    pending_folder = None  # a folder whose new entry is not on the disk yet
    renames = 0
    for line in open(trace, encoding='utf-8', errors='replace'):
        m = CALL.match(line.strip())
        if not m or int(m.group(3)) < 0:
            continue
        name, args_ = m.group(1), arguments(m.group(2))
        paths = [os.path.normpath(os.path.join(work, p)) for p in args_]
        if name in ('fsync', 'fdatasync'):
            synced.add(paths[0])
            if pending_folder == paths[0]:
                pending_folder = None
        elif name == 'syncfs':  # every file written so far is on the disk
            synced |= written
        elif name.startswith('link'):
            synced.add(paths[-1])  # a second name for data already on the disk
        elif name.startswith('rename'):
            src, dst = paths[-2], paths[-1]
            renames += 1
            if src not in synced:
                problems.append('%s renamed to %s before its data reached the disk' % (src, dst))
            if each_rename_synced and pending_folder:
                problems.append('%s renamed to %s before the folder was synced after the rename '
                                'before it' % (src, dst))
            synced.add(dst)
            pending_folder = os.path.dirname(dst)
        elif name == 'write' and args_ and re.match(r'pipe:|/dev/', args_[0]):
            if pending_folder:
                problems.append('reported before the folder %s was synced' % pending_folder)
                pending_folder = None
        elif name == 'write' and args_:
            written.add(paths[0])
    if renames == 0:
        problems.append('quillon-cli %s renamed nothing' % ' '.join(args))
    if pending_folder:
        problems.append('the folder %s was never synced after the rename' % pending_folder)
    return problems


def resource_file(entries):
    """A resource file with an embedded table holding the given entries."""
    names = sorted(entries)
    out = b'QTBL' + b'CEM10\0\0\0\1' + struct.pack('>H', len(names))
    offset = len(out) + 21 * len(names)
    for name in names:
        out += name.encode().ljust(12, b'\0') + b'\1' + struct.pack('>II', offset, len(entries[name]))
        offset += len(entries[name])
    return out + b''.join(entries[name] for name in names)


def main():
    cli, sample = os.path.abspath(sys.argv[1]), sys.argv[2]
    if shutil.which('strace') is None:
        print('strace is not installed (scripts/install-deps.sh installs it)')
        return 1
    work = tempfile.mkdtemp(prefix='quillon-durable-')
    try:
        shutil.copy(sample, os.path.join(work, 'C01.CUT'))
        with open(os.path.join(work, 'game.1c'), 'wb') as f:
            f.write(resource_file({'C01.CUT': open(sample, 'rb').read(), 'X.SB': b'sound'}))
        problems = []
        for args in (['export', 'C01.CUT', '-o', 'C01.tmf'],
                     ['apply', 'C01.CUT', 'C01.tmf', '-o', 'NEW'],
                     ['apply', 'C01.CUT', 'C01.tmf', '-o', 'C01.CUT'],  # in place, with .BAK
                     ['unpack', 'game.1c', '-o', 'CUT', '--all'],  # several files at once
                     ['pack', 'game.1c', 'CUT', '-o', 'NEW.1c'],
                     ['pack', 'game.1c', 'CUT', '-o', 'game.1c']):
            # Written onto its own input: an update in place, the old version kept as .BAK.
            problems += check(cli, work, args, each_rename_synced=args[1] == args[-1])
        for p in problems:
            print(p)
        return 1 if problems else 0
    finally:
        shutil.rmtree(work)


if __name__ == '__main__':
    sys.exit(main())
