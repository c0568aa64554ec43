#!/usr/bin/python3
"""Reads the game through the accessibility bus (AT-SPI) as a screen reader does.

Usage: check_accessibility.py PATH/TO/zenthari-trader

Starts its own X server (Xvfb), D-Bus session and AT-SPI bus, starts the game, begins a new
game through the greeting, and checks that the 16 map cells are named after their galaxies,
that the current one says so, and that pressing a cell makes it the destination. Installs
the Debian packages it needs when they are missing. Exits 0 when every check passes.
"""
import ctypes
import os
import re
import signal
import subprocess
import sys
import time

GLib = pyatspi = None  # imported inside the session, where the bus is

PACKAGES = ["xvfb", "xauth", "dbus", "at-spi2-core", "python3", "python3-pyatspi"]
TIME_LIMIT = 120  # seconds for the whole run
WAIT = 20  # seconds for any one thing to appear
# python3-pyatspi is a module of Debian's own interpreter, whichever python3 comes first.
DEBIAN_PYTHON = "/usr/bin/python3"


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def install_missing():
    missing = [p for p in PACKAGES if b"install ok installed" not in subprocess.run(
        ["dpkg-query", "-W", "-f=${Status}", p], capture_output=True).stdout]
    if not missing:
        return
    print("Installing Debian packages: " + " ".join(missing))
    sudo = [] if os.geteuid() == 0 else ["sudo"]
    env = dict(os.environ, DEBIAN_FRONTEND="noninteractive")
    subprocess.run(sudo + ["apt-get", "update", "-qq"], check=True, env=env)
    subprocess.run(sudo + ["apt-get", "install", "-y", "-qq", "--no-install-recommends"] + missing,
                   check=True, env=env)


def wait_for(what, probe, timeout=WAIT):
    """The first true answer of probe(), polled; fails naming `what` after `timeout`."""
    deadline = time.monotonic() + timeout
    while True:
        try:
            answer = probe()
        except Exception:  # the tree changes under us while windows open
            answer = None
        if answer:
            return answer
        while GLib.MainContext.default().iteration(False):  # events heard so far
            pass
        if time.monotonic() > deadline:
            fail("no %s after %d s" % (what, timeout))
        time.sleep(0.2)


# --- Reading the tree -------------------------------------------------------------------------

def descendants(node, depth=0):
    if node is None or depth > 40:
        return
    yield node
    for i in range(node.childCount):
        yield from descendants(node.getChildAtIndex(i), depth + 1)


def find(root, role, name=None, starts=None):
    for node in descendants(root):
        if node.getRoleName() == role and (name is None or node.name == name) and \
                (starts is None or node.name.startswith(starts)):
            return node
    return None


def shown_text(node):
    """A label's words, from its name or its text."""
    words = [node.name]
    try:
        text = node.queryText()
        words.append(text.getText(0, text.characterCount))
    except NotImplementedError:
        pass
    return words


def press(node):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if "Press" not in names:
        fail("%s %r offers %s, not Press" % (node.getRoleName(), node.name, names))
    action.doAction(names.index("Press"))


def galaxy_names(game):
    """The 16 galaxy names of the strings table beside the game (ids 101 to 116)."""
    table = os.path.join(os.path.dirname(os.path.abspath(game)), "strings.txt")
    names = {}
    with open(table, encoding="utf-8") as lines:
        for line in lines:
            key, _, text = line.rstrip("\n").partition(" ")
            if key.isdigit() and 101 <= int(key) <= 116:
                names[int(key)] = text
    if len(names) != 16:
        fail("%s holds %d galaxy names, not 16" % (table, len(names)))
    return set(names.values())


# --- The checks -------------------------------------------------------------------------------

def check_map_cells(app, galaxies):
    map_area = wait_for("map with 16 cells", lambda: next(
        (n for n in descendants(app) if n.name == "Map" and n.childCount == 16
         and all(n.getChildAtIndex(i).getRoleName() == "push button" for i in range(16))), None))
    cells = [map_area.getChildAtIndex(i) for i in range(16)]
    said = [c.name for c in cells]
    named = sorted(next((g for g in galaxies if s == g or s.startswith(g + ", ")), "?") for s in said)
    if named != sorted(galaxies):
        fail("the map cells are named %s" % said)
    here = [s for s in said if s.endswith(", current location")]
    if len(here) != 1:
        fail("%d cells say they are the current location: %s" % (len(here), said))
    target = next(c for c in cells if "," not in c.name)
    galaxy = target.name
    # What a screen reader is told: the pressed cell's new name.
    told = []
    listener = lambda event: told.append(event.source.name)  # noqa: E731
    pyatspi.Registry.registerEventListener(listener, "object:property-change:accessible-name")
    press(target)
    wait_for("%r named as the selected destination" % galaxy,
             lambda: target.name == galaxy + ", selected destination")
    wait_for("word that %r is now the selected destination (heard %s)" % (galaxy, told),
             lambda: galaxy + ", selected destination" in told)
    pyatspi.Registry.deregisterEventListener(listener, "object:property-change:accessible-name")
    route = find(app, "panel", starts="Map Information") or app
    wait_for("%r in the route panel" % galaxy, lambda: any(
        any(galaxy in words for words in shown_text(n))
        for n in descendants(route) if n.getRoleName() == "label"))
    print("map: 16 named cells, %r current, %r picked through its action" % (here[0], galaxy))


