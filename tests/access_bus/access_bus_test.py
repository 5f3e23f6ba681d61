#!/usr/bin/python3
"""The program as a screen reader user meets it, read through the accessibility
bus (at-spi): every window's controls have a name and a role, and the main
road - selection window, a duty typed, the list, the comparison, the chart,
a printed PDF - is driven by the keyboard alone, each result read back from
the accessibility tree. The road is driven on three desktops: English, English
texts with German numbers (LC_NUMERIC), where every figure read back must be
the English run's with a decimal comma, and fully German, where windows,
fields and keys are found by their translations.

    access_bus_test.py <program> <scratch folder>

Run by run_access_bus_test.sh, which provides the display and the buses.
Keys go through the X server (xdotool); the window manager's one job,
giving the keyboard to a newly opened window, is done here as well, since
the display runs none.
"""

import os
import re
import subprocess
import sys
import time
import xml.etree.ElementTree as ElementTree

import pyatspi

PROGRAM, SCRATCH = sys.argv[1], sys.argv[2]
PDF = os.path.join(SCRATCH, "printed.pdf")
TRANSLATIONS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "translations")
TIMEOUT = 20
SKIPPED = 77  # the exit status CTest reads as a skipped test
# Parts of a control, not controls: a cell or an item is named by its text,
# which may be empty; scroll bars of a text are reached by its own keys. A
# label is its text, and one with none (a note not needed now) says nothing.
PARTS = {pyatspi.ROLE_LABEL, pyatspi.ROLE_TABLE_CELL, pyatspi.ROLE_LIST_ITEM, pyatspi.ROLE_TABLE_COLUMN_HEADER,
         pyatspi.ROLE_TABLE_ROW_HEADER, pyatspi.ROLE_SCROLL_BAR}
NO_ROLE = {pyatspi.ROLE_INVALID, pyatspi.ROLE_UNKNOWN}

failures = []

# What the road looks for, as (context, English text): windows by a part of
# their title, fields and pictures by their names, buttons by the key of
# their mnemonic.
ROAD_TEXTS = {
    "select": ("TZorvAmpMainForm", "&Select an Air Amplifier"),
    "selection": ("TAmplifierSelectionForm", "Zorvik Air Pressure Amplifiers  -  Selection"),
    "outlet": ("TAmplifierSelectionForm", "Outlet psig"),
    "list": ("TAmplifierSelectionForm", "&List Selections"),
    "compare": ("zorvik::TAmplifierSelectionForm", "C&ompare..."),
    "comparison": ("zorvik::ComparisonWindow", "Compare Amplifiers"),
    "comparison table": ("zorvik::ComparisonWindow", "Comparison table"),
    "graph": ("TAmplifierSelectionForm", "Show &Graph"),
    "viewer": ("TimageDisplayForm", "Zorvik Air Pressure Amplifiers - Selected Model"),
    "chart": ("PictureDescriptions", "Performance chart"),
    "chart table": ("ChartTable", "Performance chart of %1 - %2"),
    "print": ("TimageDisplayForm", "&Print"),
}


class Language:
    """The road's texts in English, or as translations/zorvik_<code>.ts has them."""

    def __init__(self, code):
        self.texts = {key: english for key, (_, english) in ROAD_TEXTS.items()}
        if code == "en":
            return
        translated = {}
        for context in ElementTree.parse(os.path.join(TRANSLATIONS, "zorvik_%s.ts" % code)).getroot():
            for message in context.findall("message"):
                translated[(context.findtext("name"), message.findtext("source"))] = message.findtext("translation")
        for key, found in ROAD_TEXTS.items():
            if not translated.get(found):
                raise AssertionError("no %s translation of %r" % (code, found))
            self.texts[key] = translated[found]

    def __getitem__(self, key):
        """The text as a name or a title shows it: no mnemonic; of a title, its last part."""
        text = self.texts[key].replace("&&", "\0").replace("&", "").replace("\0", "&")
        return re.split(r"\s+-\s+", text.split("%1")[0])[-1].strip()

    def key(self, key):
        """The Alt key of a caption's mnemonic."""
        text = self.texts[key].replace("&&", "")
        return "alt+" + text[text.index("&") + 1].lower()


def fail(message):
    print("FAIL: " + message, flush=True)
    failures.append(message)


