#!/usr/bin/env python3
"""Applies each single-line mutation of mutationen.txt in turn, rebuilds what it touches, runs
the tests and records which of them failed. A mutation no test catches is a rule no test pins.

Run from the repository root on a configured build directory:
    python3 tests/mutation/mutieren.py [build] [first-n] [description words...]
The source file is restored byte for byte after each mutation."""

import pathlib
import re
import subprocess
import sys

BUILD = sys.argv[1] if len(sys.argv) > 1 else "build"
ANZAHL = int(sys.argv[2]) if len(sys.argv) > 2 else 10**6
LISTE = pathlib.Path(__file__).with_name("mutationen.txt")

# The tests that look at a folder's rules first; the whole suite only when they miss.
BEREICH = {
    "herd": r"^(herd|entry|plan)_|^evaluation_tst_kern",
    "entry": r"^entry_",
    "plan": r"^plan_",
    "evaluation": r"^evaluation_",
    "feed": r"^feed_",
}


def lauf(args, **kw):
    return subprocess.run(args, capture_output=True, text=True, **kw)


def tests(muster):
    out = lauf(["ctest", "--test-dir", BUILD, "-N", "-R", muster]).stdout
    # A test binary's target bears the test's name; other tests (tools_...) run built programs.
    return [t for t in re.findall(r"Test\s+#\d+: (\S+)", out) if "_tst_" in t]


def pruefen(muster):
    """Builds and runs the tests matching `muster`; the failed ones, or None if it failed to
    build."""
    # Only the tests' own targets (and what they depend on), one job: the cores are shared.
    bau = lauf(["cmake", "--build", BUILD, "-j1", "--target", *tests(muster)])
    if bau.returncode != 0:
        text = bau.stdout + bau.stderr
        fehler = [z for z in text.splitlines() if "error" in z]
        print("  build failed: " + (fehler[0] if fehler else text[-300:]), flush=True)
        return None
    out = lauf(["ctest", "--test-dir", BUILD, "-j1", "-R", muster, "--timeout", "300"]).stdout
    return re.findall(r"\d+ - (\S+) \(", out.split("The following tests FAILED:")[-1]) \
        if "The following tests FAILED:" in out else []


def main():
    zeilen = []
    nur = sys.argv[3:]  # optional: only the mutations whose description contains one of these
    for zeile in LISTE.read_text().splitlines():
        if zeile.startswith("#") or not zeile.strip():
            continue
        datei, alt, neu, was = [t.strip() for t in zeile.split("|||")]
        if not nur or any(n in was for n in nur):
            zeilen.append((datei, alt, neu, was))
    ergebnis = []
    for datei, alt, neu, was in zeilen[:ANZAHL]:
        pfad = pathlib.Path(datei)
        original = pfad.read_bytes()
        text = original.decode()
        assert text.count(alt) == 1, (datei, alt)
        pfad.write_text(text.replace(alt, neu))
        try:
            bereich = BEREICH[datei.split("/")[2]]  # src/core/<folder>/...
            gefallen = pruefen(bereich)
            if gefallen == []:
                gefallen = pruefen(".")
        finally:
            pfad.write_bytes(original)
        if gefallen is None:
            status = "caught (does not build)"
        elif gefallen:
            status = "caught by " + ", ".join(gefallen)
        else:
            status = "NOT CAUGHT"
        ergebnis.append(f"| {datei} | {was} | {status} |")
        print(ergebnis[-1], flush=True)
    print("\n| file | mutation | result |\n|---|---|---|")
    print("\n".join(ergebnis))
    return 1 if any("NOT CAUGHT" in e for e in ergebnis) else 0


if __name__ == "__main__":
    sys.exit(main())
