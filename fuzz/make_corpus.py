#!/usr/bin/env python3
"""Writes the fuzz targets' seed corpora into fuzz/corpus/<target>/: files of every format the game reads,
whole and damaged, made here byte by byte or by the game's own generators (the levels' text, the music).

    fuzz/make_corpus.py            (re)writes fuzz/corpus
"""
import os
import pathlib
import shutil
import struct
import subprocess
import sys
import tempfile

KOREN = pathlib.Path(__file__).resolve().parent
PROJEKT = KOREN.parent
sys.path.insert(0, str(PROJEKT / "tools" / "midigen"))
from midigen import varlen  # noqa: E402  (the music generator's variable-length numbers)
CORPUS = KOREN / "corpus"


def jmeno(text):
    b = text.encode()[:12]
    return b + b"\0" * (13 - len(b))


def nastaveni():
    plne = struct.pack("<4i", 200, 200, 10, 1) + jmeno("Neuvedeno")
    return {"default": plne, "short": plne[:18], "wild": struct.pack("<4i", -5, 9999, 77, 2) + b"ABCDEFGHIJKLM"}


def nejlepsi():
    tabulka = b"".join(struct.pack("<2i", 1000 - 40 * i, 1 + i % 9) + jmeno("Hrac %c" % (65 + i)) for i in range(20))
    return {"table": tabulka, "cut": tabulka[:100], "champion_only": tabulka[:21]}


def mrizka_z_textu(cesta):
    radky = [r for r in cesta.read_text().splitlines() if r and not r.startswith("#")]
    autor = radky[0].split(":", 1)[1].strip()
    bunky = [".123456789G".index(c) for r in radky[1:23] for c in r[:20]]
    return bunky, autor


def uroven(bunky, autor):
    return struct.pack("<440i", *bunky) + jmeno(autor)


def urovne():
    bunky, autor = mrizka_z_textu(PROJEKT / "data/levels/level_003.txt")
    soubor = uroven(bunky, autor)
    divne = list(bunky)
    divne[0], divne[439], divne[200] = 11, -1, 10
    return {"level_003": soubor, "odd_cells": uroven(divne, "x" * 13), "cut": soubor[:900]}


def texty():
    out = {p.stem: p.read_bytes() for p in sorted((PROJEKT / "data/levels").glob("level_00[1-3].txt"))}
    out["crlf_bom"] = b"\xef\xbb\xbf" + out["level_001"].replace(b"\n", b"\r\n")
    return out


def ulozena(bunky, level, jmeno_hry):
    stav = struct.pack("<11i", 3, 1230, level, 2, 16, 120, 1, 0, 1, 4, 33) + struct.pack("<f", 1.35)
    return struct.pack("<440i", *bunky) + stav + jmeno(jmeno_hry)


def ulozene():
    prazdna = ulozena([0] * 440, 0, "- - - - - -")
    prazdna = prazdna[:1760] + struct.pack("<12i", *[0] * 12) + prazdna[1808:]
    bunky, _ = mrizka_z_textu(PROJEKT / "data/levels/level_002.txt")
    soubor = [prazdna] * 20
    soubor[3] = ulozena(bunky, 2, "Rozehrana")
    cely = b"".join(soubor)
    return {"slot_3": bytes([4]) + cely, "slot_19_cut": bytes([20]) + cely[:-500], "slot_0_empty": bytes([1]) + cely}


def soubory_ulozenych():
    """save.ddt as it lies on disk, whole, cut inside a record and with bytes after the twentieth."""
    cely = ulozene()["slot_3"][1:]
    return {"whole": cely, "cut": cely[:1821 * 7 + 900], "long": cely + b"\xff" * 300}


def dat_objekt(typ, obsah, nazev=None):
    b = b""
    if nazev:
        b += b"prop" + b"NAME" + struct.pack(">I", len(nazev)) + nazev.encode()
    return b + typ + struct.pack(">II", len(obsah), len(obsah)) + obsah


def datafile():
    bitmapa = struct.pack(">3H", 16, 4, 3) + bytes(range(24))
    zvuk = struct.pack(">2HI", 16, 11025, 6) + bytes(12)
    pismo = struct.pack(">2H", 0, 1) + b"\x01" + struct.pack(">2I", 32, 33)
    pismo += struct.pack(">2H", 3, 4) + b"\xe0\xa0\xa0\xe0" + struct.pack(">2H", 2, 4) + b"\xc0\xc0\xc0\x00"
    vnitrni = struct.pack(">4s I", b"ALL.", 1) + dat_objekt(b"DATA", b"ODRZ")
    objekty = [dat_objekt(b"BMP ", bitmapa, "pic"), dat_objekt(b"SAMP", zvuk), dat_objekt(b"FONT", pismo),
               dat_objekt(b"FILE", vnitrni[4:]), dat_objekt(b"DATA", b"1234", "raw")]
    telo = b"ALL." + struct.pack(">I", len(objekty)) + b"".join(objekty)
    return {"small": b"slh." + telo, "cut": (b"slh." + telo)[:60]}


def stopa(udalosti):
    data = b"".join(varlen(t) + u for t, u in udalosti) + b"\x00\xff\x2f\x00"
    return b"MTrk" + struct.pack(">I", len(data)) + data


def midi():
    tempo = stopa([(0, b"\xff\x51\x03\x07\xa1\x20"), (0, b"\xff\x58\x04\x04\x02\x18\x08"), (0, b"\xf0\x03\x7e\x7f\xf7")])
    noty = stopa([(0, b"\xc0\x05"), (0, b"\x90\x3c\x60"), (240, b"\x40\x60"), (240, b"\x80\x3c\x00"),
                  (0, b"\x40\x00"), (0, b"\x99\x24\x70"), (480, b"\x89\x24\x00")])
    mala = b"MThd" + struct.pack(">IHHH", 6, 1, 2, 480) + tempo + noty
    out = {"small": mala, "cut": mala[:40]}
    with tempfile.TemporaryDirectory() as d:
        cil = os.path.join(d, "midi3.mid")
        subprocess.run([sys.executable, str(PROJEKT / "tools/midigen/midigen.py"),
                        str(PROJEKT / "tools/midigen/skladby/midi3.txt"), cil], check=True, stdout=subprocess.DEVNULL)
        out["midi3"] = pathlib.Path(cil).read_bytes()
    return out


def main():
    bunky, autor = mrizka_z_textu(PROJEKT / "data/levels/level_003.txt")
    cile = {"settings": nastaveni(), "best_games": nejlepsi(), "level": urovne(), "level_text": texty(),
            "save_file": ulozene(), "save_slots": soubory_ulozenych(), "datafile": datafile(), "midi": midi()}
    shutil.rmtree(CORPUS, ignore_errors=True)
    for cil, soubory in cile.items():
        (CORPUS / cil).mkdir(parents=True)
        for nazev, obsah in soubory.items():
            (CORPUS / cil / nazev).write_bytes(obsah)
    print("seed corpora written to", CORPUS)


if __name__ == "__main__":
    main()
