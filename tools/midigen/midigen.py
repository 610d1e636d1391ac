#!/usr/bin/env python3
"""Writes the game's music: reads a piece described in a small text notation and writes a standard
MIDI file (format 1). Melodies and drums are written out; bass and chords follow the chord line of each
section in one of a few accompaniment styles.

    midigen.py piece.txt out.mid [--info]

The notation, one statement per line (a line starting with '#', or the rest after ' # ', is a comment):

    tempo 140                      beats (quarter notes) per minute
    takt 4                         beats per bar
    nastroj NAME kanal C program P hlasitost V [pan P] [oktava O]
                                   a part on MIDI channel C (10 = drums) with General MIDI program P
    melodie NAME PART              a hand-written line, then note tokens until 'konec':
        c5:q  e5:e  g5  r:h  [c4 e4 g4]:w  !a5:q.  ?b4:et  c5~
        pitch = letter, optional # or b, octave (c4 = middle C); r = rest; [..] = several at once;
        durations w h q e s (whole .. sixteenth), '.' dotted, 't' triplet, kept until changed;
        '!' louder, '?' softer; '~' holds the note into the next token (a tie)
    bici NAME PART                 drum grid until 'konec', one line per sound:
        k   x...x...x.x.x...       16 steps per bar (several bars may follow on one line);
                                   x hit, X accent, o ghost, . nothing; sounds by name or number;
                                   '*N' at the end repeats the line N times; a line '--' starts a
                                   new block after the longest line of the previous one
    usek NAME BARS: akordy Am F C G7/2 G/2 ; PART=STYLE|MELODY ...
                                   a section: its chords (one per bar, or /n beats) and what each
                                   part plays; a melody shorter than the section repeats
    poradi NAME NAME ...           the sections in playing order
"""
import re
import struct
import sys

TICKS = 480  # per quarter note

NOTE_BASE = {'c': 0, 'd': 2, 'e': 4, 'f': 5, 'g': 7, 'a': 9, 'b': 11}
DURATION = {'w': 4.0, 'h': 2.0, 'q': 1.0, 'e': 0.5, 's': 0.25}
DRUMS = {
    'k': 36, 'k2': 35, 'sn': 38, 'sn2': 40, 'rim': 37, 'cl': 39, 'hh': 42, 'ph': 44, 'oh': 46,
    'cr': 49, 'cr2': 57, 'rd': 51, 'bell': 53, 'tam': 54, 'spl': 55, 'cow': 56,
    'tl': 41, 'tm': 45, 'th': 48, 'bh': 60, 'bl': 61, 'cgm': 62, 'cgh': 63, 'cgl': 64,
    'tbh': 65, 'tbl': 66, 'agh': 67, 'agl': 68, 'cab': 69, 'mar': 70, 'sh': 70,
}
# Programs and drum notes that Debian's freepats set provides; anything else would be silent.
FREEPATS_PROGRAMS = {0, 1, 2, 4, 5, 6, 7, 8, 9, 13, 14, 15, 16, 19, 21, 23, 24, 25, 26, 27, 28, 29, 30, 32,
                     33, 34, 35, 36, 37, 38, 40, 42, 44, 45, 46, 47, 48, 53, 56, 57, 58, 59, 60, 61, 64, 65,
                     66, 67, 68, 69, 70, 71, 72, 73, 74, 75, 76, 79, 80, 84, 88, 94, 95, 98, 101, 102, 104,
                     114, 115, 120, 122, 125}
FREEPATS_DRUMS = set(range(25, 28)) | set(range(31, 73))

CHORD_INTERVALS = {
    '': (0, 4, 7), 'm': (0, 3, 7), '7': (0, 4, 7, 10), 'm7': (0, 3, 7, 10), 'maj7': (0, 4, 7, 11),
    'sus4': (0, 5, 7), 'sus2': (0, 2, 7), 'add9': (0, 4, 7, 14), '6': (0, 4, 7, 9), 'm6': (0, 3, 7, 9),
    'dim': (0, 3, 6), '5': (0, 7),
}


