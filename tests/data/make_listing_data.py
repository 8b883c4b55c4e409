#!/usr/bin/env python3
"""Writes tests/data/listing: program and block files whose listings the CLI tests compare line by line.
Built with the independent file code of make_data.py (importing it rewrites its own files unchanged)."""
import struct
import sys

sys.dont_write_bytecode = True

from make_data import block, gbk, image, names_block, record, store, write


def integer(value):
    return bytes([6, 1]) + struct.pack('>i', value)


def local_integer(index):
    return bytes([3, 2, index])


def operator(character):
    return bytes([3, 100, ord(character)])


def expression(*tokens):
    body = b''.join(tokens)
    return bytes([len(body) + 1]) + body


def relation(left, code, right):
    body = left + bytes([2, code]) + right
    return bytes([len(body) + 1]) + body


# for(整数0=0;整数0<8;整数0=整数0+1)
LOOP = relation(expression(local_integer(0)), 1, expression(integer(0))) + \
    relation(expression(local_integer(0)), 3, expression(integer(8))) + \
    relation(expression(local_integer(0)), 1, expression(local_integer(0), operator('+'), integer(1)))

main = [
    record(False, 1, 3, 3),                                  # 启动键 断开到闭合
    record(False, 3, 1, 2, expression(integer(100))),        # 定时器0 > 100
    record(False, 4, 2, 2, orp=True),                        # 位变量1  =1, OR-ed
    record(True, 1, 1, 5),                                   # 全部闭合
    record(False, 16, 3, 1, LOOP),                           # the loop rule
    record(True, 12, 2),                                     # {
    record(False, 4, 1, 2, depth=1),                         # 位变量0  =1
    record(True, 1, 1, 6, depth=1, colour=2),                # 全部断开, green
    record(True, 12, 3),                                     # }
    record(False, 9, 1, 1, b'\x01\x02\xff', gbk('校验')),    # hex bytes, with a comment
    record(True, 1, 1, 7, colour=1),                         # 全部翻转, red
]
body = store(0, main) + store(3, [record(False, 1, 1, 2), record(True, 1, 1, 5)]) + \
    store(502, [record(True, 12, 4)]) + \
    names_block(gbk('启动键\t=\t输入3\r\n报警\t=\t函数3\r\n'))

write('listing', 'rules.zt5', image(body))
write('listing', 'empty_main.zt5', image(store(3, [record(True, 1, 1, 5)])))
write('listing', 'block.hs5', block(main[:4]))
