#!/usr/bin/env python3
"""Writes the program and block files under tests/data/open (must load) and tests/data/refuse (must be
refused, each failing one check). An independent implementation of the checks, so the files also catch a
fault that the editor's own code would share with itself. Run from anywhere; the files are committed."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def crc16(data, crc=0xFFFF):
    for byte in data:
        crc ^= byte
        for _ in range(8):
            crc = (crc >> 1) ^ 0xA001 if crc & 1 else crc >> 1
    return crc


def seal(data):
    c = crc16(data)
    lo, hi = c & 0xFF, c >> 8
    n = len(data)
    x = 0
    for byte in data:
        x ^= byte
    s = sum(data) & 0xFFFFFFFF
    k = [(lo + hi + 0x68), (n >> 8) + 0x55, s + 0x65, s >> 14, n - 0x7A, s >> 7, x - 0x5B, hi - 0x47, lo >> 1]
    k = [v & 0xFF for v in k]
    k.append(sum(k) & 0xFF)
    return crc16(bytes(k))


def le16(value):
    return struct.pack('<H', value)


def record(is_action, kind, p1=0, p2=0, param3=b'', comment=b'', orp=False, colour=0, depth=0):
    data_end = min(len(param3) + 7, 250)
    length = min(data_end + min(len(comment), 63), 250)
    flags = (0x80 if is_action else 0) | (0x40 if orp else 0) | depth
    body = bytes([length, flags, colour, kind, p1, p2, len(param3)]) + param3
    return (body + comment)[:length]


def store(store_id, records):
    body = b''.join(records)
    return struct.pack('>IH', len(body) + 6, store_id) + body


def image(body, tag=b'\x05\x01\x00\x01', total=None):
    total = 16 + len(body) if total is None else total
    header = struct.pack('>I', total) + tag + le16(crc16(body)) + le16(seal(body))
    header += le16(crc16(header))
    rest = header + body
    return le16(seal(rest)) + rest


def block(records):
    img = store(0, records) if records else b''
    return le16(seal(img)) + img


def names_block(text):
    return struct.pack('>IH', len(text) + 6, 1002) + text


def gbk(text):
    return text.encode('gbk')


def write(folder, name, data):
    os.makedirs(os.path.join(HERE, folder), exist_ok=True)
    with open(os.path.join(HERE, folder, name), 'wb') as out:
        out.write(data)


# Statements reused below: kind 1 condition, a block pair around an action, an action with a comment.
CONDITION = record(False, 1, 1, 1, b'\x01\x00', gbk('启动'))
BEGIN = record(True, 12, 2)
INNER = record(True, 1, 3, 1, b'', b'', colour=3, depth=1)
END = record(True, 12, 3)
OR_CONDITION = record(False, 2, 1, 2, b'', b'', orp=True)

mixed_body = store(0, [CONDITION, OR_CONDITION, BEGIN, INNER, END]) + store(7, [record(True, 5, 1, 1)]) + \
    store(503, [record(True, 3, 2, 1), record(True, 3, 2, 2)]) + \
    names_block(gbk('温度\t=\t全局整数5\r\n启动键\t=\t输入3\r\n'))

write('open', 'empty.zt5', image(b''))
write('open', 'function7.zt5', image(store(7, [record(True, 1, 1, 1)])))
write('open', 'mixed.zt5', image(mixed_body))
write('open', 'three.hs5', block([CONDITION, record(True, 1, 2, 1), record(True, 1, 2, 2, b'', gbk('备注'))]))

good = image(mixed_body)
write('refuse', 'capital_extension.ZT5', good)
write('refuse', 'length_field_small.zt5', image(b'', total=15))
write('refuse', 'length_field_large.zt5', image(mixed_body, total=600000))
write('refuse', 'truncated.zt5', good[:-3])
flipped = bytearray(good)
flipped[40] ^= 0x01
write('refuse', 'seal.zt5', bytes(flipped))
write('refuse', 'format_tag.zt5', image(mixed_body, tag=b'\x05\x01\x00\x02'))


def resealed(mutate):
    """The good image with a header change made after the CRCs were computed, then sealed again."""
    data = bytearray(good)
    mutate(data)
    return le16(seal(bytes(data[2:]))) + bytes(data[2:])


write('refuse', 'body_crc.zt5', resealed(lambda d: d.__setitem__(10, d[10] ^ 0xFF)))
write('refuse', 'body_seal.zt5', resealed(lambda d: d.__setitem__(12, d[12] ^ 0xFF)))
write('refuse', 'header_crc.zt5', resealed(lambda d: d.__setitem__(14, d[14] ^ 0xFF)))
write('refuse', 'empty_store.hs5', block([]))
bad_block = bytearray(block([CONDITION, END]))
bad_block[-1] ^= 0x20
write('refuse', 'block_seal.hs5', bytes(bad_block))
write('refuse', 'block_truncated.hs5', block([CONDITION, END])[:-2])
write('refuse', 'block_extension.HS5', block([CONDITION]))

# Found by the program-file fuzz target: a names block whose one usable line names the default name "'"
# (the rest of the body is malformed stores). Loading and saving it must give the same image each time.
write('open', 'names_default_quote.zt5', image(bytes.fromhex(
    '0000002803ea4e3d270d0df4b6514afc090000002803ea3d09caffecffffff3a8100cece012cffffffffffffffff0000001401f707ff'
    '00ff80ff0d071a000010ffff0000001a000010fffffffaffffffffffffff0202000000c8093dbed658')))
