#!/usr/bin/env python3
"""The music generator's notation reader and MIDI writer, and the freepats index converter: pieces
written in the notation come out as the notes they describe, and malformed input is refused."""
import contextlib
import os
import struct
import subprocess
import sys
import tempfile
import unittest

sys.dont_write_bytecode = True  # keep the source tree clean of caches
ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), '..', '..'))
sys.path.insert(0, os.path.join(ROOT, 'tools', 'midigen'))
sys.path.insert(0, os.path.join(ROOT, 'tools', 'patchset'))
import gus_cfg  # noqa: E402
import midigen  # noqa: E402


def read_smf(path):
    """Independent reader of the written file: (division, tempo, [(tick, status, data1, data2)])."""
    with open(path, 'rb') as f:
        data = f.read()
    assert data[:4] == b'MThd'
    _, fmt, ntracks, division = struct.unpack('>IHHH', data[4:14])
    pos, events, tempo = 14, [], None
    for _ in range(ntracks):
        assert data[pos:pos + 4] == b'MTrk'
        length = struct.unpack('>I', data[pos + 4:pos + 8])[0]
        track, pos = data[pos + 8:pos + 8 + length], pos + 8 + length
        i, tick, status = 0, 0, 0
        while i < len(track):
            delta = 0
            while True:
                b = track[i]
                i += 1
                delta = (delta << 7) | (b & 0x7F)
                if not b & 0x80:
                    break
            tick += delta
            if track[i] == 0xFF:
                kind, n = track[i + 1], track[i + 2]
                if kind == 0x51:
                    tempo = int.from_bytes(track[i + 3:i + 6], 'big')
                i += 3 + n
                continue
            if track[i] & 0x80:
                status = track[i]
                i += 1
            size = 1 if status & 0xF0 in (0xC0, 0xD0) else 2
            args = list(track[i:i + size]) + [0]
            events.append((tick, status, args[0], args[1]))
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
  --
  hh  x.x.x.x.x.x.x.x.
konec

usek A 3: akordy C G/2 Am/2 F ; lead=tema bas=bas_klid bici=rytmus
poradi A
"""


class Notation(unittest.TestCase):
    def write(self, text):
        d = tempfile.mkdtemp()
        src, out = os.path.join(d, 'p.txt'), os.path.join(d, 'p.mid')
        with open(src, 'w', encoding='utf-8') as f:
            f.write(text)
        with open(os.devnull, 'w') as ticho, contextlib.redirect_stderr(ticho):
            rc = midigen.main(['midigen.py', src, out])
        return rc, out

    def test_melody_comes_out_note_for_note(self):
        rc, out = self.write(PIECE)
        self.assertEqual(rc, 0)
        fmt, division, tempo, events = read_smf(out)
        self.assertEqual(fmt, 1)
        self.assertEqual(tempo, 500000)
        q = division
        got = [(s, p, l + 4) for s, p, v, l in notes_of(events, 1)]
        want = [(0, 72, q), (q, 76, q // 2), (3 * q // 2, 79, q // 2), (2 * q, 84, 2 * q),
                (4 * q, 69, 3 * q // 2), (11 * q // 2, 66, q // 2),
                (6 * q, 70, 3 * q),                      # the tie joins the half and the quarter
                (10 * q, 72, 2 * q), (10 * q, 76, 2 * q)]
        self.assertEqual(got, want)
        velocities = {p: v for s, p, v, l in notes_of(events, 1)}
        self.assertGreater(velocities[84], velocities[72])  # '!' accents

    def test_programs_volume_and_pan_are_set_per_channel(self):
        rc, out = self.write(PIECE)
        _, _, _, events = read_smf(out)
        self.assertIn((0, 0xC0, 73, 0), events)
        self.assertIn((0, 0xC1, 33, 0), events)
        self.assertIn((0, 0xB0, 7, 90), events)
        self.assertIn((0, 0xB0, 10, 40), events)
        self.assertFalse([e for e in events if e[1] == 0xC9], 'no program change on the drum channel')

    def test_drum_grid_blocks_follow_each_other(self):
        rc, out = self.write(PIECE)
        _, q, _, events = read_smf(out)
        drums = notes_of(events, 10)
        kicks = [s for s, p, v, l in drums if p == 36]
        hats = [s for s, p, v, l in drums if p == 42]
        self.assertEqual(kicks, [0, 2 * q, 8 * q, 10 * q])   # the two-block pattern repeats
        self.assertEqual(hats[:2], [4 * q, 4 * q + q // 2])
        snares = {s: v for s, p, v, l in drums if p == 38}
        self.assertGreater(snares[3 * q], snares[q])         # 'X' is an accent

    def test_accompaniment_follows_the_chords(self):
        rc, out = self.write(PIECE)
        _, q, _, events = read_smf(out)
        bass = notes_of(events, 2)
        roots = [(s, p % 12) for s, p, v, l in bass]
        self.assertIn((0, 0), roots)          # C
        self.assertIn((4 * q, 7), roots)      # G for two beats
        self.assertIn((6 * q, 9), roots)      # then A minor
        self.assertIn((8 * q, 5), roots)      # F
        self.assertTrue(all(36 <= p < 60 for s, p, v, l in bass))

    def test_piece_length_is_the_sections_plus_a_beat(self):
        rc, out = self.write(PIECE)
        _, q, _, events = read_smf(out)
        self.assertLessEqual(max(t for t, _, _, _ in events), 13 * q)

    def test_malformed_pieces_are_refused(self):
        base = PIECE
        cases = {
            'unknown statement': base + 'hlasitost 3\n',
            'bad pitch': base.replace('c5:q e5:e', 'h5:q e5:e'),
            'bad duration': base.replace('c5:q e5:e', 'c5:x e5:e'),
            'chords do not fill the bars': base.replace('akordy C G/2 Am/2 F', 'akordy C G/2 F'),
            'unknown chord': base.replace('akordy C G/2', 'akordy Cx G/2'),
            'program missing from the patch set': base.replace('program 73', 'program 3'),
            'drum missing from the patch set': base.replace('  sn  ....x', '  n80 ....x'),
            'unknown drum': base.replace('  sn  ....x', '  zz  ....x'),
            'bad drum step': base.replace('x.x.x.x.x.x.x.x.', 'x.x.x.x.x.x.x.y.'),
            'melody without konec': base.replace('[c5 e5]:h\nkonec', '[c5 e5]:h\n'),
            'unknown section in the order': base.replace('poradi A', 'poradi A B'),
            'unknown style': base.replace('bas=bas_klid', 'bas=bas_valcik'),
            'melody played by another part': base.replace('lead=tema bas=bas_klid', 'bas=tema'),
            'no order': base.replace('poradi A', ''),
        }
        for name, text in cases.items():
            with self.subTest(name):
                rc, out = self.write(text)
                self.assertEqual(rc, 1)

    def test_the_game_pieces_read_cleanly(self):
        folder = os.path.join(ROOT, 'tools', 'midigen', 'skladby')
        for name in sorted(os.listdir(folder)):
            with self.subTest(name), open(os.path.join(folder, name), encoding='utf-8') as f:
                piece = midigen.parse(f.read())
                seconds = midigen.render(piece) * 60 / piece.tempo
                self.assertTrue(60 <= seconds <= 120, seconds)


TIMIDITY = """dir {dir}
# a patch set
drumset 0
 36 Drum_000/036_Kick.pat amp=100
 42 Drum_000/042_Hat.pat
