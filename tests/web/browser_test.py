#!/usr/bin/python3
"""The browser page in Debian's Chromium, headless with WebGL 2 on the CPU (SwiftShader),
driven through chromium-driver and served from 127.0.0.1 only:
  - the whole-game script replayed in the page ends with ursa-sim's end line;
  - the title and a stage-1 picture from the canvas match the desktop game's pictures;
  - keys sent to the canvas start a game, move the bear and pause it;
  - F11 shows the game full screen and back; F12 offers the title's picture as a download;
  - settings written in the page are kept in the browser's storage and read after a reload;
  - a game pad (a stand-in the browser's gamepad API reports) starts a time attack with Y and
    runs the bear with its stick;
  - the player's files are kept the moment the game writes them, tabs side by side keep each
    other's, and a copy that fails is said;
  - keys held when the canvas loses the focus are let go and play pauses; the player's Esc
    never ends the page's game, a replay's still does as in ursa-sim;
  - what goes wrong at the start is said plainly, on the page;
  - the files an older page kept with Emscripten's IDBFS are taken in, once, over none of the
    page's own.
Usage: browser_test.py SITE URSA_SIM SCREENSHOTS [TEST...]   (the built page, ursa-sim,
docs/screenshots; unittest names pick tests)
"""
import contextlib
import io
import pathlib
import shutil
import subprocess
import sys
import tempfile
import time
import unittest
import urllib.request

from PIL import Image, ImageChops
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

from headless_chromium import Chromium, Serve

SITE, SIM, SHOTS = (pathlib.Path(a).resolve() for a in sys.argv[1:4])
SCRIPT = pathlib.Path(__file__).resolve().parents[2] / "tools" / "ursa-sim" / "full-game.script"
SETTINGS = "/home/web_user/.config/ursa/ursa.ini"
PLAYING = 1
VIEW = (120, 115, 520, 415)  # the 3D view in the 640 x 480 picture: left, top, right, bottom
# A pad in the browser's standard layout, reported by navigator.getGamepads() from before the
# page's own scripts run; padButton(n, down) and padStick(x) move it as a player would.
FAKE_PAD = """
const pad = {id: "Stand-in pad (STANDARD GAMEPAD)", index: 0, connected: true,
             mapping: "standard", timestamp: 1, axes: [0, 0, 0, 0],
             buttons: Array.from({length: 17}, () => ({pressed: false, touched: false, value: 0}))};
navigator.getGamepads = () => [pad, null, null, null];
window.padButton = (n, down) => {
  pad.buttons[n] = {pressed: down, touched: down, value: down ? 1 : 0};
  pad.timestamp++;
};
window.padStick = (x) => { pad.axes[0] = x; pad.timestamp++; };
"""
PAD_Y = 3
PAD_BACK = 8
BESTS = "/home/web_user/.local/share/ursa/bests.ini"
# Stage 1 of a time attack as full-game.script plays it: T on the title, then each [frame, key
# code, key, down] sent to the canvas as soon as the game has run the frame before it.
KEY_PLAYER = """
const [done] = arguments, keys = [[0, 39, "ArrowRight", 1], [12, 32, " ", 1], [64, 32, " ", 0],
                                  [68, 32, " ", 1], [116, 32, " ", 0], [120, 32, " ", 1]];
const send = ([, keyCode, key, down]) => Module.canvas.dispatchEvent(new KeyboardEvent(
  down ? "keydown" : "keyup", {key, keyCode, code: {" ": "Space", t: "KeyT"}[key] || key}));
send([0, 84, "t", 1]);
send([0, 84, "t", 0]);
const tick = () => {
  while (keys.length && ursaPage.status.screen === 1 && ursaPage.status.frames + 1 >= keys[0][0])
    send(keys.shift());
  keys.length ? setTimeout(tick, 1) : done();
};
tick();
"""
# Files as an older page kept them with IDBFS (Emscripten's library_idbfs.js): a database per
# folder at version 21, a record {timestamp, mode, contents} per file or folder in FILE_DATA.
IDBFS_FILES = """
const [files, done] = arguments, home = "/home/web_user", open = [];
for (const [folder, path, mode, text] of files) open.push(new Promise((kept) => {
  const request = indexedDB.open(home + folder, 21);
  request.onupgradeneeded = () =>
    request.result.createObjectStore("FILE_DATA").createIndex("timestamp", "timestamp");
  request.onsuccess = () => {
    const t = request.result.transaction("FILE_DATA", "readwrite");
    const record = {timestamp: new Date(), mode};
    if (text !== null) record.contents = new TextEncoder().encode(text);
    t.objectStore("FILE_DATA").put(record, home + path);
    t.oncomplete = () => kept(request.result.close());
  };
}));
Promise.all(open).then(done);
"""