def wait_for(what, find):
    end = time.time() + TIMEOUT
    while time.time() < end:
        try:
            found = find()
        except Exception:  # a node that went while it was read
            found = None
        if found:
            return found
        time.sleep(0.2)
    raise AssertionError("timed out waiting for " + what)


def has(node, state):
    return node.getState().contains(state)


def walk(node, depth=0):
    yield node
    if depth > 12:
        return
    for i in range(min(node.childCount, 400)):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1)


def application(pid):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def window(app, title_part):
    for i in range(app.childCount):
        w = app.getChildAtIndex(i)
        if w is not None and title_part in w.name and has(w, pyatspi.STATE_SHOWING):
            return w
    return None


def find(root, role, name_part=""):
    for node in walk(root):
        if node.getRole() == role and name_part in node.name and has(node, pyatspi.STATE_SHOWING):
            return node
    return None


def focused(root):
    for node in walk(root):
        if has(node, pyatspi.STATE_FOCUSED):
            return node
    return None


def text_of(node):
    return node.queryText().getText(0, -1)


def check_tree(win):
    """Every control a Tab can reach on the window has a role and a name."""
    count = 0
    for node in walk(win):
        if not (has(node, pyatspi.STATE_FOCUSABLE) and has(node, pyatspi.STATE_SHOWING)):
            continue
        if node.getRole() in PARTS:
            continue
        count += 1
        where = "%s: %s %r" % (win.name, node.getRoleName(), node.name)
        if node.getRole() in NO_ROLE:
            fail(where + " has no role")
        if not node.name.strip():
            fail(where + " has no name")
    if count == 0:
        fail(win.name + ": no control to reach")
    print("checked %d controls of %r" % (count, win.name), flush=True)


def keys(*names):
    subprocess.run(["xdotool", "key", "--clearmodifiers", "--delay", "60", *names], check=True)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "60", text], check=True)


def give_keyboard(title_part):
    """What a window manager does for a window that opens: hands it the keyboard."""
    ids = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", title_part],
                         capture_output=True, text=True, check=True).stdout.split()
    subprocess.run(["xdotool", "windowfocus", "--sync", ids[-1]], check=True)
    time.sleep(0.3)


def tab_to(win, role, name_part):
    for _ in range(40):
        node = focused(win)
        if node is not None and node.getRole() == role and name_part in node.name:
            return node
        keys("Tab")
        time.sleep(0.1)
    raise AssertionError("Tab never reached %s %r on %r" % (role, name_part, win.name))


def main_road(app, lang):
    """Drives the road; returns the figures read back: list rows, comparison cells, chart table cells."""
    main = wait_for("the main window", lambda: window(app, "Zorvik"))
    check_tree(main)
    give_keyboard("Zorvik")

    keys(lang.key("select"))
    selection = wait_for("the selection window", lambda: window(app, lang["selection"]))
    check_tree(selection)

    outlet = tab_to(selection, pyatspi.ROLE_TEXT, lang["outlet"])
    keys("ctrl+a")
    type_text("1500")
    wait_for("the outlet pressure typed", lambda: text_of(outlet) == "1500")

    keys(lang.key("list"))
    rows = wait_for("the list of selections", lambda: [r.name for r in walk(selection)
                                                      if r.getRole() == pyatspi.ROLE_LIST_ITEM
                                                      and has(r, pyatspi.STATE_SHOWING) and r.name.strip()
                                                      and r.parent.parent == selection])
    print("listed %d rows, first %r" % (len(rows), rows[0]), flush=True)

    keys(lang.key("compare"))
    comparison = wait_for("the comparison window", lambda: window(app, lang["comparison"]))
    give_keyboard(lang["comparison"])
    table = wait_for("the comparison table", lambda: find(comparison, pyatspi.ROLE_TABLE, lang["comparison table"]))
    compared = [c.name for c in walk(table) if c.getRole() == pyatspi.ROLE_TABLE_CELL and c.name.strip()]
    if not compared:
        fail("the comparison table reads empty")
    print("comparison: %d cells" % len(compared), flush=True)
    check_tree(comparison)
    keys("Escape")
    wait_for("the comparison closed", lambda: window(app, lang["comparison"]) is None)

    give_keyboard(lang["selection"])
    keys(lang.key("graph"))
    viewer = wait_for("the chart window", lambda: window(app, lang["viewer"]))
    give_keyboard(lang["viewer"])
    chart = wait_for("the chart", lambda: find(viewer, pyatspi.ROLE_IMAGE, lang["chart"]))
    if rows[0].split()[0] not in chart.description or "1500" not in chart.description:
        fail("the chart's description %r names not the listed model and the duty" % chart.description)
    print("chart %r: %r" % (chart.name, chart.description), flush=True)
    check_tree(viewer)

    keys("ctrl+t")
    figures = wait_for("the chart's table", lambda: window(app, lang["chart table"]))
    give_keyboard(lang["chart table"])
    charted = wait_for("the chart's figures", lambda: [c.name for c in walk(figures)
                                                       if c.getRole() == pyatspi.ROLE_TABLE_CELL and c.name.strip()])
    print("chart table: %d cells" % len(charted), flush=True)
    check_tree(figures)
    keys("Escape")
    wait_for("the chart's table closed", lambda: window(app, lang["chart table"]) is None)

    give_keyboard(lang["viewer"])
    keys(lang.key("print"))
    wait_for("the printed PDF", lambda: os.path.exists(PDF) and os.path.getsize(PDF) > 1000)
    with open(PDF, "rb") as f:
        if f.read(5) != b"%PDF-":
            fail("the printed file is no PDF")
    print("printed %d bytes" % os.path.getsize(PDF), flush=True)
    return {"list": rows, "comparison": compared, "chart table": charted}