class NotationError(Exception):
    pass


def pitch(token):
    m = re.fullmatch(r'([a-g])(#|b)?(-?\d)', token)
    if not m:
        raise NotationError('bad pitch: ' + token)
    p = NOTE_BASE[m.group(1)] + {'#': 1, 'b': -1, None: 0}[m.group(2)] + 12 * (int(m.group(3)) + 1)
    if not 0 <= p <= 127:
        raise NotationError('pitch out of range: ' + token)
    return p


def duration(znacka):
    m = re.fullmatch(r'([whqes])(\.?)(t?)', znacka)
    if not m:
        raise NotationError('bad duration: ' + znacka)
    d = DURATION[m.group(1)]
    if m.group(2):
        d *= 1.5
    if m.group(3):
        d *= 2.0 / 3.0
    return d


def chord(symbol):
    """'F#m7' -> (root pitch class, intervals)."""
    m = re.fullmatch(r'([A-G])(#|b)?(maj7|m7|m6|sus4|sus2|add9|dim|m|7|6|5)?', symbol)
    if not m:
        raise NotationError('bad chord: ' + symbol)
    root = (NOTE_BASE[m.group(1).lower()] + {'#': 1, 'b': -1, None: 0}[m.group(2)]) % 12
    return root, CHORD_INTERVALS[m.group(3) or '']


class Part:
    def __init__(self, name, channel, program, volume, pan=64, octave=0):
        self.name, self.channel, self.program = name, channel, program
        self.volume, self.pan, self.octave = volume, pan, octave
        self.events = []  # (start beat, length in beats, pitch, velocity)
        self.last_voicing = None


class Piece:
    def __init__(self):
        self.tempo = 120.0
        self.beats_per_bar = 4
        self.parts = {}
        self.melodies = {}  # name -> (part, [(offset, length, pitch, velocity)], length in beats)
        self.sections = {}  # name -> (bars, [(chord, beats)], {part: style or melody})
        self.order = []

    def length_beats(self):
        return sum(self.sections[s][0] for s in self.order) * self.beats_per_bar


def parse_melody(tokens):
    notes, t, dur, tie = [], 0.0, 1.0, {}
    for tok in tokens:
        vel = 88
        while tok and tok[0] in '!?':
            vel += 18 if tok[0] == '!' else -22
            tok = tok[1:]
        held = tok.endswith('~')
        if held:
            tok = tok[:-1]
        if ':' in tok:
            tok, znacka = tok.split(':')
            dur = duration(znacka)
        if tok.startswith('['):
            pitches = [pitch(p) for p in tok.strip('[]').split()]
        elif tok == 'r':
            pitches = []
        else:
            pitches = [pitch(tok)]
        for p in pitches:
            if p in tie:  # continue a tied note
                i = tie.pop(p)
                o, ln, pp, v = notes[i]
                notes[i] = (o, ln + dur, pp, v)
                if held:
                    tie[p] = i
                continue
            notes.append((t, dur, p, max(1, min(127, vel))))
            if held:
                tie[p] = len(notes) - 1
        t += dur
    return notes, t


def parse_drums(lines, beats_per_bar):
    """Drum grid: blocks separated by '--' follow one another; a trailing '*N' repeats a line's grid."""
    notes, block_start, block_len = [], 0.0, 0.0
    step = beats_per_bar / 16.0
    for line in lines:
        if line == '--':
            block_start += block_len
            block_len = 0.0
            continue
        words = line.split()
        name, times = words[0], 1
        if words[-1].startswith('*'):
            times = int(words[-1][1:])
            words = words[:-1]
        grid = ''.join(words[1:]).replace('|', '') * times
        note = int(name[1:]) if name.startswith('n') and name[1:].isdigit() else DRUMS.get(name)
        if note is None:
            raise NotationError('unknown drum: ' + name)
        if note not in FREEPATS_DRUMS:
            raise NotationError('drum note %d is not in the patch set' % note)
        for i, ch in enumerate(grid):
            if ch not in 'xXo.':
                raise NotationError('bad drum step: ' + ch)
            vel = {'x': 86, 'X': 110, 'o': 52}.get(ch)
            if vel:
                notes.append((block_start + i * step, step, note, vel))
        block_len = max(block_len, len(grid) * step)
    return notes, block_start + block_len


