#!/usr/bin/env python3
"""The barn page in a real browser: headless chromium in a phone-sized window pairs with the
running program, finds a sow, books her farrowing; the PC's selection window, open all the
while and filtered to suckling sows, then lists her; the herd file holds the booking and the
program's "Stallzugang" window shows the journal line.

Usage: e2e_stall.py PROGRAM   (the program with the script driver, porvanta-testlauf)
Exit code 77 when chromium, its driver or selenium is missing (the test is skipped).
"""

import datetime
import os
import re
import shutil
import socket
import subprocess
import sys
import tempfile

try:
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    from selenium.webdriver.common.by import By
    from selenium.webdriver.support import expected_conditions as EC
    from selenium.webdriver.support.ui import WebDriverWait
except ImportError:
    print("selenium fehlt")
    sys.exit(77)

CHROMIUM = shutil.which("chromium")
TREIBER = shutil.which("chromedriver")
SAU = "501"


def datum(d):
    return bytes([d.day, d.month, d.year - 1900, 0])


def feld(text, laenge):
    b = text.encode("cp1252")
    return bytes([len(b)]) + b + bytes(laenge - len(b))


def herde(heute):
    """One sow, stalled in a year ago and mated 114 days ago."""
    sau = bytearray(512)
    sau[6:17] = feld(SAU, 10)
    sau[34:38] = datum(heute - datetime.timedelta(days=400))
    wurf = bytearray(512)
    wurf[1] = 1
    wurf[2:6] = datum(heute - datetime.timedelta(days=114))
    wurf[14:25] = feld("Ajax", 10)
    wurf[47] = 1
    return bytes(sau) + bytes(wurf)


def gebuchter_wurf(pfad):
    daten = open(pfad, "rb").read()
    assert len(daten) % 512 == 0, "Herdendatei nicht in ganzen Sätzen"
    saetze = [daten[i:i + 512] for i in range(0, len(daten), 512)]
    for i, s in enumerate(saetze):
        if s[1] == 0 and s[7:7 + s[6]].decode("cp1252") == SAU:
            return saetze[i + 1]
    raise AssertionError("Sau fehlt in der Herdendatei")


def freier_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def programm_starten(programm, tmp, port, flagge):
    for d in ("daten", "config/Porvanta/Porvanta", "home", "data", "arbeit"):
        os.makedirs(os.path.join(tmp, d), exist_ok=True)
    with open(os.path.join(tmp, "config/Porvanta/Porvanta/PV.INI"), "w") as f:
        f.write(f"[STALLZUGANG]\nAN=1\nPORT={port}\n[PRUEFUNG]\nUEBERSICHT=0\n")
    with open(os.path.join(tmp, "skript.txt"), "w") as f:
        # The selection stays open, filtered to suckling sows, while the barn books; then
        # its filter is applied again (Leer on and off).
        f.write("klick Stallzugang1\nzeige Code\ntaste Escape\nklick Eingabe1\n"
                "klick CheckBox1\nklick CheckBox2\nklick CheckBox3\nklick CheckBox6\n"
                f"klick CheckBox7\nzeige Edit2\nwarte {flagge}\nklick CheckBox1\n"
                "klick CheckBox1\nzeige Edit2\ntaste Escape\n"
                "klick Stallzugang1\nzeige Journal\ntaste Escape\nbeenden\n")
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", HOME=os.path.join(tmp, "home"),
               XDG_CONFIG_HOME=os.path.join(tmp, "config"),
               XDG_DATA_HOME=os.path.join(tmp, "data"),
               USER=f"porvanta-e2e-{os.getpid()}",
               PORVANTA_DATENPFAD=os.path.join(tmp, "daten"),
               PORVANTA_SKRIPT=os.path.join(tmp, "skript.txt"))
    return subprocess.Popen([programm], env=env, cwd=os.path.join(tmp, "arbeit"),
                            stdout=subprocess.PIPE, text=True)


def browser():
    o = webdriver.ChromeOptions()
    o.binary_location = CHROMIUM
    for a in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage"):
        o.add_argument(a)
    # A phone's screen: 360 CSS pixels wide.
    o.add_experimental_option("mobileEmulation",
                              {"deviceMetrics": {"width": 360, "height": 740, "pixelRatio": 2}})
    return webdriver.Chrome(service=Service(TREIBER), options=o)


def im_browser_buchen(port, code):
    b = browser()
    try:
        warte = WebDriverWait(b, 20)
        b.get(f"http://127.0.0.1:{port}/")
        warte.until(EC.visibility_of_element_located((By.ID, "code"))).send_keys(code)
        b.find_element(By.ID, "koppeln-knopf").click()
        warte.until(EC.visibility_of_element_located((By.ID, "saunr"))).send_keys(SAU)
        b.find_element(By.ID, "suchen").click()
        info = warte.until(EC.visibility_of_element_located((By.ID, "sauinfo")))
        assert "tragend" in info.text or "belegt" in info.text, info.text
        breite = b.execute_script("return [window.innerWidth, document.documentElement.scrollWidth]")
        assert breite[0] == 360 and breite[1] <= 360, breite
        b.find_element(By.ID, "b-abferkeln").click()
        warte.until(EC.visibility_of_element_located((By.ID, "f-lebend"))).send_keys("11")
        for feld_id, wert in (("f-tot", "1"), ("f-weibliche", "5")):
            e = b.find_element(By.ID, feld_id)
            e.clear()
            e.send_keys(wert)
        b.find_element(By.ID, "senden-abferkeln").click()
        warte.until(lambda d: d.find_element(By.ID, "meldung").get_attribute("class") in
                    ("ok", "fehler", "frage"))
        meldung = b.find_element(By.ID, "meldung")
        assert meldung.get_attribute("class") == "ok", meldung.text
        assert "säugend" in b.find_element(By.ID, "sauinfo").text
        # STALL_BILD=datei.png keeps a picture of the phone's page, to look at.
        if os.environ.get("STALL_BILD"):
            b.save_screenshot(os.environ["STALL_BILD"])
    finally:
        b.quit()


def main():
    if not (CHROMIUM and TREIBER):
        print("chromium oder chromedriver fehlt")
        return 77
    heute = datetime.date.today()
    tmp = tempfile.mkdtemp(prefix="porvanta-e2e-")
    herd = os.path.join(tmp, "daten", "SAUWURF.DAT")
    port = freier_port()
    flagge = os.path.join(tmp, "gebucht")
    os.makedirs(os.path.dirname(herd))
    with open(herd, "wb") as f:
        f.write(herde(heute))
    p = programm_starten(sys.argv[1], tmp, port, flagge)
    try:
        zeile = p.stdout.readline()
        m = re.search(r"Code: (\d{6})", zeile)
        assert m, "kein Code: " + zeile
        assert p.stdout.readline().strip() == "Edit2=0"
        try:
            im_browser_buchen(port, m.group(1))
        finally:
            open(flagge, "w").close()
        auswahl = p.stdout.readline().strip()
        assert auswahl == "Edit2=1", auswahl
        journal = p.stdout.readline()
        assert f"; {SAU}; 1; Abferkeln am" in journal, journal
        assert p.wait(timeout=60) == 0
        w = gebuchter_wurf(herd)
        assert w[156:160] == datum(heute), w[156:160]
        assert (w[164], w[165], w[166]) == (12, 1, 5), (w[164], w[165], w[166])
        print("ok")
        return 0
    finally:
        if p.poll() is None:
            p.kill()
        shutil.rmtree(tmp, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