def with_comma(text):
    """A text as a comma desktop writes its figures: the one point between digits, but not in a model's
    name ("CRB19-2.5", digits after a letter or after a hyphen that follows one)."""
    def one(match):
        before = text[:match.start()]
        if re.search(r"([A-Za-z]|[A-Za-z0-9]-)$", before):
            return match.group(0)
        return match.group(0).replace(".", ",") if match.group(0).count(".") == 1 else match.group(0)
    return re.sub(r"[0-9][0-9.]*[0-9]", one, text)


# The desktops the road is driven on: the environment, and the language of
# the texts it finds.
DESKTOPS = [
    ("English", {"LANG": "C.UTF-8"}, "en"),
    ("English texts, German numbers", {"LANG": "C.UTF-8", "LC_NUMERIC": "de_DE.UTF-8"}, "en"),
    ("German", {"LANG": "de_DE.UTF-8"}, "de"),
]


def start(env):
    """The program, once it is listed on the bus."""
    # A program that found the bus a moment before the registry took calls
    # is never listed; one second start puts that right.
    for attempt in (1, 2):
        program = subprocess.Popen([PROGRAM], env=env)
        try:
            return program, wait_for("the program on the accessibility bus", lambda: application(program.pid))
        except AssertionError:
            program.kill()
            program.wait()
            if attempt == 2:
                raise
            print("the program did not reach the bus; starting it again", flush=True)


def drive(name, variables, language):
    print("== %s" % name, flush=True)
    home = os.path.join(SCRATCH, language + str(len(variables)))
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb", HOME=home,
               XDG_CONFIG_HOME=os.path.join(home, "config"), XDG_DATA_HOME=os.path.join(home, "data"),
               ZORVIK_PRINT_TO_PDF=PDF, LANGUAGE="", **variables)
    env.pop("LC_ALL", None)
    if os.path.exists(PDF):
        os.remove(PDF)
    program = None
    try:
        program, app = start(env)
        return main_road(app, Language(language))
    except AssertionError as e:
        fail("%s: %s" % (name, e))
        return None
    finally:
        if program is not None:
            program.kill()
            program.wait()


def compare_figures(english, comma, german):
    if english is None or comma is None:
        return
    for part, texts in english.items():
        if [with_comma(t) for t in texts] != comma[part]:
            fail("the %s on a comma desktop is not the English one with decimal commas:\n%r\n%r"
                 % (part, [with_comma(t) for t in texts][:6], comma[part][:6]))
    if german is not None and german["list"] != comma["list"]:
        fail("the German list differs from the comma desktop's: %r, %r" % (german["list"][:3], comma["list"][:3]))


def main():
    # The registry answers before the program starts: a program that finds
    # the bus without it is never listed.
    try:
        wait_for("the accessibility registry", lambda: pyatspi.Registry.getDesktop(0).childCount >= 0)
    except AssertionError as e:
        print("SKIPPED: " + str(e), file=sys.stderr)
        return SKIPPED
    readings = [drive(*desktop) for desktop in DESKTOPS]
    compare_figures(*readings)
    print("%d failure(s)" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