def parse(text):
    piece = Piece()
    # a comment is a line starting with '#' or anything after ' # ' (sharps never have spaces around)
    lines = ['' if l.strip().startswith('#') else re.split(r'\s#(\s|$)', l)[0].rstrip() for l in text.splitlines()]
    i = 0
    while i < len(lines):
        line = lines[i].strip()
        i += 1
        if not line:
            continue
        words = line.split()
        cmd = words[0]
        if cmd == 'tempo':
            piece.tempo = float(words[1])
        elif cmd == 'takt':
            piece.beats_per_bar = int(words[1])
        elif cmd == 'nastroj':
            opts = dict(zip(words[2::2], words[3::2]))
            p = Part(words[1], int(opts['kanal']), int(opts.get('program', 0)), int(opts.get('hlasitost', 90)),
                     int(opts.get('pan', 64)), int(opts.get('oktava', 0)))
            if p.channel != 10 and p.program not in FREEPATS_PROGRAMS:
                raise NotationError('program %d is not in the patch set' % p.program)
            if not 1 <= p.channel <= 16:
                raise NotationError('bad channel in: ' + line)
            piece.parts[p.name] = p
        elif cmd in ('melodie', 'bici'):
            name, part = words[1], words[2]
            if part not in piece.parts:
                raise NotationError('unknown part: ' + part)
            body = []
            while i < len(lines) and lines[i].strip() != 'konec':
                if lines[i].strip():
                    body.append(lines[i].strip())
                i += 1
            if i >= len(lines):
                raise NotationError('missing konec after ' + name)
            i += 1
            if cmd == 'melodie':
                # tokens, keeping a bracketed group of notes together
                notes, length = parse_melody(re.findall(r'[!?]*\[[^\]]*\]\S*|\S+', ' '.join(body)))
            else:
                notes, length = parse_drums(body, piece.beats_per_bar)
            piece.melodies[name] = (part, notes, length)
        elif cmd == 'usek':
            head, rest = line.split(':', 1)
            name, bars = head.split()[1], int(head.split()[2])
            chord_part, _, assign = rest.partition(';')
            chords = []
            cw = chord_part.split()
            if not cw or cw[0] != 'akordy':
                raise NotationError('section needs akordy: ' + line)
            for c in cw[1:]:
                sym, _, beats = c.partition('/')
                chords.append((chord(sym), float(beats) if beats else float(piece.beats_per_bar)))
            total = sum(b for _, b in chords)
            if abs(total - bars * piece.beats_per_bar) > 1e-6:
                raise NotationError('chords of %s last %g beats, not %d bars' % (name, total, bars))
            plays = {}
            for a in assign.split():
                part, _, what = a.partition('=')
                if part not in piece.parts:
                    raise NotationError('unknown part: ' + part)
                plays[part] = what
            piece.sections[name] = (bars, chords, plays)
        elif cmd == 'poradi':
            piece.order = words[1:]
        else:
            raise NotationError('unknown statement: ' + line)
    for s in piece.order:
        if s not in piece.sections:
            raise NotationError('unknown section: ' + s)
    if not piece.order:
        raise NotationError('no sections to play')
    return piece


# --- accompaniment styles ------------------------------------------------------------------------

def voicing(part, root, intervals, centre):
    """Chord tones in close position near `centre`, moving little from the previous chord."""
    tones = sorted({(root + iv) % 12 for iv in intervals})
    best, best_cost = None, None
    for base in range(centre - 12, centre + 1):
        v = []
        for pc in tones:
            p = base + ((pc - base) % 12)
            v.append(p)
        v.sort()
        cost = abs(sum(v) / len(v) - centre)
        if part.last_voicing:
            cost += 0.5 * sum(abs(a - b) for a, b in zip(v, part.last_voicing)) / len(v)
        if best_cost is None or cost < best_cost:
            best, best_cost = v, cost
    part.last_voicing = best
    return best


