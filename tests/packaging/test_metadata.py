"""The installed desktop entry, AppStream metainfo and manual page pass Debian's checkers, where they
are installed (skipped otherwise); the entry starts the installed launcher and names the installed icon."""
import glob
import gzip
import os
import shutil
import subprocess
import sys

from instalace import PREFIX, Instalace


def over(podminka, zprava):
    if not podminka:
        print("FAILED:", zprava)
        sys.exit(1)


def kontrola(prikaz, *argumenty):
    """Runs a checker when it is installed; its complaint fails the test. False when it is missing."""
    if not shutil.which(prikaz):
        print("skipped: no", prikaz)
        return False
    r = subprocess.run([prikaz, *argumenty], capture_output=True, text=True)
    over(r.returncode == 0 and not r.stderr.strip(), "%s: %s%s" % (prikaz, r.stdout, r.stderr))
    return True


instalace = Instalace(sys.argv[1])
try:
    desktop = glob.glob(instalace.cesta("share", "applications", "*.desktop"))
    metainfo = glob.glob(instalace.cesta("share", "metainfo", "*.metainfo.xml"))
    over(len(desktop) == 1 and len(metainfo) == 1, "one desktop entry and one metainfo file")
    zaznam = dict(r.split("=", 1) for r in open(desktop[0], encoding="utf-8").read().splitlines() if "=" in r)
    over(zaznam.get("Exec") == PREFIX + "/games/odraz", "Exec is " + zaznam.get("Exec", ""))
    over(os.path.isfile(instalace.cesta("share", "icons", "hicolor", "48x48", "apps", zaznam.get("Icon", "?") + ".png")),
         "the icon is not installed under its name")
    over(os.path.basename(metainfo[0]).replace(".metainfo.xml", ".desktop") == os.path.basename(desktop[0]),
         "the metainfo and the desktop entry have different ids")

    provereno = [kontrola("desktop-file-validate", desktop[0]),
                 kontrola("appstreamcli", "validate", "--no-net", metainfo[0])]
    manual = os.path.join(instalace.koren, "odraz.6")
    with gzip.open(instalace.cesta("share", "man", "man6", "odraz.6.gz")) as z, open(manual, "wb") as f:
        f.write(z.read())
    provereno.append(kontrola("groff", "-man", "-ww", "-z", "-K", "utf8", manual))
    if not any(provereno):
        sys.exit(77)
    print("1 passed, 0 failed")
finally:
    instalace.konec()
