#!/usr/bin/env python3
"""Drives lumio-board-sim as an editor would: over TCP on 127.0.0.1 and over its pseudo-terminal.

Usage: board_sim_program_test.py LUMIO_BOARD_SIM WORK_DIR
Every wait is bounded and waits for bytes or for the process, never for a fixed time to pass.
"""
import os
import re
import select
import signal
import socket
import subprocess
import sys
import termios
import tty

SIM = sys.argv[1]
WORK = sys.argv[2]
WAIT = 10.0  # seconds a reply or an exit may take on a busy machine
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what)


def crc(data):
    value = 0xFFFF
    for byte in data:
        value ^= byte
        for _ in range(8):
            value = (value >> 1) ^ 0xA001 if value & 1 else value >> 1
    return bytes([value & 0xFF, value >> 8])


def framed(*parts):
    body = bytes(parts[0]) if len(parts) == 1 else b"".join(bytes(part) for part in parts)
    return body + crc(body)


ATTENTION = bytes([0xFF, 0x00, 0xFF, 0x00, 0xAA, 0x55]) + b"LUMIO-EDITOR1" + b"\x00"
READ_CLOCK = bytes.fromhex("0169001500004C07")


def block(index, total, data):
    return framed([1, 0x6A, index >> 8, index & 0xFF, total >> 8, total & 0xFF, len(data)], data)


def write_register(register, data):
    return framed([1, 0x6C, register >> 8, register & 0xFF, 0, len(data), len(data)], data)


