"""The .deb: its name, fields and dependencies, its file list, and a clean install and purge in a
throw-away dpkg root (with fakeroot when not root; skipped where neither is possible)."""
import os
import shutil
import subprocess
import sys
import tempfile


def over(podminka, zprava):
    if not podminka:
        print("FAILED:", zprava)
        sys.exit(1)


def dpkg_deb(*argumenty):
    return subprocess.run(["dpkg-deb", *argumenty], check=True, capture_output=True, text=True).stdout


build, verze = sys.argv[1], sys.argv[2]
tmp = tempfile.mkdtemp(prefix="odraz-deb-")
try:
    subprocess.run(["cpack", "-G", "DEB", "-B", tmp], cwd=build, check=True, stdout=subprocess.DEVNULL)
    deb = os.path.join(tmp, "odraz_%s_amd64.deb" % verze)
    over(os.path.isfile(deb), "no " + os.path.basename(deb) + " among " + str(os.listdir(tmp)))

    pole = dict(radek.split(": ", 1) for radek in dpkg_deb("-f", deb, "Package", "Version", "Architecture",
                                                           "Section", "Depends", "Maintainer").splitlines())
    over(pole.get("Package") == "odraz" and pole.get("Version") == verze, "name or version: %r" % pole)
    over(pole.get("Architecture") == "amd64" and pole.get("Section") == "games", "architecture or section: %r" % pole)
    zavislosti = {d.strip().split(" ")[0] for d in pole.get("Depends", "").split(",")}
    over({"liballegro4.4", "libc6", "libstdc++6"} <= zavislosti, "dependencies: " + pole.get("Depends", ""))

    obsah = {}
    for radek in dpkg_deb("-c", deb).splitlines():
        casti = radek.split(None, 5)
        obsah[casti[5].split(" -> ")[0].rstrip("/")] = (casti[0], casti[1])
    ocekavane = ["./usr/games/odraz", "./usr/lib/games/odraz/odraz", "./usr/lib/games/odraz/patches.dat",
                 "./usr/share/games/odraz/odraz.dat", "./usr/share/games/odraz/patches.dat",
                 "./usr/share/games/odraz/Level/level_001.lvl", "./usr/share/games/odraz/Midi/midi1.mid",
                 "./usr/share/man/man6/odraz.6.gz"]
    ocekavane += ["./usr/share/icons/hicolor/%dx%d/apps/odraz.png" % (s, s) for s in (48, 64, 128, 256)]
    chybi = [p for p in ocekavane if p not in obsah]
    over(not chybi, "missing from the package: %r" % chybi)
    for slozka, pripona in (("applications", ".desktop"), ("metainfo", ".metainfo.xml")):
        over(any(p.startswith("./usr/share/%s/" % slozka) and p.endswith(pripona) for p in obsah), "no " + pripona)
    over(all(p.startswith("./usr") for p in obsah), "files outside /usr")
    over(all(vlastnik == "root/root" for _, vlastnik in obsah.values()), "files not owned by root")
    for spustitelny in ("./usr/games/odraz", "./usr/lib/games/odraz/odraz"):
        over(obsah[spustitelny][0] == "-rwxr-xr-x", spustitelny + " is not executable")

    # dpkg in a root of its own: install, then purge, and nothing of the package may stay behind.
    pred = [] if os.geteuid() == 0 else ["fakeroot"]
    if pred and not shutil.which("fakeroot"):
        print("1 passed, 0 failed (install into a dpkg root skipped: not root and no fakeroot)")
        sys.exit(0)
    koren = os.path.join(tmp, "koren")
    for d in ("var/lib/dpkg/info", "var/lib/dpkg/updates", "var/log"):
        os.makedirs(os.path.join(koren, d))
    open(os.path.join(koren, "var/lib/dpkg/status"), "w").close()
    env = dict(os.environ, PATH=os.environ["PATH"] + ":/usr/sbin:/sbin")
    dpkg = pred + ["dpkg", "--root=" + koren, "--log=" + os.path.join(koren, "var/log/dpkg.log")]
    subprocess.run(dpkg + ["--force-depends", "-i", deb], env=env, check=True, capture_output=True)
    over(os.access(os.path.join(koren, "usr/games/odraz"), os.X_OK), "the launcher was not installed")
    over(os.path.isfile(os.path.join(koren, "usr/lib/games/odraz/patches.dat")), "the instruments' link is broken")
    subprocess.run(dpkg + ["--purge", "odraz"], env=env, check=True, capture_output=True)
    over(not os.path.exists(os.path.join(koren, "usr")), "files remain after the purge")
    print("1 passed, 0 failed")
finally:
    shutil.rmtree(tmp, ignore_errors=True)
