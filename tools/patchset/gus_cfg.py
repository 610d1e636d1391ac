#!/usr/bin/env python3
"""Prepares Debian's freepats for Allegro's pat2dat: writes the index in the Gravis UltraSound
`default.cfg` layout that Allegro's DIGMID reads, and links the patch folders beside it.

    gus_cfg.py /etc/timidity/freepats.cfg OUT_DIR

TiMidity's config numbers instruments from 0, names a `dir` for the patches and lists drums under
`drumset 0`. DIGMID numbers instruments from 1, knows no `dir`, and expects the drums after a line
`129 begin_multipatch`, numbered by their MIDI note. Fed the TiMidity file as it is, DIGMID would play
every instrument with the patch of the next program number and no drums at all.
"""
import os
import sys


def read_timidity(path):
    base, bank, drums, section = os.path.dirname(path), {}, {}, None
    with open(path, encoding='utf-8', errors='replace') as f:
        for line in f:
            words = line.split('#', 1)[0].split()
            if not words:
                continue
            if words[0] == 'dir' and len(words) > 1:
                base = words[1]
            elif words[0] == 'drumset':
                section = drums if words[1:] == ['0'] else None
            elif words[0] == 'bank':
                section = bank if words[1:] == ['0'] else None
            elif words[0].isdigit() and len(words) > 1 and section is not None:
                number = int(words[0])
                if 0 <= number < 128:
                    section[number] = words[1]
    return base, bank, drums


def main(argv):
    if len(argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    base, bank, drums = read_timidity(argv[1])
    if not bank or not drums:
        print('gus_cfg: no instruments or drums in %s' % argv[1], file=sys.stderr)
        return 1
    out = argv[2]
    os.makedirs(out, exist_ok=True)
    with open(os.path.join(out, 'default.cfg'), 'w', encoding='ascii') as f:
        f.write('# Made from %s for Allegro DIGMID: instruments from 1, drums by MIDI note.\n' % argv[1])
        for program in sorted(bank):
            f.write('%d %s\n' % (program + 1, bank[program]))
        f.write('129 begin_multipatch default blank\n')
        for note in sorted(drums):
            f.write('%d %s\n' % (note, drums[note]))
    for folder in sorted({p.split('/', 1)[0] for p in list(bank.values()) + list(drums.values()) if '/' in p}):
        link, target = os.path.join(out, folder), os.path.join(base, folder)
        if not os.path.isdir(target):
            print('gus_cfg: missing patch folder %s' % target, file=sys.stderr)
            return 1
        if os.path.islink(link):
            os.remove(link)
        os.symlink(target, link)
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
