#!/usr/bin/env python3
"""Compares kestrane-rtf's plain text with LibreOffice's on a set of RTF files.

usage: compare-readers.py KESTRANE_RTF FILE_OR_FOLDER...

Needs soffice (libreoffice-writer-nogui); never run by CI. Two texts agree when they hold the same
words in the same order: LibreOffice writes each table cell on a line of its own, we keep a row on
one line, so line layout is not compared.
"""
import os
import subprocess
import sys
import tempfile
import unicodedata


def words(text):
    return unicodedata.normalize('NFC', text.lstrip('\ufeff')).split()


def main():
    if len(sys.argv) < 3:
        print(__doc__)
        return 2
    tool = sys.argv[1]
    files = []
    for arg in sys.argv[2:]:
        if os.path.isdir(arg):
            files += sorted(os.path.join(arg, f) for f in os.listdir(arg) if f.lower().endswith('.rtf'))
        else:
            files.append(arg)
    with tempfile.TemporaryDirectory() as out:
        profile = 'file://' + os.path.join(out, 'profile')
        # One output folder per input folder: equal names in two folders must not collide.
        folders = sorted({os.path.dirname(os.path.abspath(f)) for f in files})
        for i, folder in enumerate(folders):
            group = [f for f in files if os.path.dirname(os.path.abspath(f)) == folder]
            subprocess.run(['soffice', '-env:UserInstallation=' + profile, '--headless', '--convert-to',
                            'txt:Text (encoded):UTF8', '--outdir', os.path.join(out, str(i))] + group,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
        agree = 0
        for f in files:
            i = folders.index(os.path.dirname(os.path.abspath(f)))
            name = os.path.splitext(os.path.basename(f))[0] + '.txt'
            lo_path = os.path.join(out, str(i), name)
            lo = open(lo_path, encoding='utf-8', errors='replace').read() if os.path.exists(lo_path) else ''
            ours = subprocess.run([tool, '--text', f], capture_output=True).stdout.decode('utf-8', 'replace')
            if words(lo) == words(ours):
                agree += 1
            else:
                print('differs:', f)
        print(f'{agree}/{len(files)} files agree with LibreOffice')
    return 0


if __name__ == '__main__':
    sys.exit(main())
