#!/usr/bin/python3
"""The page's pace in headless Chromium with WebGL 2 on the CPU (SwiftShader): the whole-game
replay, measured for SECONDS once 200 frames of play have passed, in ROUNDS fresh page loads.
Prints per round the frames of play per second and the CPU that Chromium used per frame (every
process and thread of the Chromium it started: the page, the GPU process, SwiftShader's
workers; no other Chromium's), then the medians; set the CPU beside the desktop game's
(bench/game/same_work_bench.sh) for the ratio.
With --time-attack the same keys play a time attack, its clock redrawn in every frame.
Usage: bench/web/page_frame_rate.py [--time-attack] SITE [SECONDS] [ROUNDS]   (SITE: build-web/www)
"""
import os
import pathlib
import shutil
import statistics
import sys
import tempfile
import time

ROOT = pathlib.Path(__file__).resolve().parents[2]
sys.path.insert(0, str(ROOT / "tests" / "web"))
from headless_chromium import Chromium, Serve  # noqa: E402


def ChromiumCpuSeconds(driver):
    """The CPU time of the Chromium that `driver` started: every process under its
    chromedriver (the browser, the page, the GPU process), none of another's."""
    parents, cpu = {}, {}
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            fields = pathlib.Path(f"/proc/{pid}/stat").read_text().rsplit(")", 1)[1].split()
        except OSError:
            continue  # a process that ended meanwhile
        parents.setdefault(int(fields[1]), []).append(int(pid))
        cpu[int(pid)] = int(fields[11]) + int(fields[12])  # utime, stime
    total, below = 0, list(parents.get(driver.service.process.pid, []))
    while below:
        pid = below.pop()
        total += cpu[pid]
        below.extend(parents.get(pid, []))
    return total / os.sysconf("SC_CLK_TCK")


def Round(url, profile, seconds):
    driver = Chromium(profile)
    try:
        driver.get(url + "index.html?replay=full-game.script")
        frames = lambda: (driver.execute_script("return ursaPage.status") or {}).get("frames", 0)
        deadline = time.monotonic() + 60
        while frames() < 200:
            if time.monotonic() > deadline:
                raise RuntimeError("the replay did not reach 200 frames of play in 60 s")
            time.sleep(0.1)
        f0, c0, t0 = frames(), ChromiumCpuSeconds(driver), time.monotonic()
        time.sleep(seconds)
        f1, c1, t1 = frames(), ChromiumCpuSeconds(driver), time.monotonic()
    finally:
        driver.quit()
    return (f1 - f0) / (t1 - t0), 1000 * (c1 - c0) / max(f1 - f0, 1)


def main():
    args = sys.argv[1:]
    time_attack = "--time-attack" in args
    args = [a for a in args if a != "--time-attack"]
    site = pathlib.Path(args[0]).resolve()
    seconds = float(args[1]) if len(args) > 1 else 20
    rounds = int(args[2]) if len(args) > 2 else 3
    with tempfile.TemporaryDirectory() as folder:
        copy = pathlib.Path(folder) / "www"
        shutil.copytree(site, copy)
        script = (ROOT / "tools" / "ursa-sim" / "full-game.script").read_text()
        # A script that opens with the TimeAttack key at frame 0 replays as a time attack.
        opening = "0 TimeAttack down\n0 TimeAttack up\n" if time_attack else ""
        (copy / "full-game.script").write_text(opening + script)
        server, url = Serve(copy)
        try:
            results = []
            for n in range(rounds):
                fps, cpu = Round(url, f"{folder}/profile-{n}", seconds)
                results.append((fps, cpu))
                print(f"round {n + 1}: {fps:.1f} frames/s, Chromium {cpu:.1f} ms CPU per frame")
        finally:
            server.terminate()
            server.wait()
    print(f"median: {statistics.median(r[0] for r in results):.1f} frames/s, Chromium "
          f"{statistics.median(r[1] for r in results):.1f} ms CPU per frame "
          f"(load average now {os.getloadavg()[0]:.2f})")


if __name__ == "__main__":
    main()
