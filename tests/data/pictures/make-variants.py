#!/usr/bin/env python3
"""Writes the picture variants ImageMagick cannot write, from raw RGB pixels
it produced (src.rgb: full colour; q16.rgb: 16 colours; q2.rgb: black and
white). Usage: make-variants.py TMPDIR OUTDIR"""
import os
import struct
import sys

W, H = 37, 23
tmp, out = sys.argv[1], sys.argv[2]


def pixels(name):
    data = open(os.path.join(tmp, name), 'rb').read()
    return [[tuple(data[3 * (y * W + x):3 * (y * W + x) + 3]) for x in range(W)] for y in range(H)]


def palette_of(rows):
    pal = sorted({c for row in rows for c in row})
    return pal, {c: i for i, c in enumerate(pal)}


def pcx_rle(line):
    out = bytearray()
    i = 0
    while i < len(line):
        n = 1
        while i + n < len(line) and line[i + n] == line[i] and n < 63:
            n += 1
        if n > 1 or line[i] >= 0xC0:
            out += bytes([0xC0 | n, line[i]])
        else:
            out.append(line[i])
        i += n
    return out


def pcx(name, bits, planes, bpl, header_pal, lines):
    h = bytearray(128)
    h[0:4] = bytes([0x0A, 5, 1, bits])
    struct.pack_into('<HHHHHH', h, 4, 0, 0, W - 1, H - 1, 96, 96)
    for i, c in enumerate(header_pal[:16]):
        h[16 + 3 * i:19 + 3 * i] = bytes(c)
    h[65] = planes
    struct.pack_into('<HH', h, 66, bpl, 1)
    body = b''.join(pcx_rle(line) for line in lines)
    open(os.path.join(out, name), 'wb').write(bytes(h) + body)


def pack_bits(values, bits, nbytes):
    b = bytearray(nbytes)
    for x, v in enumerate(values):
        pos = x * bits
        b[pos // 8] |= v << (8 - bits - pos % 8)
    return b


q2 = pixels('q2.rgb')
mono = [[1 if c[0] > 127 else 0 for c in row] for row in q2]
pcx('pcx-1.pcx', 1, 1, 6, [(0, 0, 0), (255, 255, 255)], [pack_bits(r, 1, 6) for r in mono])

q16 = pixels('q16.rgb')
pal16, index16 = palette_of(q16)
pal16 += [(0, 0, 0)] * (16 - len(pal16))
idx = [[index16[c] for c in row] for row in q16]
pcx('pcx-4.pcx', 4, 1, 20, pal16, [pack_bits(r, 4, 20) for r in idx])
planar = []
for r in idx:
    planar.append(b''.join(pack_bits([(v >> p) & 1 for v in r], 1, 6) for p in range(4)))
pcx('pcx-1x4.pcx', 1, 4, 6, pal16, planar)

src = pixels('src.rgb')


def tga(name, depth, descriptor, pixel, footer=False, rows=None):
    h = struct.pack('<BBBHHBHHHHBB', 0, 0, 2, 0, 0, 0, 0, 0, W, H, depth, descriptor)
    order = range(H) if descriptor & 0x20 else range(H - 1, -1, -1)
    body = bytearray()
    for y in order:
        xs = range(W - 1, -1, -1) if descriptor & 0x10 else range(W)
        for x in xs:
            body += pixel(src[y][x])
    tail = b''
    if footer:
        tail = struct.pack('<II', 0, 0) + b'TRUEVISION-XFILE.\0'
    open(os.path.join(out, name), 'wb').write(h + bytes(body) + tail)


def rgb555(c, top=0):
    return struct.pack('<H', top | ((c[0] >> 3) << 10) | ((c[1] >> 3) << 5) | (c[2] >> 3))


tga('tga-15.tga', 15, 0x00, rgb555)
tga('tga-16-top-rtl-footer.tga', 16, 0x30, lambda c: rgb555(c, 0x8000), footer=True)

# 4-bit run-length BMP: the first line as an absolute run, the rest as runs.
rle = bytearray()
for y in range(H - 1, -1, -1):
    row = idx[y]
    if y == H - 1:
        rle += bytes([0, W])
        nib = pack_bits(row, 4, (W + 1) // 2)
        rle += nib + (b'\0' if len(nib) % 2 else b'')
    else:
        x = 0
        while x < W:
            n = 1
            while x + n < W and row[x + n] == row[x] and n < 255:
                n += 1
            rle += bytes([n, (row[x] << 4) | row[x]])
            x += n
    rle += b'\0\0'
rle += b'\0\1'
info = struct.pack('<IiiHHIIiiII', 40, W, H, 1, 4, 2, len(rle), 3780, 3780, 16, 0)
colours = b''.join(bytes([c[2], c[1], c[0], 0]) for c in pal16)
offset = 14 + len(info) + len(colours)
open(os.path.join(out, 'bmp-rle4.bmp'), 'wb').write(
    b'BM' + struct.pack('<IHHI', offset + len(rle), 0, 0, offset) + info + colours + rle)


# An icon with a small image first and the large 16-colour one second, whose
# AND mask makes the white rectangle transparent.
def icon_dib(w, h, bits, pal, rows_idx, mask_rows):
    stride = ((w * bits + 31) // 32) * 4
    mstride = ((w + 31) // 32) * 4
    info = struct.pack('<IiiHHIIiiII', 40, w, 2 * h, 1, bits, 0, 0, 0, 0, 0, 0)
    colours = b''.join(bytes([c[2], c[1], c[0], 0]) for c in pal)
    xor = b''.join(bytes(pack_bits(rows_idx[y], bits, stride)) for y in range(h - 1, -1, -1))
    andm = b''.join(bytes(pack_bits(mask_rows[y], 1, mstride)) for y in range(h - 1, -1, -1))
    return info + colours + xor + andm


mask = [[1 if 3 <= x <= 10 and 3 <= y <= 8 else 0 for x in range(W)] for y in range(H)]
small = icon_dib(8, 8, 1, [(0, 0, 0), (255, 255, 255)], [[(x + y) & 1 for x in range(8)] for y in range(8)],
                 [[0] * 8 for _ in range(8)])
large = icon_dib(W, H, 4, pal16, idx, mask)
entries = [(8, 8, 2, 1, small), (W, H, 16, 4, large)]
data = struct.pack('<HHH', 0, 1, len(entries))
offset = 6 + 16 * len(entries)
for w, h, ncol, bits, dib in entries:
    data += struct.pack('<BBBBHHII', w, h, ncol % 256, 0, 1, bits, len(dib), offset)
    offset += len(dib)
data += b''.join(e[4] for e in entries)
open(os.path.join(out, 'ico-mask.ico'), 'wb').write(data)
