"""What a screen reader sees, asked through oleacc from another process (accprobe.exe): the bar's
push buttons, named fields, the action word as a button with a menu and the "after"/"at" radio
buttons with the mode checked; their default
actions (checking "at", pressing Start and Stop); the name and state changes announced meanwhile;
and the alert's number announced as it falls, with its Stop pressed through the reader (that a
stopped countdown asks for no power-off when its moment passes is test_alert.py's)."""
import json
import time

from harness import ProbeError, built, end, fake_clock, spawn

PUSH_BUTTON, RADIO_BUTTON, TEXT, STATIC_TEXT, BUTTON_MENU = 43, 45, 42, 41, 57
UNAVAILABLE, CHECKED, INVISIBLE = 0x1, 0x10, 0x8000


def accprobe(morvane, *args, background=False):
    """Runs accprobe.exe in the program's prefix and display: its JSON, or with background=True a
    function that waits for it and gives its JSON."""
    n = len(list(morvane.folder.glob("accprobe*.out")))
    out, err = morvane.folder / f"accprobe{n}.out", morvane.folder / "accprobe.err"
    with open(out, "wb") as o, open(err, "ab") as e:
        proc = spawn(["wine", built("MORVANE_ACCPROBE", "tests/e2e/accprobe.exe"), *args], morvane.env, o, e)

    def result():
        try:
            proc.wait(60)
        finally:
            end(proc)
        try:
            return json.loads(out.read_bytes())
        except ValueError:
            raise ProbeError(f"accprobe.exe {' '.join(args)}: status {proc.returncode}, {err.read_bytes()[-300:]!r}") from None
    return result if background else result()


def controls(morvane, title="Morvane"):
    """Every control of the visible window titled title, as the reader sees it, by name."""
    windows = accprobe(morvane, "tree", title)["windows"]
    assert len(windows) == 1, f"{len(windows)} visible windows titled {title!r}"
    return {c["name"]: c for c in windows[0]}


def test_the_bar_through_a_screen_reader(morvane):
    # The at mode's first schedule is 21:00 today: the program's clock is set to 10:00, so Start
    # finds it ahead at any hour the test runs.
    (clock := morvane.folder / "clock-offset").write_text(f"{10 * 3600 - int(time.time()) % 86400:+d}")
    morvane.start(env=fake_clock(clock))
    seen = controls(morvane)
    expected = {  # name: role, whether it shows now (the after mode)
        "Start": (PUSH_BUTTON, True), "Help": (PUSH_BUTTON, True), "About": (PUSH_BUTTON, True),
        "Quillon": (PUSH_BUTTON, True), "Quit": (PUSH_BUTTON, True),
        "hours": (TEXT, True), "minutes": (TEXT, True), "hour": (TEXT, False), "minute": (TEXT, False),
        "year": (TEXT, False), "month": (TEXT, False), "day": (TEXT, False),
        "after": (RADIO_BUTTON, True), "at": (RADIO_BUTTON, True), "Action: Shutdown": (BUTTON_MENU, True),
        "Shutdown after / at  ___ : ___  ( HH:mm )": (STATIC_TEXT, True),
    }
    assert {name: (seen[name]["role"], not seen[name]["state"] & INVISIBLE) for name in expected if name in seen} == expected
    assert (seen["hours"]["value"], seen["minutes"]["value"]) == ("1", "0")
    assert [seen[n]["action"] for n in ("Start", "after", "at", "Action: Shutdown")] == ["Press", "Check", "Check", "Open"]
    assert (seen["after"]["state"] & CHECKED, seen["at"]["state"] & CHECKED) == (CHECKED, 0)

    # Checking "at" is choosing the at mode.
    assert accprobe(morvane, "press", seen["at"]["hwnd"])["result"] == "0x00000000"
    morvane.wait("the at mode's five fields", lambda: len(morvane.probe.find(cls="Edit", visible=True)) == 5, 5)
    seen = controls(morvane)
    assert (seen["after"]["state"] & CHECKED, seen["at"]["state"] & CHECKED) == (0, CHECKED)

    # Pressing Start starts the countdown; the reader hears the caption become Stop and Quit go unavailable.
    events = accprobe(morvane, "events", "6", background=True)
    time.sleep(1.5)  # a duration: the listener's hook is in place before the press
    accprobe(morvane, "press", seen["Start"]["hwnd"])
    morvane.wait("Stop in Start's place", lambda: morvane.probe.one(cls="Morvane.xpcmdbutton", text="Stop"), 5)
    heard = events()["events"]
    assert {"event": "name", "hwnd": seen["Start"]["hwnd"], "child": 0, "text": "Stop"} in heard, heard
    assert {"event": "state", "hwnd": seen["Quit"]["hwnd"], "child": 0, "text": "Quit"} in heard, heard
    # A counting bar folds away from the pointer, and a folded bar's buttons take no press; the
    # pointer at the top edge over it opens it and keeps it open.
    morvane.display.move(500, 0)
    morvane.wait("the bar open", lambda: morvane.probe.one(cls="Morvane.xpcmdbutton", text="Stop", visible=True), 5)
    seen = controls(morvane)
    assert seen["Quit"]["state"] & UNAVAILABLE and not seen["Stop"]["state"] & UNAVAILABLE
    assert "Start" not in seen

    # Pressing a button that is unavailable does nothing; pressing Stop stops.
    assert accprobe(morvane, "press", seen["Quit"]["hwnd"])["result"] != "0x00000000"
    accprobe(morvane, "press", seen["Stop"]["hwnd"])
    morvane.wait("Start back after Stop", lambda: morvane.probe.one(cls="Morvane.xpcmdbutton", text="Start"), 5)
    assert morvane.probe.one(cls="Morvane.xpcmdbutton", text="Quit")["enabled"]


def test_the_alert_through_a_screen_reader(morvane):
    # The program's clock is offset so that the next whole minute, the moment, is 17 s away.
    now = int(time.time())
    offset = 43 - now % 60
    (clock := morvane.folder / "clock-offset").write_text(f"{offset:+d}")
    moment = now + offset + 17
    day, minute = time.strftime("%Y-%m-%d", time.gmtime(moment)), time.strftime("%H:%M", time.gmtime(moment))
    run = morvane.start(day, minute, relay=True, env=fake_clock(clock))
    morvane.wait("the alert", lambda: morvane.display.search("Morvane Countdown"), 30)

    heard = accprobe(morvane, "events", "2.5")["events"]
    numbers = [int(e["text"]) for e in heard if e["event"] == "name" and e["text"].isdigit()]
    assert len(numbers) >= 2 and numbers == sorted(numbers, reverse=True) and numbers[-1] < numbers[0], heard

    alert = controls(morvane, "Morvane Countdown")
    assert {name: c["role"] for name, c in alert.items() if not name.isdigit()} == {"Run Now": PUSH_BUTTON, "Stop": PUSH_BUTTON}
    accprobe(morvane, "press", alert["Stop"]["hwnd"])
    morvane.wait("the alert closed by its Stop", lambda: not morvane.display.search("Morvane Countdown"), 5)
    morvane.wait("the bar's Start back", lambda: morvane.probe.one(cls="Morvane.xpcmdbutton", text="Start"), 5)
    assert run.running() and not any("ExitWindowsEx" in call for call in run.relay_calls())