def check_trade_rows(app, galaxies):
    """The Trade window's lists are named by their headings, their rows read as their fields,
    and pressing a row for sale opens the purchase, as a double-click does."""
    press(wait_for("Trade button", lambda: find(app, "push button", "Trade")))
    lists = {}
    for heading in ("Goods For Sale", "Goods Wanted", "Your Inventory"):
        lists[heading] = wait_for("list %r" % heading, lambda: next(
            (n for n in descendants(app) if n.getRoleName() in ("list", "table", "tree")
             and n.name == heading), None))
    rows = [lists["Goods For Sale"].getChildAtIndex(i)
            for i in range(lists["Goods For Sale"].childCount)]
    rows = [r for r in rows if r is not None and r.getRoleName() == "list item"]
    if not rows:
        fail("the Goods For Sale list has no rows")
    for row in rows:
        if not re.fullmatch(r"[^,]+, cost \d+, quantity \d+", row.name or ""):
            fail("a row for sale reads %r, not 'good, cost N, quantity N'" % row.name)
    good = rows[0].name.split(",")[0]
    press(rows[0])
    buy = wait_for("the purchase window of %r" % good, lambda: next(
        (n for n in descendants(app) if n.getRoleName() == "dialog" and n.name == "Purchase"), None))
    if not any(good in words for n in descendants(buy) for words in shown_text(n)):
        fail("the purchase window does not name %r" % good)
    print("trade: lists named by their headings, %d rows for sale read as their fields, %r "
          "opened by its action" % (len(rows), good))


CHECKS = [check_map_cells, check_trade_rows]


# --- The run ----------------------------------------------------------------------------------

def inside_session(game):
    global GLib, pyatspi
    import pyatspi
    from gi.repository import GLib

    xvfb = subprocess.Popen(["Xvfb", "-displayfd", "1", "-screen", "0", "1600x1000x24", "-nolisten",
                             "tcp"], stdout=subprocess.PIPE)
    display = xvfb.stdout.readline().decode().strip()
    if not display:
        fail("Xvfb did not start")
    env = dict(os.environ, DISPLAY=":" + display, QT_QPA_PLATFORM="xcb",
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    env.pop("QT_SCALE_FACTOR", None)
    played = subprocess.Popen([game], env=env)
    try:
        desktop = pyatspi.Registry.getDesktop(0)
        app = wait_for("game on the accessibility bus", lambda: next(
            (a for a in desktop if a is not None and a.get_process_id() == played.pid), None))
        press(wait_for("Start New Game button",
                       lambda: find(app, "push button", "Start New Game")))
        press(wait_for("Begin New Game button",
                       lambda: find(app, "push button", "Begin New Game")))
        galaxies = galaxy_names(game)
        for check in CHECKS:
            check(app, galaxies)
    finally:
        played.terminate()
        try:
            played.wait(10)
        except subprocess.TimeoutExpired:
            played.kill()
        xvfb.terminate()
        xvfb.wait(10)


def main():
    if len(sys.argv) != 3 and len(sys.argv) != 2:
        fail("usage: check_accessibility.py PATH/TO/zenthari-trader")
    game = os.path.abspath(sys.argv[1])
    if len(sys.argv) == 3 and sys.argv[2] == "--inside-session":
        signal.alarm(TIME_LIMIT)  # a hung bus ends the run instead of the test's time-out
        inside_session(game)
        return
    if not os.access(game, os.X_OK):
        fail("%s is not a program" % game)
    install_missing()
    # The buses' helpers leave their parents; as their subreaper this script collects them
    # when they end, wherever PID 1 does not.
    ctypes.CDLL(None).prctl(36, 1, 0, 0, 0)  # PR_SET_CHILD_SUBREAPER
    # A D-Bus session of our own; its AT-SPI bus starts on demand inside it. Everything runs
    # in one process group, ended as a whole, so no bus or server is left behind.
    env = {k: v for k, v in os.environ.items()
           if k not in ("DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS", "DISPLAY")}
    run = subprocess.Popen(["dbus-run-session", "--", DEBIAN_PYTHON, os.path.abspath(__file__),
                            game, "--inside-session"], env=env, start_new_session=True)
    try:
        code = run.wait(TIME_LIMIT + 30)
    except subprocess.TimeoutExpired:
        code = None
    try:
        os.killpg(run.pid, signal.SIGTERM)
    except ProcessLookupError:
        pass
    deadline = time.monotonic() + 10
    while time.monotonic() < deadline:
        try:
            if os.waitpid(-1, os.WNOHANG) == (0, 0):
                time.sleep(0.1)
        except ChildProcessError:
            break
    if code is None:
        fail("the run took longer than %d s" % (TIME_LIMIT + 30))
    if code != 0:
        fail("the checks ended with %d" % code)
    print("accessibility checks passed")


if __name__ == "__main__":
    main()
