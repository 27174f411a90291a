"""The actions besides shut down, as Wine carries them out: "restart 00:01" counts down under its own
name and asks ExitWindowsEx for a reboot at the moment; the action menu is a popup menu picked with the
pointer; "hibernate" reaches SetSuspendState and the program goes on; "sleep" is refused before anything
is asked, since Wine says the machine cannot sleep."""
import re
import time

from harness import fake_clock

BAR = (384, 0, 255, 43)
SUSPEND_CALLS = ("IsPwrSuspendAllowed", "IsPwrHibernateAllowed", "SetSuspendState", "ExitWindowsEx")


def test_restart_counts_down_under_its_name_and_reboots_at_the_moment(morvane):
    (clock := morvane.folder / "clock-offset").write_text("+0")
    run = morvane.launch("restart", "00:01", relay=True, env=fake_clock(clock))
    line = morvane.wait("the countdown line", lambda: morvane.probe.one(
        cls="Morvane.Label", visible=True, where=lambda w: w["text"].startswith("Restart after ")), 15)
    assert re.fullmatch(r"Restart after \d+ seconds\.", line["text"]), line["text"]
    assert not any("ExitWindowsEx" in call for call in run.relay_calls()), "a request before the moment"
    clock.write_text("+40")  # the last 20 seconds, without the minute's wait
    morvane.wait("the alert", morvane.probe.alert, 15)
    run.wait_exit(40)
    calls = run.relay_calls()
    assert calls and re.match(r"Call user32\.ExitWindowsEx\(00000006,80000000\)", calls[-1]), calls
    assert morvane.prefix.settings_file().read_bytes().endswith(b" 8421504 \r\nrestart\r\n")


def test_the_action_menu_picked_with_the_pointer(morvane):
    run = morvane.start()
    morvane.wait("the bar", lambda: morvane.display.geometries() == [BAR])
    word = morvane.wait("the action word", lambda: morvane.probe.one(cls="Morvane.Label", visible=True, text="Shutdown"))
    morvane.display.click(word["rect"][0] + word["rect"][2] - 10, word["rect"][1] + word["rect"][3] // 2)
    menu = morvane.wait("the popup menu", lambda: morvane.probe.one(top=True, cls="#32768", visible=True), 10)
    x, y, w, h = menu["rect"]
    item = (h - 6) / 6  # six items between the menu's 3-pixel borders
    morvane.display.click(x + w // 2, int(y + 3 + item * 3.5))  # the fourth: Hibernate
    morvane.wait("Hibernate on the bar", lambda: morvane.probe.one(cls="Morvane.Label", visible=True, text="Hibernate"), 10)
    assert morvane.probe.find(top=True, cls="#32768", visible=True) == []
    # The context-menu key opens the same menu from the keyboard, and Escape leaves the action as it was.
    morvane.display.move(word["rect"][0] + 20, word["rect"][1] + 5)  # the keyboard goes to the window under the pointer
    morvane.display.focus(morvane.display.search("Morvane"))
    morvane.display.key("Menu")
    morvane.wait("the menu from the keyboard", lambda: morvane.probe.one(top=True, cls="#32768", visible=True), 10)
    morvane.display.key("Escape")
    morvane.wait("the menu closed", lambda: not morvane.probe.find(top=True, cls="#32768", visible=True), 10)
    # So does Shift+F10, which xdotool, like many typists, lets go of Shift before F10.
    morvane.display.key("shift+F10")
    morvane.wait("the menu from Shift+F10", lambda: morvane.probe.one(top=True, cls="#32768", visible=True), 10)
    morvane.display.key("Escape")
    morvane.wait("the menu closed", lambda: not morvane.probe.find(top=True, cls="#32768", visible=True), 10)
    assert morvane.probe.one(cls="Morvane.Label", visible=True, text="Hibernate")
    assert run.running()


def test_hibernate_reaches_set_suspend_state_and_the_program_goes_on(morvane):
    run = morvane.launch("hibernate", relay=True)
    morvane.wait("the bar after the splash", lambda: morvane.display.geometries() == [BAR])
    calls = run.relay_calls(SUSPEND_CALLS)
    assert [c.split("(")[0] for c in calls] == ["Call powrprof.IsPwrHibernateAllowed", "Call powrprof.SetSuspendState"]
    assert re.match(r"Call powrprof\.SetSuspendState\(0+1,0+,0+\)", calls[1]), calls
    assert run.running()
    assert morvane.probe.dialog() is None


def test_sleep_is_refused_up_front_as_wines_power_capabilities_say(morvane):
    run = morvane.launch("sleep", relay=True)
    dialog = morvane.wait("the refusal", lambda: morvane.probe.dialog(
        "This computer cannot sleep: the system does not offer it. Choose another action."))
    calls = run.relay_calls(SUSPEND_CALLS)
    assert [c.split("(")[0] for c in calls] == ["Call powrprof.IsPwrSuspendAllowed"], calls
    morvane.display.click_on(morvane.probe.one(within=dialog, visible=True, text="OK"))
    morvane.wait("the bar after the splash", lambda: morvane.display.geometries() == [BAR])
    assert run.running()
    assert "SetSuspendState" not in " ".join(run.relay_calls(SUSPEND_CALLS))
