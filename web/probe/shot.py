#!/usr/bin/python3
# Runs the built browser probe (build-web/probe) in headless Chromium served from 127.0.0.1 and
# saves the canvas as build-web/probe/probe.png; prints what the program printed.
import os
import pathlib
import shutil
import socket
import subprocess
import sys
import time

# Debian's browser, its driver and selenium, installed when missing.
if shutil.which("chromedriver") is None or subprocess.run(
        [sys.executable, "-c", "import selenium"], stderr=subprocess.DEVNULL).returncode != 0:
    sudo = [] if os.geteuid() == 0 else ["sudo"]
    print("shot: installing chromium chromium-driver python3-selenium")
    subprocess.run(sudo + ["apt-get", "install", "-y", "-qq", "--no-install-recommends",
                           "chromium", "chromium-driver", "python3-selenium"],
                   check=True, env=dict(os.environ, DEBIAN_FRONTEND="noninteractive"))

from selenium import webdriver  # noqa: E402
from selenium.webdriver.chrome.service import Service  # noqa: E402
from selenium.webdriver.common.by import By  # noqa: E402
from selenium.webdriver.support.ui import WebDriverWait  # noqa: E402

out = pathlib.Path(__file__).resolve().parents[2] / "build-web" / "probe"
with socket.socket() as s:
    s.bind(("127.0.0.1", 0))
    port = s.getsockname()[1]
server = subprocess.Popen(
    [sys.executable, "-m", "http.server", "--bind", "127.0.0.1", str(port), "--directory", str(out)],
    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
options = webdriver.ChromeOptions()
for arg in ("--headless=new", "--no-sandbox", "--use-angle=swiftshader",
            "--enable-unsafe-swiftshader", "--window-size=800,600"):
    options.add_argument(arg)
driver = None
ok = False
try:
    time.sleep(0.5)
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    driver.get(f"http://127.0.0.1:{port}/index.html")
    log = driver.find_element(By.ID, "log")
    WebDriverWait(driver, 60).until(lambda d: "probe: OK" in log.text or "FAIL" in log.text)
    print(log.text)
    driver.find_element(By.ID, "canvas").screenshot(str(out / "probe.png"))
    print(f"screenshot: {out / 'probe.png'}")
    ok = "probe: OK" in log.text
finally:
    if driver is not None:
        driver.quit()
    server.terminate()
    server.wait()
sys.exit(0 if ok else 1)
