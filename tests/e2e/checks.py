# SPDX-FileCopyrightText: 2026 The Corbelwright developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""What a screen-reader user needs of a window, judged over the accessibility
bus: every control named, no two alike, table columns with headings, results
that cannot be typed over,
buttons that can be pressed, nothing hidden that can be worked, and a keyboard
that reaches every control with Tab and Shift+Tab."""

import pyatspi

from bus import (ROLE, TAB, Failure, actions, children, descendants, has, headings, interfaces,
                 name, pump, role, showing, text)

CONTROLS = {ROLE[r] for r in ("push button", "toggle button", "check box", "radio button",
                              "text", "password text", "combo box", "page tab",
                              "page tab list", "table", "tree table", "list", "slider",
                              "spin button", "menu item")}
BUTTONS = {ROLE[r] for r in ("push button", "toggle button", "check box", "radio button",
                             "page tab", "menu item")}
# Qt's tab bar keeps its two scroll buttons on the bus while they are hidden;
# they scroll the tabs and nothing else.
QT_HELPERS = {(ROLE["page tab list"], "Scroll Left"), (ROLE["page tab list"], "Scroll Right")}


def in_list_popup(parent):
    """A drop-down list's own list of entries: part of the list, named by it."""
    return parent.getRole() == ROLE["combo box"]


def is_control(node, parent):
    return node.getRole() in CONTROLS and not in_list_popup(parent)


def on_screen(node):
    if "Component" not in interfaces(node):
        return False
    extents = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return extents.width > 0 and extents.height > 0


def operable(node):
    """Whether the bus lets a control be worked: pressed, toggled or typed into."""
    return has(node, pyatspi.STATE_ENABLED) and (
        any(a != "SetFocus" for a in actions(node)) or "EditableText" in interfaces(node))


def write_refused(field):
    """Whether writing through the bus leaves a field as it was."""
    if "EditableText" not in interfaces(field):
        return True
    before = text(field)
    field.queryEditableText().setTextContents(before + "9")
    pump(0.1)
    after = text(field)
    if after != before:
        field.queryEditableText().setTextContents(before)
        pump(0.1)
    return after == before


def check(window, results=()):
    """The faults a screen-reader user meets in `window` as it is shown now;
    `results` names the result fields, which must be read-only."""
    faults = []
    seen = {}
    for node, parent in descendants(window):
        if not is_control(node, parent):
            continue
        label = f"{role(node)} '{name(node)}'"
        if not name(node):
            faults.append(f"{role(node)} without a name"
                          + (f" (under {role(parent)} '{name(parent)}')" if name(parent) else ""))
        if (node.getRole() in BUTTONS and has(node, pyatspi.STATE_ENABLED)
                and not any(a != "SetFocus" for a in actions(node))):
            faults.append(f"{label} offers no action to press it")
        if has(node, pyatspi.STATE_READ_ONLY) and node.getRole() == ROLE["text"]:
            if has(node, pyatspi.STATE_EDITABLE):
                faults.append(f"{label} is read-only and editable at once")
            if not write_refused(node):
                faults.append(f"{label} is read-only but takes a text written over the bus")
        if showing(node):
            key = (node.getRole(), name(node))
            if name(node) and key in seen:
                faults.append(f"{label} more than once")
            seen[key] = node
            if not on_screen(node):
                faults.append(f"{label} is reported shown but has no place on the screen")
        elif (showing(parent) and operable(node)
              and (parent.getRole(), name(node)) not in QT_HELPERS):
            faults.append(f"{label} is hidden but can be worked over the bus")
        if node.getRole() == ROLE["table"] and showing(node):
            for column, heading in enumerate(headings(node)):
                if not heading or heading == str(column + 1):
                    faults.append(f"{label}: column {column + 1} has no heading")
    for result in results:
        field = next((n for n, _ in descendants(window) if n.getRole() == ROLE["text"]
                      and showing(n) and name(n) == result), None)
        if field is None:
            faults.append(f"no result field '{result}'")
        elif not has(field, pyatspi.STATE_READ_ONLY):
            faults.append(f"the result field '{result}' is not read-only")
    return [f"{window.name}: {fault}" for fault in faults]


