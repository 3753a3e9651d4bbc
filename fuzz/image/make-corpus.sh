#!/usr/bin/env bash
# fuzz/image/make-corpus.sh: writes the image fuzzer's corpus from a tiny disc tree with Debian's
# tools: ISO 9660 with 8.3, Joliet and Rock Ridge names, a UDF bridge, the raw 2352-byte sectors of
# a CUE sheet's BIN (mode 1 and mode 2), and an image whose folder contains itself. All but the
# first are written zero-elided (see image_fuzz.cpp) to keep them a few kilobytes.
set -euo pipefail
out=$(cd "$(dirname "$0")" && pwd)/corpus
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
tree=$work/tree
mkdir -p "$tree/kestranes" "$tree/richtext/deep" "$tree/wav"
printf 'JFIF photograph %.0s' {1..20} >"$tree/kestranes/53A.JPG"
printf '{\\rtf1 1953}' >"$tree/richtext/53desc.rtf"
printf 'RIFF' >"$tree/wav/1978.wav"
printf 'x' >"$tree/richtext/deep/A Long Name Of A Document.rtf"
mkdir -p "$out"
mkdir -p "$work/one/kestranes" && cp "$tree/kestranes/53A.JPG" "$work/one/kestranes/"
genisoimage -quiet -no-pad -o "$out/plain-8.3.iso" "$work/one"
genisoimage -quiet -no-pad -J -o "$work/joliet.iso" "$tree"
xorriso -as mkisofs -quiet -no-pad -R -J -o "$work/rockridge-joliet.iso" "$tree" 2>/dev/null
genisoimage -quiet -udf -o "$work/udf-bridge.iso" "$tree"
python3 - "$work" "$out" <<'PY'
import struct, sys
work, out = sys.argv[1], sys.argv[2]

def zero_elided(data):
    # Records of the non-zero runs (gaps under 16 zero bytes joined), then the last byte for the size.
    rec, i, n = bytearray(b'ZEROS1'), 0, len(data)
    while i < n:
        if data[i] == 0:
            i += 1
            continue
        last = j = i
        while j < n and j - last < 16:
            if data[j]:
                last = j
            j += 1
        end = last + 1
        while i < end:
            length = min(end - i, 65535)
            rec += struct.pack('<IH', i, length) + data[i:i + length]
            i += length
    return bytes(rec + struct.pack('<IH', n - 1, 1) + b'\0')

def raw(iso, mode):
    # Each 2048-byte sector as a CD writes it: sync, address in BCD, mode, (subheader), data, EDC/ECC.
    bcd = lambda v: ((v // 10) << 4) | (v % 10)
    sectors = bytearray()
    for at in range(0, len(iso) - 2047, 2048):
        lba = at // 2048 + 150
        sectors += b'\0' + b'\xff' * 10 + b'\0' + bytes([bcd(lba // 4500), bcd(lba // 75 % 60), bcd(lba % 75), mode])
        if mode == 2:
            sectors += b'\0\0\x08\0\0\0\x08\0'
        sectors += iso[at:at + 2048] + b'\0' * (280 if mode == 2 else 288)
    return bytes(sectors)

def looping(iso):
    # In every tree (primary and Joliet) the root's first subfolder points back at the root.
    iso = bytearray(iso)
    sector = 16
    while iso[sector * 2048] != 255:
        if iso[sector * 2048] in (1, 2):
            root_lba = struct.unpack('<I', iso[sector * 2048 + 158:sector * 2048 + 162])[0]
            at = root_lba * 2048
            at += iso[at]  # past "."
            at += iso[at]  # past ".."
            iso[at + 2:at + 10] = struct.pack('<I', root_lba) + struct.pack('>I', root_lba)
        sector += 1
    return bytes(iso)

read = lambda name: open(f'{work}/{name}', 'rb').read()
joliet = read('joliet.iso')
files = {
    'joliet.zeros': joliet,
    'rockridge-joliet.zeros': read('rockridge-joliet.iso'),
    'udf-bridge.zeros': read('udf-bridge.iso'),
    'raw-mode1.zeros': raw(joliet, 1),
    'raw-mode2.zeros': raw(joliet, 2),
    'looping-folder.zeros': looping(read('rockridge-joliet.iso')),
}
for name, data in files.items():
    open(f'{out}/{name}', 'wb').write(zero_elided(data))
PY
ls -l "$out"
