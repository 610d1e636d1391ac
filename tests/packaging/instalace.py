"""Shared by the installation tests: the build installed into a temporary root, as a package would be."""
import os
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "smoke"))
from xharness import over  # noqa: E402,F401  (shared by the installation tests)

PREFIX = "/usr"


class Instalace:
    """`cmake --install` of the build into a fresh DESTDIR; paths inside it by their installed names."""

    def __init__(self, build):
        self.koren = tempfile.mkdtemp(prefix="odraz-root-")
        subprocess.run(["cmake", "--install", build, "--prefix", PREFIX], env=dict(os.environ, DESTDIR=self.koren),
                       check=True, stdout=subprocess.DEVNULL)

    def cesta(self, *casti):
        return os.path.join(self.koren, PREFIX.lstrip("/"), *casti)

    def otisk(self):
        """Every path of the installation with its kind, size, mode, time and link target."""
        cesty = [os.path.join(a, j) for a, slozky, soubory in os.walk(self.koren) for j in slozky + soubory]
        return {p: (os.lstat(p).st_mode, os.lstat(p).st_size, os.lstat(p).st_mtime_ns,
                    os.readlink(p) if os.path.islink(p) else None) for p in cesty}

    def konec(self):
        shutil.rmtree(self.koren, ignore_errors=True)
