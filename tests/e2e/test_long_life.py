"""Long life: rounds of a refused Start (the message dialog), a countdown folding and opening the bar
many times, a clock jump that brings up the alert and its Stop, and thousands of button repaints
leave the program with the same windows, the same GDI objects, about the same memory, and
painting as it did."""
import re
import time
from pathlib import Path

from harness import fake_clock, log

OPEN, FOLDED = (384, 0, 255, 43), (384, 0, 255, 1)
DIALOG, ALERT = (393, 323, 238, 122), (332, 264, 360, 240)
ZERO = "Hour number and minute number can't be 0 at the same time!"
# The at mode's 23:59 (today, whatever the date), the after mode's 0 hours and 0 minutes, the after
# mode selected ("after" black, "at" grey).
SETTINGS = b"23\r\n59\r\n0\r\n0\r\n 0 \r\n 8421504 \r\n"
ROUNDS, FOLDS = 3, 20  # measured, after one round of warming up


def test_rounds_of_dialogs_alerts_folds_and_repaints_leave_the_program_as_it_was(morvane):
    display, probe = morvane.display, morvane.probe
    morvane.prefix.settings_file().write_bytes(SETTINGS)
    clock = morvane.folder / "clock-offset"
    midnight = int(time.time()) // 86400 * 86400

    def set_clock(seconds_into_today):  # the program's clock, from now on
        clock.write_text(f"{midnight + seconds_into_today - int(time.time()):+d}")
    set_clock(12 * 3600)
    run = morvane.start(env=fake_clock(clock))
    bar = lambda: display.windows().get(run.window)  # noqa: E731

    def open_bar():
        display.move(500, 0)
        morvane.wait("the bar open with the pointer at the top edge", lambda: bar() == OPEN, 3)

    # The bar's controls keep their places; the captions of Start and Stop swap on the same button.
    controls = {w["text"]: w for w in probe.find(within=probe.bar())}

    def click_child(window, text):
        display.click_on(next(w for w in window["children"] if w["text"] == text and w["visible"]))

    def one_round():
        open_bar()
        display.click_on(controls["Start"])
        click_child(morvane.wait("the message for 0 hours and 0 minutes", lambda: probe.dialog(ZERO)), "OK")
        morvane.wait("the message closed by its OK", lambda: DIALOG not in display.geometries())
        open_bar()
        display.click_on(controls["at"])
        display.click_on(controls["Start"])
        morvane.wait("the countdown to 23:59", lambda: probe.one(cls="Morvane.xpcmdbutton", text="Stop"))
        for _ in range(FOLDS):
            display.move(500, 400)
            morvane.wait("the bar folded with the pointer away", lambda: bar() == FOLDED, 3)
            display.move(500, 0)
            morvane.wait("the bar open with the pointer at the top edge", lambda: bar() == OPEN, 3)
        set_clock(23 * 3600 + 58 * 60 + 46)  # 14 s before the moment
        click_child(morvane.wait("the alert after the clock's jump", probe.alert, 10), "Stop")
        morvane.wait("the alert closed by its Stop", lambda: ALERT not in display.geometries())
        set_clock(12 * 3600)
        time.sleep(1.5)  # a duration: libfaketime reads the clock's offset again once a second
        open_bar()
        display.click_on(controls["after"])
        morvane.wait("the after mode's fields", lambda: len(probe.find(cls="Edit", visible=True)) == 2)

    def reading():
        pid = probe.bar()["pid"]
        status = Path(f"/proc/{run.pid}/status").read_text()
        rss = int(re.search(r"^VmRSS:\s+(\d+) kB", status, re.M)[1])
        return {"windows": len(probe.find(where=lambda w: w["pid"] == pid)), "GDI objects": probe.gdi_objects(pid), "kB": rss}

    def measure():
        # The program in the same state at each measure: the bar open with the pointer parked on the
        # same spot (About, whose hover changes nothing it holds). A paint in progress holds its back
        # buffer's bitmap, DC and font for a moment, and on a busy machine the program may still be
        # working through the moves sent before: the counts are read once two readings half a second
        # apart agree. A leak agrees with itself too.
        open_bar()
        counts = lambda r: (r["windows"], r["GDI objects"])  # noqa: E731
        last = reading()
        def settled():
            nonlocal last
            time.sleep(0.5)  # a duration: the gap between two readings
            now, previous = reading(), last
            last = now
            return now if counts(now) == counts(previous) else None
        return morvane.wait("two readings of windows and GDI objects that agree", settled)

    one_round()  # what the first dialog, alert and paints allocate once is not growth
    before = measure()
    for _ in range(ROUNDS):
        one_round()
    # Repaints: the bar open, the pointer sweeps over the buttons in one long gesture, each move
    # repainting the button under it.
    open_bar()
    display.xdo(*(arg for i in range(1, 1501) for arg in ("mousemove", 386 + i * 7 % 250, 2 + i % 14)))
    after = measure()
    log(f"before {before}, after {after}")
    assert {k: after[k] for k in ("windows", "GDI objects")} == {k: before[k] for k in ("windows", "GDI objects")}
    assert after["kB"] - before["kB"] < 4096, "resident memory grew"
    # Still painting: hovered, Help shows the deep orange (F4AA24) of its hot ring along its bottom edge.
    display.move(460, 9)
    morvane.wait("Help's hot ring", lambda: re.fullmatch("F.A.2.", display.pixels()(455, 16)), 3)
    assert run.running()
