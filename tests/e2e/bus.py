# SPDX-FileCopyrightText: 2026 The Corbelwright developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Drives a program over the accessibility bus (AT-SPI) as assistive technology
does: controls are found by role and accessible name, read through their text
interface, pressed through their actions, and keys go in as the keyboard's."""

import re
import time

import pyatspi
from gi.repository import GLib

TAB, ESCAPE, RETURN, END, BACKSPACE, DOWN, UP = 0xFF09, 0xFF1B, 0xFF0D, 0xFF57, 0xFF08, 0xFF54, 0xFF52
SHIFT_MASK = 1

ROLE = {name: getattr(pyatspi, "ROLE_" + name.upper().replace(" ", "_")) for name in (
    "push button", "toggle button", "check box", "radio button", "text", "password text",
    "combo box", "page tab", "page tab list", "table", "tree table", "list", "list item",
    "slider", "spin button", "menu item", "label", "frame", "dialog", "panel", "filler",
    "layered pane", "table cell", "alert", "tool bar", "scroll bar")}


class Failure(Exception):
    """A step of the session did not come out as it should."""


def pump(seconds=0.0):
    """Lets the bus deliver what it has (events) for `seconds`."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while True:
        while context.iteration(False):
            pass
        if time.monotonic() >= end:
            return
        time.sleep(0.01)


def wait_for(what, probe, timeout=10.0):
    """Waits until `probe()` gives something true and returns it; fails saying
    `what` (a text, or a function that gives it then)."""
    end = time.monotonic() + timeout
    while True:
        try:
            value = probe()
        except Exception:  # an object that went away while it was asked
            value = None
        if value:
            return value
        if time.monotonic() >= end:
            raise Failure(what() if callable(what) else what)
        pump(0.1)


def has(node, state):
    try:
        return node.getState().contains(state)
    except Exception:
        return False


def showing(node):
    return has(node, pyatspi.STATE_SHOWING)


def role(node):
    return node.getRoleName()


def name(node):
    """What a screen reader announces the control by. Qt names a drop-down list
    after its current entry and gives its caption as a label relation; one
    without a caption has no name of its own."""
    if node.getRole() == pyatspi.ROLE_COMBO_BOX:
        for relation in node.getRelationSet():
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY and relation.getNTargets():
                return relation.getTarget(0).name.strip()
        return ""
    return (node.name or "").strip()


def children(node):
    return [child for child in node if child is not None]


def descendants(node):
    """Every node under `node`, depth first, as (node, parent)."""
    stack = [(child, node) for child in reversed(children(node))]
    while stack:
        child, parent = stack.pop()
        yield child, parent
        stack.extend((grandchild, child) for grandchild in reversed(children(child)))


def text(node):
    return node.queryText().getText(0, -1)


def headings(table):
    """A table's column headings, which a screen reader announces a cell with."""
    cells = table.queryTable()
    return [(cells.getColumnDescription(c) or "").strip() for c in range(cells.nColumns)]


def row(table, index):
    """The texts of a table's row, as a screen reader reads its cells."""
    cells = table.queryTable()
    return [cells.getAccessibleAt(index, c).name for c in range(cells.nColumns)]


def actions(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(k) for k in range(action.nActions)]


def interfaces(node):
    return set(node.get_interfaces())