def bass_note(root, octave_c):
    return octave_c + root


def style_notes(part, style, start, beats, root, intervals, bar_beats):
    """Notes of one chord span for an accompaniment style."""
    out = []
    o = 12 * part.octave

    def add(t, ln, p, v):
        if t < beats - 1e-9:
            out.append((start + t, min(ln, beats - t), p + o, v))

    fifth = 7 if 7 in intervals else intervals[-1]
    third = intervals[1] if len(intervals) > 1 else 7
    b = bass_note(root, 36)  # C2..B2
    if style == 'bas_osminy':        # driving eighths with octave jumps
        pat = [0, 0, 12, 0, 0, 0, 12, 0]
        for k in range(int(beats * 2)):
            add(k * 0.5, 0.45, b + pat[k % 8], 92 if k % 2 == 0 else 74)
    elif style == 'bas_kroky':       # walking quarters: root, fifth, octave, fifth
        seq = [0, fifth, 12, fifth]
        for k in range(int(beats)):
            add(k, 0.9, b + seq[k % 4], 86)
    elif style == 'bas_poskok':      # bouncy: root on the beat, octave on the off-beat eighth
        for k in range(int(beats)):
            add(k, 0.5, b, 88)
            add(k + 0.5, 0.4, b + (12 if k % 2 else fifth), 70)
    elif style == 'bas_klid':        # calm: root, then fifth, in half notes
        for k in range(0, int(beats), 2):
            add(k, 1.9, b + (0 if k % 4 == 0 else fifth), 80)
    elif style == 'bas_synkopy':     # root on 1, 2& and 4 for a syncopated groove
        for k in range(0, int(beats), 4):
            add(k, 1.3, b, 90)
            add(k + 1.5, 0.9, b, 76)
            add(k + 3, 0.5, b + 12, 80)
            add(k + 3.5, 0.5, b + fifth, 70)
    elif style == 'pad':             # sustained chord
        for p in voicing(part, root, intervals, 60):
            add(0, beats - 0.05, p, 62)
    elif style == 'stab':            # short accented chord hits
        v = voicing(part, root, intervals, 62)
        for t, ln, vel in ((0, 0.7, 90), (1.5, 0.4, 78), (3, 0.4, 70)):
            if t < beats:
                for p in v:
                    add(t, ln, p, vel)
    elif style == 'skank':           # off-beat eighth chords
        v = voicing(part, root, intervals, 64)
        for k in range(int(beats)):
            for p in v:
                add(k + 0.5, 0.3, p, 70)
    elif style == 'komp':            # piano comping: a dotted rhythm
        v = voicing(part, root, intervals, 62)
        for t, ln, vel in ((0, 1.4, 74), (1.5, 0.9, 62), (2.5, 1.4, 68)):
            if t < beats:
                for p in v:
                    add(t, ln, p, vel)
    elif style in ('arp', 'arp_dolu', 'arp16'):   # broken chords
        v = voicing(part, root, intervals, 64)
        seq = v + [v[0] + 12] + v[1:][::-1]
        if style == 'arp_dolu':
            seq = seq[::-1]
        step = 0.25 if style == 'arp16' else 0.5
        for k in range(int(beats / step)):
            add(k * step, step * 1.6, seq[k % len(seq)], 70 if k % 2 == 0 else 58)
    elif style == 'rozklad':         # slow guitar-like pattern: bass, then chord tones in eighths
        v = voicing(part, root, intervals, 60)
        seq = [v[0] - 12, v[1], v[2], v[0] + 12 if len(v) < 4 else v[3], v[2], v[1], v[2], v[1]]
        for k in range(int(beats * 2)):
            add(k * 0.5, 0.95, seq[k % 8], 66 if k % 4 == 0 else 54)
    elif style == 'kvinty':          # power chords chugging in eighths
        for k in range(int(beats * 2)):
            for iv in (0, 7, 12):
                add(k * 0.5, 0.42, b + 12 + iv, 84 if k % 2 == 0 else 66)
    elif style == 'drz':             # the chord held to the end of the span
        for p in voicing(part, root, intervals, 62):
            add(0, beats, p, 76)
    elif style == 'bas_drz':
        add(0, beats, b, 90)
    elif style == 'ticho':
        pass
    else:
        raise NotationError('unknown style: ' + style)
    return out