class BrowserPage(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        # The site with the replayed script beside it, as a player would put one online.
        cls.folder = tempfile.TemporaryDirectory()
        site = pathlib.Path(cls.folder.name) / "www"
        shutil.copytree(SITE, site)
        shutil.copy(SCRIPT, site / "full-game.script")
        cls.server, cls.url = Serve(site)
        cls.downloads = pathlib.Path(cls.folder.name) / "downloads"
        cls.downloads.mkdir()
        cls.driver = Chromium(f"{cls.folder.name}/profile", cls.downloads)

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()
        cls.server.terminate()
        cls.server.wait()
        cls.folder.cleanup()

    def Open(self, query=""):
        self.driver.get(self.url + "index.html" + query)
        self.WaitFor(lambda: self.Status() is not None, 60, "the game never started")

    def Status(self):
        return self.driver.execute_script("return ursaPage.status")

    def Line(self):
        return self.driver.find_element("id", "line").text

    def WaitFor(self, ready, seconds, what):
        try:
            WebDriverWait(self.driver, seconds, poll_frequency=0.1).until(lambda _: ready())
        except Exception:
            self.fail(f"{what} (the page says: {self.Line()!r})")

    def WaitForPlay(self, what):
        self.WaitFor(lambda: self.Status()["screen"] == PLAYING and self.Status()["frames"] > 5,
                     10, what)

    def Canvas(self):
        shot = self.driver.find_element("id", "canvas").screenshot_as_png
        return Image.open(io.BytesIO(shot)).convert("RGB")

    def AssertLooksLike(self, picture, name, view_share):
        """Every pixel outside the 3D view as in the desktop's picture; in the view, at most
        `view_share` of the pixels differ."""
        desktop = Image.open(SHOTS / name).convert("RGB")
        self.assertEqual(picture.size, desktop.size)
        difference = ImageChops.difference(picture, desktop).load()
        outside = inside = worst = 0
        for y in range(picture.height):
            for x in range(picture.width):
                d = difference[x, y]
                if d == (0, 0, 0):
                    continue
                worst = max(worst, *d)
                in_view = VIEW[0] <= x < VIEW[2] and VIEW[1] <= y < VIEW[3]
                inside += in_view
                outside += not in_view
        view_pixels = (VIEW[2] - VIEW[0]) * (VIEW[3] - VIEW[1])
        print(f"\n{name}: {outside} pixels differ outside the 3D view, {inside} of its "
              f"{view_pixels} inside, by at most {worst} levels", file=sys.stderr)
        self.assertEqual(outside, 0, name)
        self.assertLessEqual(inside, view_share * view_pixels, name)

    def Keys(self):
        return ActionChains(self.driver)

    @contextlib.contextmanager
    def Injected(self, source):
        """`source` runs before the page's own scripts in every page opened meanwhile."""
        script = self.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                                             {"source": source})
        try:
            yield
        finally:
            self.driver.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument",
                                        {"identifier": script["identifier"]})

    def ForgetStorage(self):
        self.driver.get("about:blank")
        self.driver.execute_cdp_cmd("Storage.clearDataForOrigin",
                                    {"origin": self.url.rstrip("/"), "storageTypes": "all"})

    def File(self, path):
        """The text of a file in the game's file system, or None."""
        return self.driver.execute_script(
            "return FS.analyzePath(arguments[0]).exists ? "
            "new TextDecoder().decode(FS.readFile(arguments[0])) : null", path)

    def ClearStage1(self):
        self.driver.execute_async_script(KEY_PLAYER)
        self.WaitFor(lambda: self.Status()["stage"] == 2, 20, "stage 1 was not cleared")

    def Problems(self):
        return [p.text for p in self.driver.find_elements("css selector", "#problems > .error")]

    def Reloaded(self, action):
        action()
        time.sleep(1)
        self.WaitFor(lambda: self.Status() is not None, 60, "the game did not start again")

    def SaveSettings(self, text):
        self.driver.find_element("tag name", "summary").click()
        self.driver.execute_script("document.getElementById('settings').value = arguments[0]",
                                   text)
        self.Reloaded(self.driver.find_element("id", "save-settings").click)

    def test_the_whole_game_replayed_ends_with_ursa_sims_end_line(self):
        expected = subprocess.run([str(SIM), "play", str(SCRIPT)], capture_output=True, text=True,
                                  check=True).stdout.strip()
        self.Open("?replay=full-game.script")
        started = time.monotonic()
        self.WaitFor(lambda: self.driver.title.startswith("end "), 600, "the replay never ended")
        frames = int(expected.split("frames=")[1].split()[0])
        print(f"\nthe whole game: {frames} frames of play in {time.monotonic() - started:.1f} s "
              f"from the page's start", file=sys.stderr)
        self.assertEqual(self.driver.title, expected)
        self.assertEqual(self.Line(), expected)

    def test_pictures_match_the_desktop_games(self):
        self.Open()
        print(f"\nthe title shown {self.driver.execute_script('return ursaPage.firstPictureMs'):.0f}"
              " ms after the page was asked for", file=sys.stderr)
        time.sleep(0.5)
        # The title is a picture and text drawn by the game's own 2D code: exact.
        self.AssertLooksLike(self.Canvas(), "title.png", 0)
        self.Open("?replay=full-game.script&hold=60")
        self.WaitFor(lambda: self.Line().startswith("held"), 60, "the replay never held")
        time.sleep(0.3)
        # The HUD is exact; the 3D view is drawn by another rasteriser (SwiftShader, not
        # llvmpipe), which puts some polygon edges a pixel apart: about 1.2 % of its pixels.
        self.AssertLooksLike(self.Canvas(), "stage1.png", 0.02)

    def test_keys_start_a_game_move_the_bear_and_pause_it(self):
        self.Open()
        self.driver.find_element("id", "canvas").click()
        self.Keys().send_keys(Keys.ENTER).perform()
        self.WaitForPlay("Enter started no game")
        start = self.Status()["x"]
        self.Keys().key_down(Keys.ARROW_RIGHT).pause(0.6).key_up(Keys.ARROW_RIGHT).perform()
        self.assertGreater(self.Status()["x"], start, "the bear did not run right")
        self.Keys().send_keys("p").perform()
        self.WaitFor(lambda: self.Status()["paused"], 5, "P did not pause")
        frames = self.Status()["frames"]
        time.sleep(0.5)
        self.assertEqual(self.Status()["frames"], frames, "play went on while paused")
        self.Keys().send_keys("p").perform()
        self.WaitFor(lambda: self.Status()["frames"] > frames, 5, "P did not end the pause")
        # The run so far, as the page's download link offers it: a key script of those keys.
        run = self.driver.execute_script("return UTF8ToString(Module._UrsaRunSoFar())")
        self.assertRegex(run, r"\n0 Enter down\n(.*\n)*\d+ Right down\n(.*\n)*\d+ Right up\n")

    def test_f12_offers_the_picture_as_a_download(self):
        self.Open()
        self.driver.find_element("id", "canvas").click()
        self.Keys().send_keys(Keys.F12).perform()
        self.WaitFor(lambda: list(self.downloads.glob("ursa-*.png")), 10, "F12 offered no picture")
        time.sleep(0.5)  # the download's last bytes
        picture = Image.open(next(self.downloads.glob("ursa-*.png"))).convert("RGB")
        self.AssertLooksLike(picture, "title.png", 0)

    def test_f11_shows_the_game_full_screen(self):
        self.Open()
        self.driver.find_element("id", "canvas").click()
        self.Keys().send_keys(Keys.F11).perform()
        self.WaitFor(lambda: self.driver.execute_script(
            "return document.fullscreenElement === Module.canvas"), 5, "F11 went not full screen")
        self.Keys().send_keys(Keys.F11).perform()
        self.WaitFor(lambda: self.driver.execute_script("return !document.fullscreenElement"), 5,
                     "F11 again left full screen on")

    def test_a_game_pad_starts_a_time_attack_and_runs_the_bear(self):
        script = self.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                                             {"source": FAKE_PAD})
        try:
            self.Open()
            self.driver.execute_script("padButton(arguments[0], true)", PAD_Y)
            self.WaitForPlay("the pad's Y started no game")
            self.driver.execute_script("padButton(arguments[0], false)", PAD_Y)
            start = self.Status()["x"]
            self.driver.execute_script("padStick(1)")
            time.sleep(0.6)
            self.driver.execute_script("padStick(0)")
            self.assertGreater(self.Status()["x"], start, "the pad's stick did not run the bear")
            run = self.driver.execute_script("return UTF8ToString(Module._UrsaRunSoFar())")
            self.assertRegex(run, r"\n0 TimeAttack down\n(.*\n)*\d+ Right down\n")
        finally:
            self.driver.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument",
                                        {"identifier": script["identifier"]})

    def test_settings_written_in_the_page_survive_a_reload(self):
        # The player writes in the page's settings box that D runs right; the page keeps the
        # file in the browser's storage and restarts, and the game reads it.
        self.Open()
        self.driver.find_element("tag name", "summary").click()
        self.driver.find_element("id", "settings").send_keys("[keys]\nright = Right, D\n")
        self.driver.find_element("id", "save-settings").click()
        time.sleep(1)
        self.WaitFor(lambda: self.driver.execute_script("return ursaPage.status !== null"), 60,
                     "the game did not start again")
        self.assertIn("right = Right, D", self.driver.find_element("id", "settings")
                      .get_attribute("value"))
        self.Open()
        self.driver.find_element("id", "canvas").click()
        self.Keys().send_keys(Keys.ENTER).perform()
        self.WaitForPlay("Enter started no game")
        start = self.Status()["x"]
        self.Keys().key_down("d").pause(0.6).key_up("d").perform()
        self.assertGreater(self.Status()["x"], start, "D, bound in the stored settings, did not run")

    def test_a_new_best_and_a_damaged_file_set_aside_are_kept_at_once(self):
        self.ForgetStorage()
        self.Open()
        self.ClearStage1()
        self.Reloaded(self.driver.refresh)  # F5 the moment the best is written
        self.assertRegex(self.File(BESTS) or "", r"\nstage 1 = \d+\n")
        # A damaged bests file, set aside as the game starts, is kept so at once too.
        self.driver.execute_async_script("FS.writeFile(arguments[0], 'run = fast\\n'); "
                                         "storage.fileWritten(arguments[0]); "
                                         "storage.saving.then(arguments[1])", BESTS)
        self.Reloaded(self.driver.refresh)
        self.assertRegex(self.Problems()[0], "^The time attack's bests: line 1: .* set aside as "
                         "bests.ini.damaged and the bests begin again$")
        self.Reloaded(self.driver.refresh)
        self.assertEqual((self.File(BESTS), self.File(BESTS + ".damaged")), (None, "run = fast\n"))

    def test_two_tabs_never_erase_each_others_files(self):
        self.ForgetStorage()
        self.Open()
        first = self.driver.current_window_handle
        self.driver.switch_to.new_window("window")
        self.Open()
        self.SaveSettings("[keys]\nright = Right, D\n")
        self.driver.close()
        self.driver.switch_to.window(first)
        self.WaitFor(lambda: "right = Right, D" in (self.File(SETTINGS) or ""), 10,
                     "the other tab's settings did not reach this one")
        self.ClearStage1()  # this tab writes its bests: the other's settings stay
        self.driver.switch_to.new_window("window")
        self.Open()
        self.assertRegex(self.File(BESTS) or "", r"\nstage 1 = \d+\n")
        self.assertIn("right = Right, D", self.File(SETTINGS) or "")
        self.driver.close()
        self.driver.switch_to.window(first)

    def test_keys_held_as_the_canvas_loses_the_focus_are_let_go_and_play_pauses(self):
        self.Open()
        canvas = self.driver.find_element("id", "canvas")
        canvas.click()
        self.Keys().send_keys(Keys.ENTER).perform()
        self.WaitForPlay("Enter started no game")
        self.Keys().key_down(Keys.ARROW_RIGHT).pause(0.3).perform()
        self.driver.find_element("tag name", "summary").click()
        self.Keys().key_up(Keys.ARROW_RIGHT).perform()  # to the settings, not the game
        self.WaitFor(lambda: self.Status()["paused"], 5, "losing the focus did not pause")
        away = self.driver.find_element("id", "keys-away")
        self.assertTrue(away.is_displayed(), "the page does not say where the keys went")
        canvas.click()
        self.assertFalse(away.is_displayed(), "the page says the keys go elsewhere")
        self.Keys().send_keys("p").perform()
        self.WaitFor(lambda: not self.Status()["paused"], 5, "P did not end the pause")
        time.sleep(0.3)
        x = self.Status()["x"]
        time.sleep(0.5)
        self.assertEqual(self.Status()["x"], x, "Right stuck: the bear runs on")

    def test_the_players_esc_never_ends_the_pages_game_a_replays_does(self):
        with self.Injected(FAKE_PAD):
            self.Open()
            self.driver.find_element("id", "canvas").click()
            self.Keys().send_keys(Keys.ESCAPE).perform()
            self.driver.execute_script("padButton(arguments[0], true)", PAD_BACK)
            self.Keys().send_keys(Keys.ENTER).perform()
            self.WaitForPlay("Esc or Back on the title ended the game")
        # A replay's Esc on the title ends its game as ursa-sim's: its end line stays.
        script = pathlib.Path(self.folder.name) / "www" / "esc.script"
        script.write_text("0 Enter down\n30 Esc down\n31 Esc down\n")
        expected = subprocess.run([str(SIM), "play", str(script)], capture_output=True,
                                  text=True, check=True).stdout.strip()
        self.Open("?replay=esc.script")
        self.WaitFor(lambda: self.driver.title.startswith("end "), 30, "the replay never ended")
        self.assertEqual((self.driver.title, self.Line()), (expected, expected))

    def test_what_goes_wrong_at_the_start_is_said_plainly(self):
        page = lambda: self.driver.find_element("tag name", "body").text
        with self.Injected("HTMLCanvasElement.prototype.getContext = () => null;"):
            self.driver.get(self.url + "index.html")
            self.WaitFor(lambda: "no WebGL 2" in page(), 30, "no WebGL 2 was not said")
            time.sleep(1)  # what else might come
            self.assertNotIn("dlopen", page())
        with self.Injected("Object.defineProperty(window, 'indexedDB', {value: undefined});"):
            self.Open()
            self.assertIn("the game plays, but its settings and the time attack's bests will "
                          "not be kept", page())
        self.ForgetStorage()
        with self.Injected("IDBObjectStore.prototype.put = () => { throw new DOMException("
                           "'The quota has been exceeded.', 'QuotaExceededError'); };"):
            self.Open()
            self.ClearStage1()
            self.WaitFor(lambda: self.Problems(), 10, "the failed copy was not said")
            self.assertIn("The time attack's bests could not be kept", self.Problems()[0])

    def test_the_files_an_older_page_kept_are_taken_in_once(self):
        self.ForgetStorage()
        # Unreadable, they are said, and the game plays with the page's own files.
        with self.Injected("IDBFactory.prototype.open = ((open) => function (name) {"
                           " if (name[0] === '/') throw new Error('no');"
                           " return open.apply(this, arguments); })(IDBFactory.prototype.open);"):
            self.Open()
            self.assertRegex(self.Problems()[0], r"^The settings and bests an older .* \(no\)")
            self.SaveSettings("[keys]\nleft = Left, A\n")
        self.driver.get(self.url + "font-licence.txt")  # the site, without the page's start
        self.driver.execute_async_script(IDBFS_FILES, [
            ["/.config", "/.config/ursa", 0o40777, None],
            ["/.config", "/.config/ursa/ursa.ini", 0o100666, "[keys]\nright = Right, D\n"],
            ["/.local/share", "/.local/share/ursa/bests.ini", 0o100666, "stage 1 = 9\n"]])
        self.Open()
        self.assertEqual((self.File(SETTINGS), self.File(BESTS), self.Problems()),
                         ("[keys]\nleft = Left, A\n", "stage 1 = 9\n", []))
        # Taken once: the bests the game removes stay removed.
        self.driver.execute_async_script("FS.unlink(arguments[0]); storage.fileWritten("
                                         "arguments[0]); storage.saving.then(arguments[1])", BESTS)
        self.Reloaded(self.driver.refresh)
        self.assertIsNone(self.File(BESTS))

    def test_the_pages_smaller_promises(self):
        # Every settings message, in the error colour, naming the settings and not their path;
        # a NUL kept in the box.
        self.ForgetStorage()
        self.Open()
        self.SaveSettings("[play]\nghost = maybe\n[keys]\nright = Right, Hyper\n# \0 kept\n")
        self.assertEqual(self.Problems(), [
            "The settings, line 2: ghost: expected yes or no, found 'maybe'; skipped",
            "The settings, line 4: right: no key is called 'Hyper'; skipped"])
        self.assertTrue(self.driver.find_element("id", "settings").get_attribute("value")
                        .endswith("\0 kept\n"), "the box stops at the NUL")
        self.driver.find_element("tag name", "summary").click()
        self.Reloaded(self.driver.find_element("id", "reset-settings").click)
        self.assertEqual(self.driver.find_element("id", "settings").get_attribute("value"),
                         self.driver.find_element("id", "defaults").get_attribute("textContent"))
        # hold= without a replay is no hold; one that is no number is refused.
        self.Open("?hold=5")
        self.driver.find_element("id", "canvas").click()
        self.Keys().send_keys(Keys.ENTER).perform()
        self.WaitForPlay("hold= without a replay held the game")
        self.driver.get(self.url + "index.html?replay=full-game.script&hold=abc")
        self.WaitFor(lambda: 'not "abc"' in "".join(self.Problems()), 30, "hold=abc was taken")
        # A replay that cannot be loaded offers the game without it.
        self.driver.get(self.url + "index.html?replay=missing.script")
        self.WaitFor(lambda: self.Problems(), 30, "the missing replay was not said")
        self.driver.find_element("link text", "Play without the replay").click()
        self.WaitFor(lambda: self.Status() is not None, 60, "the game did not start")
        # The site has its icon, and names no folder of the build machine's.
        self.assertEqual(urllib.request.urlopen(self.url + "favicon.png").status, 200)
        self.assertNotIn(str(SITE), (SITE / "ursa.js").read_text())

if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1] + sys.argv[4:], verbosity=2)
