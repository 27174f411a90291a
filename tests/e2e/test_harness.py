"""The harness itself, without Wine: a probe that fails is an error, so that a check for a window's
absence can never pass on it; a window that is not there is an absence."""
import pytest

from harness import Probe, ProbeError

NO_WINDOWS = b'{"windows":[]}\n'


@pytest.mark.parametrize("status, out", [(1, NO_WINDOWS), (124, b""), (0, b""), (0, b'{"windows":[')])
def test_a_failing_probe_is_an_error(status, out):
    probe = Probe(lambda *args: (status, out, b"err:winediag:nodrv_CreateWindow"))
    with pytest.raises(ProbeError):
        probe.dialog()


def test_a_missing_window_is_an_absence():
    probe = Probe(lambda *args: (0, NO_WINDOWS, b""))
    assert (probe.bar(), probe.dialog("OK"), probe.alert(), probe.find(cls="Edit")) == (None, None, None, [])