def tab_stops(window):
    """The controls Tab should reach: every shown, enabled, focusable control;
    of a group of radio buttons the chosen one, of a page tab list the list."""
    stops = {}
    radios = {}
    for node, parent in descendants(window):
        if not (is_control(node, parent) and showing(node) and has(node, pyatspi.STATE_FOCUSABLE)
                and has(node, pyatspi.STATE_ENABLED)):
            continue
        if node.getRole() in (ROLE["page tab"], ROLE["menu item"]):
            continue
        if node.getRole() == ROLE["radio button"]:
            radios.setdefault(parent.path, []).append(node)
            continue
        stops[node.path] = node
    for group in radios.values():
        chosen = [r for r in group if has(r, pyatspi.STATE_CHECKED)] or group
        stops[chosen[0].path] = chosen[0]
    return stops


def stop_of(node):
    """The tab stop a focus report stands for: a page tab's list, a cell's table."""
    try:
        if node.getRole() in (ROLE["page tab"], ROLE["list item"], ROLE["table cell"]):
            return node.parent
    except Exception:
        pass
    return node


def focused_now(window):
    """The control the bus marks focused; Qt marks some containers of it too."""
    focused = [n for n, _ in descendants(window) if has(n, pyatspi.STATE_FOCUSED)]
    controls = [n for n in focused if n.getRole() in CONTROLS]
    return stop_of((controls or focused)[-1 if controls else 0]) if focused else None


def tab_round(program, window, stops, shift):
    """Presses Tab (or Shift+Tab) until the focus comes back to where the round
    began; returns the controls reached in order. A Tab the bus reports no new
    focus for moved within a control (between the links of a text) or, in a
    window of one control, stayed on it."""
    keys = f"{'Shift+' if shift else ''}Tab"
    limit = 2 * len(stops) + 4
    reached = []
    within = 0
    while len(reached) <= limit:
        del program.focused[:]
        program.key(TAB, shift)
        node = None
        for _ in range(8):
            pump(0.05)
            # A report counts once the control it names holds the focus.
            if program.focused and has(program.focused[-1], pyatspi.STATE_FOCUSED):
                node = stop_of(program.focused[-1])
                break
        if node is None or (reached and node.path == reached[-1].path):
            node = focused_now(window)
            if node is None:
                raise Failure(f"{window.name}: {keys} moved the focus nowhere the bus "
                              f"reported, after {[name(n) for n in reached]}")
            if reached and node.path == reached[-1].path:
                within += 1
                if within > 40:
                    raise Failure(f"{window.name}: {keys} keeps the focus in "
                                  f"{role(node)} '{name(node)}'")
                if len(reached) == 1 and list(stops) == [node.path]:
                    return reached
                continue
        if reached and node.path == reached[0].path:
            return reached
        reached.append(node)
        within = 0
    raise Failure(f"{window.name}: {keys} did not come round in {limit} stops: "
                  f"{[name(n) for n in reached]}")


def keyboard_walk(program, window):
    """The faults of a Tab and a Shift+Tab round through `window`."""
    stops = tab_stops(window)
    forward = tab_round(program, window, stops, False)
    backward = tab_round(program, window, stops, True)
    faults = []
    for path, node in stops.items():
        if path not in {n.path for n in forward}:
            faults.append(f"Tab does not reach {role(node)} '{name(node)}'")
        if path not in {n.path for n in backward}:
            faults.append(f"Shift+Tab does not reach {role(node)} '{name(node)}'")
    for node in forward:
        if not name(node):
            faults.append(f"Tab reaches {role(node)} without a name")
        elif node.path not in stops and not showing(node):
            faults.append(f"Tab reaches {role(node)} '{name(node)}', which is not shown")
    order = [n.path for n in forward]
    back = [n.path for n in backward]
    if order and back and order[0] in back:
        # Shift+Tab goes round the same way backwards, from wherever it began.
        start = back.index(order[0])
        rotated = back[start:] + back[:start]
        if [order[0]] + list(reversed(order[1:])) != rotated:
            faults.append("Shift+Tab does not go back the way Tab came: "
                          f"{[name(n) for n in forward]} against {[name(n) for n in backward]}")
    return [f"{window.name}: {fault}" for fault in faults], [name(n) for n in forward]


def tree(window):
    """The window's tree as the bus reports it: role and name, indented."""
    lines = [f"{role(window)} '{window.name}'"]

    def walk(node, depth):
        for child in children(node):
            state = "" if showing(child) else " (hidden)"
            lines.append(f"{'  ' * depth}{role(child)} '{child.name}'{state}")
            walk(child, depth + 1)

    walk(window, 1)
    return "\n".join(lines) + "\n"
