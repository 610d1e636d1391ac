#!/usr/bin/env python3
"""The music generator's notation reader and MIDI writer: pieces written in the notation come out as
the notes they describe, and malformed input is refused."""
import contextlib
import os
import pathlib
import struct
import sys
import tempfile
import unittest

sys.dont_write_bytecode = True  # keep the source tree clean of caches
ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), '..', '..'))
sys.path.insert(0, os.path.join(ROOT, 'tools', 'midigen'))
import midigen  # noqa: E402


def read_smf(data):
    """Independent reader of a written file: (format, division, tempo, [(tick, status, data1, data2)])."""
    assert data[:4] == b'MThd'
    _, fmt, ntracks, division = struct.unpack('>IHHH', data[4:14])
    pos, events, tempo = 14, [], None
    for _ in range(ntracks):
        assert data[pos:pos + 4] == b'MTrk'
        end = pos + 8 + struct.unpack('>I', data[pos + 4:pos + 8])[0]
        i, tick, status, pos = pos + 8, 0, 0, end
        while i < end:
            delta = 0
            while data[i] & 0x80:
                delta, i = (delta << 7) | (data[i] & 0x7F), i + 1
            tick, i = tick + ((delta << 7) | data[i]), i + 1
            if data[i] == 0xFF:
                if data[i + 1] == 0x51:
                    tempo = int.from_bytes(data[i + 3:i + 6], 'big')
                i += 3 + data[i + 2]
                continue
            if data[i] & 0x80:
                status, i = data[i], i + 1
            size = 1 if status & 0xF0 in (0xC0, 0xD0) else 2
            events.append((tick, status, data[i], data[i + 1] if size == 2 else 0))
            i += size
    return fmt, division, tempo, events


def notes_of(events, channel):
    """(start tick, pitch, velocity, length in ticks) of every note on a 1-based channel."""
    on, out = {}, []
    for tick, status, a, b in sorted(events, key=lambda e: (e[0], e[1] & 0xF0 == 0x90)):
        if status & 0x0F != channel - 1:
            continue
        if status & 0xF0 == 0x90 and b > 0:
            on[a] = (tick, b)
        elif status & 0xF0 in (0x80, 0x90) and a in on:
            start, vel = on.pop(a)
            out.append((start, a, vel, tick - start))
    return sorted(out)


PIECE = """
# a small piece
tempo 120
takt 4
nastroj lead kanal 1 program 73 hlasitost 90 pan 40
nastroj bas kanal 2 program 33 hlasitost 80
nastroj bici kanal 10 hlasitost 70

melodie tema lead
  c5:q e5:e g5 !c6:h   # a rising line
  a4:q. f#4:e bb4:h~
  bb4:q r:q [c5 e5]:h
konec

bici rytmus bici
  k   x.......x.......
  sn  ....x.......X...
konec

usek A 3: akordy C G/2 Am/2 F ; lead=tema bas=bas_klid bici=rytmus
poradi A
"""


def write(text):
    """midigen's exit code for a piece, and the file it wrote."""
    with tempfile.TemporaryDirectory() as d:
        src, out = os.path.join(d, 'p.txt'), os.path.join(d, 'p.mid')
        pathlib.Path(src).write_text(text, encoding='utf-8')
        with open(os.devnull, 'w') as ticho, contextlib.redirect_stderr(ticho):
            rc = midigen.main(['midigen.py', src, out])
        return rc, pathlib.Path(out).read_bytes() if rc == 0 else b''


class Notation(unittest.TestCase):
    def test_melody_comes_out_note_for_note_with_its_instrument(self):
        fmt, q, tempo, events = read_smf(write(PIECE)[1])
        self.assertEqual((fmt, tempo), (1, 500000))
        got = [(s, p, l + 4) for s, p, v, l in notes_of(events, 1)]
        want = [(0, 72, q), (q, 76, q // 2), (3 * q // 2, 79, q // 2), (2 * q, 84, 2 * q),
                (4 * q, 69, 3 * q // 2), (11 * q // 2, 66, q // 2),
                (6 * q, 70, 3 * q),                      # the tie joins the half and the quarter
                (10 * q, 72, 2 * q), (10 * q, 76, 2 * q)]
        self.assertEqual(got, want)
        velocities = {p: v for s, p, v, l in notes_of(events, 1)}
        self.assertGreater(velocities[84], velocities[72])  # '!' accents
        for event in [(0, 0xC0, 73, 0), (0, 0xC1, 33, 0), (0, 0xB0, 7, 90), (0, 0xB0, 10, 40)]:
            self.assertIn(event, events)                    # program, volume and pan per channel
        self.assertFalse([e for e in events if e[1] == 0xC9], 'no program change on the drum channel')
        self.assertLessEqual(max(t for t, _, _, _ in events), 13 * q, 'the sections and a beat')

    def test_malformed_pieces_are_refused(self):
        cases = {
            'unknown statement': PIECE + 'hlasitost 3\n',
            'bad pitch': PIECE.replace('c5:q e5:e', 'h5:q e5:e'),
            'chords do not fill the bars': PIECE.replace('akordy C G/2 Am/2 F', 'akordy C G/2 F'),
            'program missing from the patch set': PIECE.replace('program 73', 'program 3'),
            'unknown section in the order': PIECE.replace('poradi A', 'poradi A B'),
        }
        for name, text in cases.items():
            with self.subTest(name):
                self.assertEqual(write(text)[0], 1)


if __name__ == '__main__':
    unittest.main()