bank 0
 0 Tone_000/000_Piano.pat amp=120 pan=center
 80 Tone_000/080_Square.pat
"""


class FreepatsIndex(unittest.TestCase):
    def test_instruments_count_from_one_and_drums_follow_the_multipatch_line(self):
        d = tempfile.mkdtemp()
        patches = os.path.join(d, 'patches')
        for folder in ('Tone_000', 'Drum_000'):
            os.makedirs(os.path.join(patches, folder))
        cfg, out = os.path.join(d, 'freepats.cfg'), os.path.join(d, 'out')
        with open(cfg, 'w') as f:
            f.write(TIMIDITY.format(dir=patches))
        self.assertEqual(gus_cfg.main(['gus_cfg.py', cfg, out]), 0)
        with open(os.path.join(out, 'default.cfg')) as f:
            lines = [l.split() for l in f if not l.startswith('#')]
        self.assertEqual(lines, [['1', 'Tone_000/000_Piano.pat'], ['81', 'Tone_000/080_Square.pat'],
                                 ['129', 'begin_multipatch', 'default', 'blank'],
                                 ['36', 'Drum_000/036_Kick.pat'], ['42', 'Drum_000/042_Hat.pat']])
        self.assertEqual(os.path.realpath(os.path.join(out, 'Tone_000')), os.path.realpath(os.path.join(patches, 'Tone_000')))
        # running again replaces the links
        self.assertEqual(gus_cfg.main(['gus_cfg.py', cfg, out]), 0)

    def test_sets_without_instruments_or_folders_are_refused(self):
        d = tempfile.mkdtemp()
        cfg = os.path.join(d, 'freepats.cfg')
        with open(cfg, 'w') as f:
            f.write('dir /nowhere\nbank 0\n 0 Tone_000/000_Piano.pat\n')
        with open(os.devnull, 'w') as ticho, contextlib.redirect_stderr(ticho):
            self.assertEqual(gus_cfg.main(['gus_cfg.py', cfg, os.path.join(d, 'a')]), 1)   # no drums
            with open(cfg, 'w') as f:
                f.write(TIMIDITY.format(dir='/nowhere'))
            self.assertEqual(gus_cfg.main(['gus_cfg.py', cfg, os.path.join(d, 'b')]), 1)   # no folders


if __name__ == '__main__':
    unittest.main()
