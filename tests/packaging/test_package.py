"""The .deb: its name, fields and file list; its desktop entry, metainfo and manual page pass Debian's
checkers where those are installed; it installs and purges cleanly in a throw-away dpkg root (with
fakeroot when not root, skipped where neither is possible)."""
import glob
import gzip
import os
import shutil
import subprocess
import sys
import tempfile

from instalace import over


def dpkg_deb(*argumenty):
    return subprocess.run(["dpkg-deb", *argumenty], check=True, capture_output=True, text=True).stdout


def zkontroluj(prikaz, *argumenty):
    """A checker's complaint fails the test; a checker that is not installed is skipped."""
    if not shutil.which(prikaz):
        print("skipped: no", prikaz)
        return
    r = subprocess.run([prikaz, *argumenty], capture_output=True, text=True)
    over(r.returncode == 0 and not r.stderr.strip(), "%s: %s%s" % (prikaz, r.stdout, r.stderr))


build, verze = sys.argv[1], sys.argv[2]
tmp = tempfile.mkdtemp(prefix="odraz-deb-")
try:
    subprocess.run(["cpack", "-G", "DEB", "-B", tmp], cwd=build, check=True, capture_output=True)
    deb = os.path.join(tmp, "odraz_%s_amd64.deb" % verze)
    over(os.path.isfile(deb), "no " + os.path.basename(deb) + " among " + str(os.listdir(tmp)))
    pole = dict(r.split(": ", 1) for r in dpkg_deb("-f", deb, "Package", "Version", "Architecture", "Section", "Depends").splitlines())
    over((pole["Package"], pole["Version"], pole["Architecture"], pole["Section"]) == ("odraz", verze, "amd64", "games"), str(pole))
    zavislosti = {d.split()[0] for d in pole["Depends"].split(",")}
    over({"liballegro4.4", "libc6", "libstdc++6"} <= zavislosti, "dependencies: " + pole["Depends"])

    obsah = {r.split(None, 5)[5].split(" -> ")[0].rstrip("/"): r.split()[:2] for r in dpkg_deb("-c", deb).splitlines()}
    ocekavane = ["./usr/games/odraz", "./usr/lib/games/odraz/odraz", "./usr/lib/games/odraz/patches.dat",
                 "./usr/share/games/odraz/odraz.dat", "./usr/share/games/odraz/patches.dat",
                 "./usr/share/games/odraz/Level/level_001.lvl", "./usr/share/games/odraz/Midi/midi1.mid",
                 "./usr/share/man/man6/odraz.6.gz"]
    ocekavane += ["./usr/share/icons/hicolor/%dx%d/apps/odraz.png" % (s, s) for s in (48, 64, 128, 256)]
    over(all(p in obsah for p in ocekavane), "missing: %r" % [p for p in ocekavane if p not in obsah])
    over(all(p.startswith("./usr") and v[1] == "root/root" for p, v in obsah.items()), "files outside /usr or not root's")
    over(obsah["./usr/games/odraz"][0] == obsah["./usr/lib/games/odraz/odraz"][0] == "-rwxr-xr-x", "not executable")

    rozbaleno = os.path.join(tmp, "obsah")
    dpkg_deb("-x", deb, rozbaleno)
    desktop = glob.glob(rozbaleno + "/usr/share/applications/*.desktop")
    metainfo = glob.glob(rozbaleno + "/usr/share/metainfo/*.metainfo.xml")
    over(len(desktop) == 1, "not one desktop entry: %r" % desktop)
    ident = os.path.basename(desktop[0])[:-len(".desktop")]
    over(metainfo == [rozbaleno + "/usr/share/metainfo/%s.metainfo.xml" % ident], "no metainfo of the entry's id")
    zaznam = dict(r.split("=", 1) for r in open(desktop[0], encoding="utf-8").read().splitlines() if "=" in r)
    over(zaznam["Exec"] == "/usr/games/odraz" and "./usr/share/icons/hicolor/48x48/apps/%s.png" % zaznam["Icon"] in obsah,
         "the entry's command or icon: %r" % zaznam)
    zkontroluj("desktop-file-validate", desktop[0])
    zkontroluj("appstreamcli", "validate", "--no-net", metainfo[0])
    with gzip.open(rozbaleno + "/usr/share/man/man6/odraz.6.gz") as z, open(os.path.join(tmp, "odraz.6"), "wb") as f:
        f.write(z.read())
    zkontroluj("groff", "-man", "-ww", "-z", os.path.join(tmp, "odraz.6"))

    # dpkg in a root of its own: install, then purge, and nothing of the package may stay behind.
    pred = [] if os.geteuid() == 0 else ["fakeroot"]
    if pred and not shutil.which("fakeroot"):
        print("1 passed, 0 failed (no install into a dpkg root: not root and no fakeroot)")
        sys.exit(0)
    koren = os.path.join(tmp, "koren")
    for d in ("var/lib/dpkg/info", "var/lib/dpkg/updates", "var/log"):
        os.makedirs(os.path.join(koren, d))
    open(os.path.join(koren, "var/lib/dpkg/status"), "w").close()
    env = dict(os.environ, PATH=os.environ["PATH"] + ":/usr/sbin:/sbin")
    dpkg = pred + ["dpkg", "--root=" + koren, "--log=" + os.path.join(koren, "var/log/dpkg.log")]
    subprocess.run(dpkg + ["--force-depends", "-i", deb], env=env, check=True, capture_output=True)
    over(os.path.isfile(os.path.join(koren, "usr/lib/games/odraz/patches.dat")), "not installed, or the instruments' link broken")
    subprocess.run(dpkg + ["--purge", "odraz"], env=env, check=True, capture_output=True)
    over(not os.path.exists(os.path.join(koren, "usr")), "files remain after the purge")
    print("1 passed, 0 failed")
finally:
    shutil.rmtree(tmp, ignore_errors=True)