class Program:
    """The application `app_name` on the bus, and the keyboard."""

    def __init__(self, app_name):
        self.app_name = app_name
        self.pid = None  # of the process to drive, once started
        self.focused = []  # every focus the bus reported, in order
        pyatspi.Registry.registerEventListener(self._on_focus, "object:state-changed:focused")

    def _on_focus(self, event):
        if event.detail1:
            self.focused.append(event.source)

    def application(self):
        desktop = pyatspi.Registry.getDesktop(0)
        return next((a for a in children(desktop) if a.name == self.app_name
                     and a.get_process_id() == self.pid), None)

    def windows(self):
        app = self.application()
        return [w for w in children(app) if showing(w)] if app else []

    def window(self, title, timeout=10.0):
        """The shown window whose title matches the pattern `title`."""
        pattern = re.compile(title)
        return wait_for(f"no window titled '{title}' on the bus",
                        lambda: next((w for w in self.windows() if pattern.search(w.name)), None),
                        timeout)

    def gone(self, title, timeout=10.0):
        pattern = re.compile(title)
        wait_for(f"the window titled '{title}' did not close",
                 lambda: not any(pattern.search(w.name) for w in self.windows()), timeout)

    # Finding controls.

    def find_all(self, root, role_name, control_name=None, shown=True):
        wanted = ROLE[role_name]
        return [node for node, _ in descendants(root)
                if node.getRole() == wanted and (not shown or showing(node))
                and (control_name is None or name(node) == control_name
                     or (isinstance(control_name, re.Pattern) and control_name.search(name(node))))]

    def find(self, root, role_name, control_name, timeout=10.0):
        """The one shown control of that role and name under `root`."""
        def probe():
            found = self.find_all(root, role_name, control_name)
            if len(found) > 1:
                raise Failure(f"{len(found)} controls {role_name} '{control_name}' in '{root.name}'")
            return found[0] if found else None
        try:
            return wait_for(f"no {role_name} '{control_name}' in '{root.name}'", probe, timeout)
        except Failure:
            found = self.find_all(root, role_name, control_name)
            if len(found) > 1:
                raise Failure(f"{len(found)} controls {role_name} '{control_name}' in '{root.name}'")
            raise

    # Acting.

    def act(self, node, *wanted):
        """Runs the first of the `wanted` actions the control offers."""
        offered = actions(node)
        for action in wanted:
            if action in offered:
                # Qt runs a tool button's action before it replies, so an action
                # that opens a modal window replies only once that closes.
                try:
                    node.queryAction().doAction(offered.index(action))
                except GLib.Error as error:
                    if "did not receive a reply" not in error.message.lower():
                        raise
                pump(0.2)
                return
        raise Failure(f"{role(node)} '{name(node)}' offers {offered}, none of {list(wanted)}")

    def press(self, node):
        if not has(node, pyatspi.STATE_ENABLED):
            raise Failure(f"{role(node)} '{name(node)}' is disabled")
        self.act(node, "Press", "Toggle", "Click")

    def press_named(self, root, role_name, control_name):
        self.press(self.find(root, role_name, control_name))

    def focus(self, node):
        if not node.queryComponent().grabFocus():
            raise Failure(f"{role(node)} '{name(node)}' did not take the focus")
        wait_for(f"{role(node)} '{name(node)}' is not focused",
                 lambda: has(node, pyatspi.STATE_FOCUSED), 5)

    def key(self, keysym, shift=False):
        if shift:
            pyatspi.Registry.generateKeyboardEvent(SHIFT_MASK, None, pyatspi.KEY_LOCKMODIFIERS)
        pyatspi.Registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)
        if shift:
            pyatspi.Registry.generateKeyboardEvent(SHIFT_MASK, None, pyatspi.KEY_UNLOCKMODIFIERS)
        pump(0.05)

    def type_into(self, field, value):
        """Empties `field` and types `value` into it on the keyboard."""
        self.focus(field)
        self.key(END)
        for _ in range(len(text(field))):
            self.key(BACKSPACE)
        if value:
            pyatspi.Registry.generateKeyboardEvent(0, value, pyatspi.KEY_STRING)
        wait_for(lambda: f"{name(field)} shows '{text(field)}', not '{value}'",
                 lambda: text(field) == value, 5)

    def type_named(self, root, control_name, value):
        self.type_into(self.find(root, "text", control_name), value)

    def text_named(self, root, control_name):
        return text(self.find(root, "text", control_name))

    def expect_text(self, root, control_name, expected, timeout=10.0):
        field = self.find(root, "text", control_name)
        wait_for(lambda: f"'{name(field)}' in '{root.name}' shows '{text(field)}', not '{expected}'",
                 lambda: text(field) == expected, timeout)

    def choose(self, combo, entry):
        """Chooses `entry` in a drop-down list as a screen-reader user does: opens
        its list through its action, moves along it on the keyboard to the entry
        the bus reports selected, and takes it with Enter."""
        entries = [name(item) for item in children(children(combo)[0])]
        if entry not in entries:
            raise Failure(f"'{name(combo)}' offers {entries}, not '{entry}'")
        self.act(combo, "ShowMenu", "Press")
        items = children(children(combo)[0])
        wait_for(f"the list of '{name(combo)}' did not open",
                 lambda: has(combo, pyatspi.STATE_EXPANDED))
        for _ in range(len(entries)):
            current = next((i for i, item in enumerate(items)
                            if has(item, pyatspi.STATE_SELECTED)), None)
            if current is not None and entries[current] == entry:
                break
            self.key(DOWN if current is None or current < entries.index(entry) else UP)
            pump(0.1)
        self.key(RETURN)
        wait_for(lambda: f"'{name(combo)}' shows '{combo.name}', not '{entry}'",
                 lambda: combo.name == entry, 5)
