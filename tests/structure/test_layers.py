#!/usr/bin/env python3
"""The house's floors: src/platform knows nothing of the game, the ground floor (src/core) nothing
above it, and every folder includes only the folders below it. Only src/platform touches the display
and Allegro's devices."""
import pathlib
import re
import sys

# Each folder with the folders it may include, besides itself.
SMI = {
    "platform": set(),
    "core": set(),
    "sound": {"core", "platform"},
    "world": {"core", "sound"},
    "ui": {"core", "platform", "sound", "world"},
    "persist": {"core", "platform", "sound", "world", "ui"},
    "levels": {"core", "platform", "sound", "world", "ui", "persist"},
    "shell": {"core", "platform", "sound", "world", "ui", "persist", "levels"},
}
ZARIZENI = re.compile(r"\bscreen\b|\b(install_(keyboard|mouse|timer|sound|int_ex|int)|remove_int|poll_(mouse|keyboard)"
                      r"|readkey|ureadkey|keypressed|clear_keybuf|set_mouse_range|position_mouse|show_mouse"
                      r"|set_gfx_mode|rest|play_sample|play_midi|stop_midi|set_volume|load_midi|allegro_message)\s*\(")
VLOZENI = re.compile(r'^\s*#\s*include\s*"([a-z_]+)/')


src = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parents[2] / "src")
chyby = []
for soubor in sorted(p for p in src.rglob("*") if p.suffix in (".cpp", ".h") and p.is_file()):
    slozka = soubor.relative_to(src).parts[0]
    if slozka not in SMI:
        chyby.append(f"{soubor}: folder '{slozka}' has no place among the floors")
        continue
    for cislo, radek in enumerate(soubor.read_text(encoding="utf-8").splitlines(), 1):
        m = VLOZENI.match(radek)
        if m and m.group(1) != slozka and m.group(1) not in SMI[slozka]:
            chyby.append(f"{soubor}:{cislo}: {slozka} includes {m.group(1)}")
        if slozka != "platform" and ZARIZENI.search(radek.split("//", 1)[0]):
            chyby.append(f"{soubor}:{cislo}: the display or a device outside src/platform")
print("\n".join(chyby) or "1 passed, 0 failed")
sys.exit(1 if chyby else 0)
