"""One instance at a time: a later start shows "Morvane is running..." in a message dialog of its
own and ends once it is closed, while the first instance's bar stays; ten started at once leave
exactly one bar."""
RUNNING = "Morvane is running... Move your mouse to the top of screen, you will see it."


def bars(probe):
    return probe.find(top=True, cls="Morvane.Window", visible=True, where=lambda w: w["rect"][2] == 255)


def test_a_second_start_shows_the_message_and_ends(morvane):
    first = morvane.start()
    bar = morvane.wait("the first instance's bar", morvane.probe.bar)
    second = morvane.launch()
    dialog = morvane.wait("the second instance's message", lambda: morvane.probe.dialog(RUNNING))
    assert dialog["rect"] == (393, 323, 238, 122)
    assert dialog["pid"] != bar["pid"], "the message belongs to the bar's process"
    morvane.display.click_on(morvane.probe.one(within=dialog, visible=True, text="OK"))
    second.wait_exit()
    assert first.running()
    assert len(bars(morvane.probe)) == 1
    assert morvane.probe.dialog() is None


def test_ten_started_at_once_leave_one_bar(morvane):
    runs = [morvane.launch() for _ in range(10)]
    morvane.wait("nine instance messages", lambda: len(morvane.probe.dialogs(RUNNING)) == 9, 90)
    morvane.wait("exactly one bar", lambda: len(bars(morvane.probe)) == 1, 30)
    # Closing each message ends its instance; the bar's instance stays. The nine lie one on another,
    # so a click on an OK closes whichever of them is on top, not always the one the probe named.
    while messages := morvane.probe.dialogs(RUNNING):
        morvane.display.click_on(morvane.probe.one(within=messages[0], visible=True, text="OK"))
        morvane.wait(f"one of the {len(messages)} messages closed by its OK",
                     lambda: len(morvane.probe.dialogs(RUNNING)) == len(messages) - 1)
    morvane.wait("nine instances ended", lambda: sum(run.running() for run in runs) == 1, 20)
    assert len(bars(morvane.probe)) == 1
