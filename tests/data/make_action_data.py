#!/usr/bin/env python3
"""Writes tests/data/listing/actions.zt5: a program whose main list holds actions of the settings,
communication, storage, file, display and signal-output kinds (10, 11, 14..20), with parameter 3 built
byte by byte here, so the CLI listing test checks the stored forms and the templates together."""
import struct
import sys

sys.dont_write_bytecode = True

from make_data import gbk, image, names_block, record, store, write


def token(kind, index):
    return bytes([3, kind, index])


def integer(value):
    return bytes([6, 1]) + struct.pack('>i', value)


def text_constant(text):
    body = gbk(text)
    return bytes([len(body) + 2, 32]) + body


def byte_string(data):
    return bytes([len(data) + 2, 31]) + data


def expression(*tokens):
    body = b''.join(tokens)
    return bytes([len(body) + 1]) + body


def arguments(*expressions):
    body = b''.join(expressions)
    return bytes([len(body) + 1]) + body


def ints(*values):
    return arguments(*(expression(integer(value)) for value in values))


LOCAL_INTEGER, DATA_PORT, LOCAL_ARRAY, PIN_A = 2, 36, 33, 11

main = [
    record(True, 10, 2, 2, expression(integer(10))),                        # thread wait, an expression
    record(True, 10, 6, 7, ints(1, 2, 3)),                                   # no entry: all items
    record(True, 10, 9, 9, expression(integer(8))),
    record(True, 10, 1, 4, ints(1, 2, 8, 9)),                                # the count shows twice
    record(True, 10, 12, 1, arguments(expression(token(PIN_A, 0)))),
    record(True, 10, 13, 1, ints(2024, 5, 6, 1, 12, 30, 0)),                # trailing blank
    record(True, 10, 16, 37, ints(50)),                                      # "%%"
    record(True, 10, 16, 33, ints(10)),
    record(True, 10, 16, 33, ints(5, 9)),
    record(True, 10, 17, 1),                                                 # no thread: not valid
    record(True, 10, 17, 2),                                                 # pause this thread
    record(True, 10, 17, 3, ints(2)),
    record(True, 11, 1, 1, b'\x01\x02\x00'),                                 # hex bytes, named port
    record(True, 11, 2, 2, gbk('AT+RST')),                                   # raw text
    record(True, 14, 1, 1, arguments(expression(token(DATA_PORT, 1)), expression(integer(2)),
                                     expression(integer(3)))),
    record(True, 14, 2, 10, ints(1, 2, 3, 4)),
    record(True, 14, 2, 10, ints(1, 2, 3, 4, 5)),
    record(True, 14, 2, 10, ints(1, 2, 3, 4, 5, 6)),                         # more items: empty
    record(True, 15, 2, 5, arguments(expression(token(25, 0)), expression(integer(8)))),
    record(True, 16, 3, 1),                                                  # 本地端口0
    record(True, 16, 5, 3),
    record(True, 17, 2, 1, ints(1)),                                         # ignores parameter 3
    record(True, 17, 1, 1, arguments(expression(text_constant('a.txt')))),
    record(True, 18, 2, 3, ints(10, 10, 5)),
    record(True, 19, 1, 2, arguments(expression(byte_string(b'\x01\x02\x03')))),
    record(True, 19, 6, 3, ints(1, 2)),                                      # only the first item
    record(True, 20, 2, 3, ints(0)),                                         # not offered, still shown
    record(True, 20, 4, 1, ints(4001, 5002, 7000)),
    record(True, 20, 4, 13, arguments(expression(integer(6010)), expression(text_constant('192.168.1.100')),
                                      expression(integer(3000)), expression(byte_string(b'\x01\x02\x03')))),
    record(True, 20, 2, 4, ints(1, 2)),                                      # fallback: P2, two blanks, T
    record(True, 20, 1, 5, ints(1)),                                         # no template: empty
]
body = store(0, main) + names_block(gbk('主口\t=\t数据口1\r\n'))

write('listing', 'actions.zt5', image(body))
