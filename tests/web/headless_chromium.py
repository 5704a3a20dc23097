"""Debian's Chromium as the page's tests and benchmark run it: headless, WebGL 2 on the CPU
(SwiftShader), driven through chromium-driver, the site served from 127.0.0.1 only."""
import socket
import subprocess
import sys
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

FLAGS = ("--headless=new", "--no-sandbox", "--use-angle=swiftshader", "--enable-unsafe-swiftshader",
         "--window-size=800,700", "--disable-dev-shm-usage")


def Serve(folder):
    """A static web server for `folder` on a free port of 127.0.0.1: the process and its URL."""
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        port = s.getsockname()[1]
    server = subprocess.Popen(
        [sys.executable, "-m", "http.server", "--bind", "127.0.0.1", str(port),
         "--directory", str(folder)], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    for _ in range(200):
        with socket.socket() as s:
            if s.connect_ex(("127.0.0.1", port)) == 0:
                return server, f"http://127.0.0.1:{port}/"
        time.sleep(0.05)
    server.terminate()
    raise RuntimeError("the web server did not start")


def Chromium(profile, downloads=None):
    """A headless Chromium with its own profile folder, downloads going to `downloads`."""
    options = webdriver.ChromeOptions()
    for arg in FLAGS + (f"--user-data-dir={profile}",):
        options.add_argument(arg)
    if downloads is not None:
        options.add_experimental_option("prefs", {"download.default_directory": str(downloads)})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