def render(piece):
    t = 0.0
    for name in piece.order:
        bars, chords, plays = piece.sections[name]
        length = bars * piece.beats_per_bar
        for part_name, what in plays.items():
            part = piece.parts[part_name]
            if what in piece.melodies:
                mpart, notes, mlen = piece.melodies[what]
                if mpart != part_name:
                    raise NotationError('%s is written for %s, not %s' % (what, mpart, part_name))
                if mlen <= 0:
                    continue
                rep = 0.0
                while rep < length - 1e-9:
                    for off, ln, p, v in notes:
                        if rep + off < length - 1e-9:
                            part.events.append((t + rep + off, min(ln, length - rep - off), p + 12 * part.octave, v))
                    rep += mlen
            else:
                c0 = 0.0
                for (root, intervals), beats in chords:
                    part.events.extend(style_notes(part, what, t + c0, beats, root, intervals, piece.beats_per_bar))
                    c0 += beats
        t += length
    return t


# --- standard MIDI file ----------------------------------------------------------------------------

def varlen(n):
    out = [n & 0x7F]
    n >>= 7
    while n:
        out.append(0x80 | (n & 0x7F))
        n >>= 7
    return bytes(reversed(out))


def track_chunk(events):
    """events: (tick, order, bytes); order breaks ties so note-offs come before note-ons."""
    events.sort(key=lambda e: (e[0], e[1]))
    data, now = bytearray(), 0
    for tick, _, msg in events:
        data += varlen(tick - now) + msg
        now = tick
    data += varlen(0) + b'\xff\x2f\x00'
    return b'MTrk' + struct.pack('>I', len(data)) + bytes(data)


def write_midi(piece, path, end_beats):
    tracks = []
    us = int(round(60_000_000 / piece.tempo))
    end_tick = int(round(end_beats * TICKS))
    tracks.append(track_chunk([
        (0, 0, b'\xff\x51\x03' + us.to_bytes(3, 'big')),
        (0, 0, b'\xff\x58\x04' + bytes([piece.beats_per_bar, 2, 24, 8])),
        (end_tick, 9, b'\xff\x01\x05' + b'konec'),
    ]))
    for part in piece.parts.values():
        ch = part.channel - 1
        ev = [(0, 0, bytes([0xB0 | ch, 7, part.volume])), (0, 0, bytes([0xB0 | ch, 10, part.pan]))]
        if part.channel != 10:
            ev.append((0, 1, bytes([0xC0 | ch, part.program])))
        for start, length, p, vel in part.events:
            a = int(round(start * TICKS))
            b = max(a + 1, int(round((start + length) * TICKS)) - 4)
            ev.append((a, 3, bytes([0x90 | ch, p, vel])))
            ev.append((b, 2, bytes([0x80 | ch, p, 0])))
        tracks.append(track_chunk(ev))
    with open(path, 'wb') as f:
        f.write(b'MThd' + struct.pack('>IHHH', 6, 1, len(tracks), TICKS))
        for tr in tracks:
            f.write(tr)


def main(argv):
    if len(argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    try:
        with open(argv[1], encoding='utf-8') as f:
            piece = parse(f.read())
        beats = render(piece)
        tail = 1.0  # let the last notes ring for a beat
        write_midi(piece, argv[2], beats + tail)
    except (NotationError, KeyError, ValueError) as e:
        print('midigen: %s: %s' % (argv[1], e), file=sys.stderr)
        return 1
    if '--info' in argv:
        print('%s: %.1f s, %d bars' % (argv[2], (beats + 1.0) * 60 / piece.tempo, beats / piece.beats_per_bar))
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
