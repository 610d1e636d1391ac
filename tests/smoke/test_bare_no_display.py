"""Without a display the real binary says so on standard error (and in its own words on standard output)
and ends with exit code 1; it neither crashes nor pretends to have succeeded."""
import os
import subprocess
import sys
import tempfile

from xharness import over

run_dir = os.path.abspath(sys.argv[1])
with tempfile.TemporaryDirectory(prefix="odraz-bare-") as adresar:
    os.symlink(os.path.join(run_dir, "odraz.dat"), os.path.join(adresar, "odraz.dat"))
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "HOME", "USER")}
    p = subprocess.run([os.path.join(run_dir, "odraz")], cwd=adresar, env=env, capture_output=True, timeout=30)
    over(p.returncode == 1, "exit code %d without a display, 1 expected" % p.returncode)
    over(b"Potize s nastavenim grafiky." in p.stdout, "stdout: %r" % p.stdout)
    over(b"graphics mode" in p.stderr, "no clear message on standard error: %r" % p.stderr)
    over(not os.path.exists(os.path.join(adresar, "setdat.ddt")), "settings written by a program that never ran")
print("1 passed, 0 failed")
