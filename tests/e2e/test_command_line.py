"""The command-line forms: an unknown one shows "Error Parameter!" in the message dialog (OK only,
topmost, centred), then the splash and the bar; "shutdown" asks for the power-off at once, and
"00:01" after a minute's countdown, each with the settings saved first and the shutdown privilege
enabled. Under Wine the request ends only the prefix's session. A date and time is read as Windows
reads it: month names, "6pm", the time before the date."""
import re
import time

import pytest

from harness import fake_clock

DIALOG = (393, 323, 238, 122)
SPLASH = (312, 234, 400, 300)
BAR = (384, 0, 255, 43)


def answer_by_click_on_ok(morvane, dialog):
    morvane.display.click_on(morvane.probe.one(within=dialog, visible=True, text="OK"))


def answer_by_escape(morvane, dialog):
    # Give the dialog the keyboard: a click on its message (no reply there), and the X focus.
    message = morvane.probe.one(within=dialog, visible=True, text="Error Parameter!")
    morvane.display.click(message["rect"][0] + 20, message["rect"][1] + 8)
    xid = morvane.wait("the dialog's X window", lambda: next((i for i, r in morvane.display.windows().items() if r == DIALOG), None))
    assert morvane.probe.dialog("Error Parameter!"), "a click on the message closed the dialog"
    morvane.display.focus(xid)
    morvane.display.key("Escape")


@pytest.mark.parametrize("answer", [answer_by_click_on_ok, answer_by_escape], ids=["OK", "Escape"])
def test_an_unknown_form_shows_its_error_then_the_splash_and_the_bar(morvane, answer):
    run = morvane.launch("bogus")
    dialog = morvane.wait("a message dialog for an unknown command line", morvane.probe.dialog)
    assert (dialog["rect"], dialog["topmost"]) == (DIALOG, True)
    shown = morvane.probe.find(within=dialog, visible=True, cls="Morvane.Label")
    assert [w["text"] for w in shown] == ["Error Parameter!"]
    replies = morvane.probe.find(within=dialog, visible=True, where=lambda w: w["text"] in ("OK", "Yes", "No"))
    assert [w["text"] for w in replies] == ["OK"]
    # Nothing behind it yet: no splash, no bar.
    assert len(morvane.probe.find(top=True, cls="Morvane.Window", visible=True)) == 1
    answer(morvane, dialog)
    morvane.wait("the splash after the answer", lambda: SPLASH in morvane.display.geometries())
    morvane.wait("the bar alone after the splash", lambda: morvane.display.geometries() == [BAR])
    assert morvane.probe.dialog() is None
    assert run.running()


def countdown_line(probe):
    return probe.one(cls="Morvane.Label", visible=True, where=lambda w: w["text"] == "Shutdown computer as your wish."
                     or w["text"].startswith("Shutdown after ") and "/ at" not in w["text"])


SHUTDOWN_CALLS = [  # in this order, each once
    r"Call kernel32\.GetVersionExA\(",
    r"Call advapi32\.OpenProcessToken\([0-9a-f]+,00000028,",
    r'Call advapi32\.LookupPrivilegeValueA\(.*"SeShutdownPrivilege"',
    r"Call advapi32\.AdjustTokenPrivileges\([0-9a-f]+,00000000,[0-9a-f]+,0000001c,",
    r"Call user32\.ExitWindowsEx\(0000000d,80000000\)",
]


@pytest.mark.parametrize("args, countdown, settings", [
    # The bar is never loaded: the settings hold its design values.
    (["shutdown"], 0, b"21\r\n0\r\n1\r\n0\r\n 0 \r\n 8421504 \r\n"),
    # The after mode ("after" black, "at" grey) with the fields as the command line typed them.
    (["00:01"], 60, b"21\r\n0\r\n00\r\n01\r\n 0 \r\n 8421504 \r\n"),
], ids=["shutdown", "00:01"])
def test_the_power_off_request(morvane, args, countdown, settings):
    started = time.monotonic()
    run = morvane.launch(*args, relay=True)
    settings_file = morvane.prefix.settings_file()
    if countdown:
        morvane.wait("a visible countdown line", lambda: countdown_line(morvane.probe))
        assert [w["text"] for w in morvane.probe.find(cls="Morvane.xpcmdbutton", text="Stop")] == ["Stop"]
        assert morvane.probe.one(cls="Morvane.xpcmdbutton", text="Quit")["enabled"] is False
        assert morvane.probe.find(cls="Edit", visible=True) == []
        morvane.wait("the settings saved by Start", settings_file.is_file, 5)
        assert not any("ExitWindowsEx" in call for call in run.relay_calls()), "a power-off request at the start"
    run.wait_exit(countdown + 30)
    assert time.monotonic() - started >= countdown * 0.75, "the program ended before its minute was over"
    calls = run.relay_calls()
    assert len(calls) == len(SHUTDOWN_CALLS) and all(map(re.match, SHUTDOWN_CALLS, calls)), calls
    assert settings_file.read_bytes() == settings


# A date and time in the words Windows reads in the user's locale (en-US here); the program's clock
# is set to 10:00 today, so that "6pm" is later today.
@pytest.mark.parametrize("text, at", [
    ("Dec 24 2080 18:00", ("2080", "12", "24", "18", "0")),
    ("24 dec 2080", ("2080", "12", "24", "0", "0")),
    ("6pm", None),
    ("2080/12/24", ("2080", "12", "24", "0", "0")),
    ("18:05 12/24/2080", ("2080", "12", "24", "18", "5")),
])
def test_a_date_and_time_as_windows_reads_it_starts_the_countdown(morvane, text, at):
    now = time.time()
    today = time.gmtime(now)
    (clock := morvane.folder / "clock-offset").write_text(f"{10 * 3600 - int(now) % 86400:+d}")
    at = at or (str(today.tm_year), str(today.tm_mon), str(today.tm_mday), "18", "0")
    morvane.start(text, env=fake_clock(clock))
    morvane.wait("the countdown started", lambda: morvane.probe.one(cls="Morvane.xpcmdbutton", text="Stop"), 5)
    bar = morvane.probe.one(top=True, text="Morvane", visible=True)
    # The at mode's fields in the order the bar makes them: year, month, day, hour, minute.
    assert tuple(w["text"] for w in morvane.probe.find(within=bar, cls="Edit")[:5]) == at
    assert morvane.probe.dialog() is None
