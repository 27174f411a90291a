"""Fixtures: a session folder, a private display, a private Wine prefix and the program in them.
Each teardown ends exactly what its fixture started, by process id (or wineserver -k on its own
prefix), also when the test fails or is interrupted; a failed test leaves its artifacts in
$MORVANE_E2E_CACHE/failed/<module>.<test>, which the failure report names."""
import os
import re
import shutil
import signal
import tempfile
from pathlib import Path

import pytest

from harness import Display, Morvane, Prefix, end
from wineprefix import CACHE, log, stop_prefix


def _interrupted(signum, _frame):
    raise KeyboardInterrupt(f"signal {signum}")  # pytest then runs the teardowns


def pytest_sessionstart(session):
    signal.signal(signal.SIGTERM, _interrupted)
    signal.signal(signal.SIGHUP, _interrupted)
    # Session folders of test runs that were killed outright: their pytest is gone.
    for folder in Path(tempfile.gettempdir()).glob("morvane-e2e.*"):
        if (owner := re.match(r"morvane-e2e\.(\d+)\.", folder.name)) and not Path("/proc", owner[1]).exists():
            shutil.rmtree(folder, ignore_errors=True)


@pytest.fixture
def session_dir(request):
    """The test's folder: prefix copy, run logs and relay traces; kept with E2E_KEEP=1."""
    folder = Path(tempfile.mkdtemp(prefix=f"morvane-e2e.{os.getpid()}.{request.node.name[:40]}."))
    log(f"session folder {folder}")
    yield folder
    if os.environ.get("E2E_KEEP") == "1":
        log(f"kept {folder}")
    else:
        shutil.rmtree(folder, ignore_errors=True)


@pytest.fixture
def display(session_dir):
    screen = Display(session_dir)
    yield screen
    end(screen.proc)


@pytest.fixture
def prefix(session_dir):
    wine = Prefix(session_dir / "prefix")
    yield wine
    stop_prefix(wine.path, wine.env)


@pytest.fixture
def morvane(display, prefix, session_dir):
    app = Morvane(display, prefix, session_dir)
    yield app
    for run in app.runs:
        end(run.proc)
    end(app.holder)


@pytest.hookimpl(hookwrapper=True)
def pytest_runtest_makereport(item, call):
    report = (yield).get_result()
    app = getattr(item, "funcargs", {}).get("morvane")
    if report.failed and report.when == "call" and app is not None:
        # Named by module and test: modules run side by side, and two may name a test alike.
        folder = app.save_artifacts(CACHE / "failed" / re.sub(r"[^\w.-]+", "_", f"{item.module.__name__}.{item.name}"))
        report.sections.append(("failure artifacts", f"screenshot, window tree, run logs and settings in {folder}"))