class Board:
    """One running simulator; `where` holds the tcp port and pty path of its first line."""

    def __init__(self, *arguments):
        self.process = subprocess.Popen([SIM, *arguments], stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        ready, _, _ = select.select([self.process.stdout], [], [], WAIT)
        self.first_line = self.process.stdout.readline().decode() if ready else ""
        port = re.search(r"tcp 127\.0\.0\.1:(\d+)", self.first_line)
        path = re.search(r"pty (\S+)", self.first_line)
        self.port = int(port.group(1)) if port else None
        self.pty = path.group(1) if path else None

    def stop(self, signal_number=signal.SIGTERM):
        self.process.send_signal(signal_number)
        try:
            return self.process.wait(WAIT)
        except subprocess.TimeoutExpired:
            self.process.kill()
            return None


class Link:
    """An editor's end of the line: a TCP socket or the opened pseudo-terminal."""

    def __init__(self, port=None, path=None):
        if port is not None:
            self.socket = socket.create_connection(("127.0.0.1", port), timeout=WAIT)
            self.handle = self.socket.fileno()
        else:
            self.socket = None
            self.handle = os.open(path, os.O_RDWR | os.O_NOCTTY)
            tty.setraw(self.handle, termios.TCSANOW)

    def send(self, data):
        if self.socket:
            self.socket.sendall(data)
        else:
            os.write(self.handle, data)

    def receive(self, count, wait=WAIT):
        """Up to count bytes, or fewer when the wait runs out; None when the peer closed."""
        data = b""
        while len(data) < count:
            ready, _, _ = select.select([self.handle], [], [], wait)
            if not ready:
                break
            chunk = self.socket.recv(count - len(data)) if self.socket else os.read(self.handle, count - len(data))
            if not chunk:
                return None if not data else data
            data += chunk
        return data

    def close(self):
        if self.socket:
            self.socket.close()
        else:
            os.close(self.handle)


def counted_reply(link):
    head = link.receive(3)
    if not head or len(head) < 3:
        return b""
    return head + link.receive(head[2] + 2)


def command_line():
    process = subprocess.run([SIM, "--help"], capture_output=True, timeout=WAIT)
    check(process.returncode == 0 and b"--tcp PORT" in process.stdout, "--help prints the usage and exits 0")
    for arguments in ([], ["--tcp", "x"], ["--tcp", "0", "--faults", "shake=1"], ["--pty", "--address", "300"],
                      ["--tcp", "0", "--seed"], ["--tcp", "0", "--image", os.path.join(WORK, "missing.zt5")]):
        process = subprocess.run([SIM, *arguments], capture_output=True, timeout=WAIT)
        check(process.returncode == 2, f"exit code 2 for {arguments}")


def write_and_read_back(link, image, dump_path):
    total = (len(image) + 49) // 50
    for index in range(total):
        request = block(index, total, image[index * 50:index * 50 + 50])
        link.send((ATTENTION if index == 0 else b"") + request)
        check(link.receive(8) == framed([1, 0x6A, 0, index, 0, total]), f"acknowledgement of block {index}")
    with open(dump_path, "rb") as dump:
        check(dump.read() == image, "the dump holds the image written")
    received = b""
    for index in range(total):
        link.send((ATTENTION if index == 0 else b"") + framed([1, 0x67, 0, 1 if index else 0, 0, 0]))
        reply = counted_reply(link)
        check(reply[1:2] == b"g" and reply[3:7] == bytes([0, index, 0, total]), f"read block {index}")
        received += reply[7:-2]
    check(received == image, "the image reads back as written")


def over_tcp():
    dump = os.path.join(WORK, "dump.bin")
    board = Board("--tcp", "0", "--dump", dump)
    check(board.port is not None, "the first line names the TCP port: " + board.first_line)
    link = Link(port=board.port)
    write_and_read_back(link, bytes(range(120)), dump)
    link.send(READ_CLOCK)
    clock = counted_reply(link)
    check(len(clock) == 12 and clock[2] == 7, "the clock reads as seven bytes")
    link.send(write_register(10, b"123"))
    check(link.receive(8)[3] == 0x0A, "lock succeeds")
    link.send(framed([1, 0x67, 0, 0, 0, 0]))
    check(counted_reply(link) == framed([1, 0x67, 0]), "a locked board refuses the read")
    link.send(write_register(12, b"123"))
    check(link.receive(8)[3] == 0x0C, "unlock succeeds")
    link.close()
    # The board serves the next editor after the first hung up.
    again = Link(port=board.port)
    again.send(bytes.fromhex("55F540000000008A"))
    check(again.receive(8) == bytes.fromhex("2201000000000023"), "the address reply reaches a second editor")
    again.close()
    check(board.stop(signal.SIGINT) == 0, "SIGINT ends the simulator with exit code 0")


def over_pty():
    board = Board("--pty", "--baud", "115200", "--verbose")
    check(board.pty is not None, "the first line names the pseudo-terminal: " + board.first_line)
    for attempt in range(2):
        link = Link(path=board.pty)
        link.send(ATTENTION + READ_CLOCK)
        reply = counted_reply(link)
        check(len(reply) == 12 and reply[:3] == bytes([1, 0x69, 7]), f"clock over the pseudo-terminal, open {attempt}")
        link.close()
    check(board.stop() == 0, "SIGTERM ends the simulator with exit code 0")
    log = board.process.stdout.read().decode()
    check("in  [check ok] 01 69 00 15 00 00 4C 07" in log and "out 01 69 07" in log,
          "--verbose logs the frames in and out")


def relay_and_chip():
    board = Board("--tcp", "0", "--relay", "8", "--verbose")
    link = Link(port=board.port)
    link.send(bytes.fromhex("5501120000000169"))
    check(link.receive(8) == bytes.fromhex("2201120000000136"), "relay mode: closing channel 1 answers with the status")
    link.send(bytes.fromhex("5501330000000089"))
    check(link.receive(1, wait=0.5) == b"", "relay mode: a command without reply gets none")
    link.close()
    board.stop()
    check("relay: command 33, channels now 00000000 (no reply asked)" in board.process.stdout.read().decode(),
          "--verbose tells what the relay board did")

    board = Board("--tcp", "0", "--chip", "stm32g0b0")
    link = Link(port=board.port)
    link.send(framed([1, 0x69, 0, 101, 0, 0]))
    check(counted_reply(link) == framed([1, 0x69, 9], b"stm32g0b0"), "--chip: register 101 names the chip")
    link.close()
    board.stop()
    process = subprocess.run([SIM, "--tcp", "0", "--relay", "33"], capture_output=True, timeout=WAIT)
    check(process.returncode == 2, "--relay takes 1..32 channels")


def faults():
    board = Board("--tcp", "0", "--faults", "drop=1")
    link = Link(port=board.port)
    link.send(READ_CLOCK)
    check(link.receive(1, wait=0.5) == b"", "drop=1: the request never arrives")
    link.close()
    board.stop()

    board = Board("--tcp", "0", "--faults", "duplicate=1", "--seed", "3")
    link = Link(port=board.port)
    link.send(ATTENTION + block(0, 2, bytes(50)))
    check(link.receive(32, wait=2.0) == framed([1, 0x6A, 0, 0, 0, 2]) * 4,
          "duplicate=1: the request arrives twice and each reply is sent twice")
    link.close()
    board.stop()

    board = Board("--tcp", "0", "--faults", "disconnect=1")
    link = Link(port=board.port)
    link.send(ATTENTION + block(0, 3, bytes(50)))
    check(link.receive(8) == framed([1, 0x6A, 0, 0, 0, 3]), "block 0 is acknowledged before the disconnect")
    link.send(block(1, 3, bytes(50)))
    check(link.receive(1) is None, "disconnect=1: the board hangs up at block 1")
    link.close()
    board.stop()


def main():
    os.makedirs(WORK, exist_ok=True)
    command_line()
    over_tcp()
    over_pty()
    relay_and_chip()
    faults()
    if failures:
        print(f"{len(failures)} check(s) failed")
        return 1
    print("all checks passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
