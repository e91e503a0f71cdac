# SPDX-FileCopyrightText: 2026 The Corbelwright developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The session that tests/e2e/session.sh sets up: the installed corbelwright
driven over the accessibility bus. Its help, a loan typed and calculated, the
last payment, the schedule and its print preview, the loan saved and reopened,
a repayment frequency chosen, the additional payments windows, the loan grid,
the chart, the About window, the What If? page's four solves, the Residual
Value page and the close question. Every window it opens is checked (checks.py)
and walked with the keyboard; its tree goes to the output folder.
Usage: /usr/bin/python3 session.py PROGRAM OUT_DIR WORK_DIR"""

import os
import re
import subprocess
import sys
import time
import traceback

import pyatspi

from bus import ESCAPE, Failure, Program, headings, name, pump, row, text, wait_for
from checks import check, keyboard_walk, tree

MAIN = r"^Corbelwright 1\.07"
program_file, out, work = sys.argv[1:4]
bus = Program("Corbelwright")
process = None
faults = []
step = 0


def shot(label, window=None):
    """A screenshot of the screen (or of `window` as the bus places it); one
    colour means nothing was drawn."""
    global step
    step += 1
    file = os.path.join(out, f"{step:02d}-{label}.png")
    pump(0.4)
    command = ["import", "-window", "root"]
    if window is not None:
        box = window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        command += ["-crop", f"{box.width}x{box.height}+{box.x}+{box.y}", "+repage"]
    subprocess.run(command + [file], check=True)
    colours = int(subprocess.run(["convert", file, "-format", "%k", "info:"], check=True,
                                 capture_output=True, text=True).stdout)
    print(f"session: {os.path.basename(file)}: {colours} colours", flush=True)
    if colours <= 1:
        raise Failure(f"{file} is blank")
    return file


def inspect(window, label, results=(), qt_dialog=False):
    """Checks `window` as it is shown now, walks it with Tab and Shift+Tab, and
    keeps its tree; the faults are reported at the end. Of Qt's own dialogs
    (print preview, file dialog) the findings are noted, as Qt's to mend."""
    began = time.monotonic()
    found = check(window, results)
    order = []
    if not qt_dialog:
        walked, order = keyboard_walk(bus, window)
        found += walked
    with open(os.path.join(out, f"tree-{label}.txt"), "w") as file:
        file.write(tree(window))
        if order:
            file.write("\nTab order: " + ", ".join(order) + "\n")
    for fault in found:
        print(f"session: {'in Qt' if qt_dialog else 'accessibility'}: {fault}", flush=True)
    if not qt_dialog:
        faults.extend(found)
    print(f"session: {label} checked in {time.monotonic() - began:.1f} s", flush=True)


def start():
    global process
    process = subprocess.Popen([program_file])
    bus.pid = process.pid
    try:
        wait_for("", bus.application, timeout=20)
    except Failure:
        status = process.poll()
        raise Failure(f"the program ended with status {status} before it reached the bus"
                      if status is not None else
                      "the program did not appear on the accessibility bus in 20 s "
                      "(is Qt's accessibility bridge on?)")
    window = bus.window(MAIN)
    exe = os.readlink(f"/proc/{process.pid}/exe")
    if exe != program_file:
        raise Failure(f"the running program is {exe}, not {program_file}")
    return window


def quit_program(main, answer=None):
    """Presses Quit; `answer` answers the question whether to save first."""
    bus.press_named(main, "push button", "Quit")
    if answer:
        question = wait_for("no question with a '%s' button" % answer,
                            lambda: next((w for w in bus.windows()
                                          if bus.find_all(w, "push button", answer)), None))
        inspect(question, "close-question")
        shot("close-question")
        bus.press_named(question, "push button", answer)
    try:
        status = process.wait(timeout=10)
    except subprocess.TimeoutExpired:
        raise Failure("the program did not quit")
    if status != 0:
        raise Failure(f"the program ended with status {status}")


def message(title, expected, label):
    """The message box that should be open, titled `title` and saying
    `expected`: checked, then closed with OK."""
    box = bus.window(f"^{re.escape(title)}$")
    said = " ".join(name(n) for n in bus.find_all(box, "label"))
    if said != expected:
        raise Failure(f"the message box '{title}' says '{said}', not '{expected}'")
    inspect(box, label)
    bus.press_named(box, "push button", "OK")
    bus.gone(f"^{re.escape(title)}$")


def page(main, title):
    bus.press_named(main, "page tab", title)
    wait_for(f"the {title} page did not open",
             lambda: any(bus.find_all(main, "page tab list", title)))


def loan_session():
    main = start()
    shot("started")
    inspect(main, "main-loan-page", results=["Monthly Loan Payment is",
                                             "Total Interest Charges are:"])

    # Nothing typed: Calculate says what is missing and shows no result.
    bus.press_named(main, "push button", "Calculate")
    message("Information", "You must enter a valid Loan amount between 0 and 999999999",
            "message-empty-loan")
    bus.expect_text(main, "Monthly Loan Payment is", "")

    # The installed program finds its help file in the data folder.
    bus.press_named(main, "push button", "Help")
    help_window = bus.window("^Corbelwright Help")
    shot("help")
    inspect(help_window, "help")
    bus.press_named(help_window, "push button", "Close")
    bus.gone("^Corbelwright Help")

    bus.type_named(main, "Loan Amount", "100000")
    bus.type_named(main, "Period", "30")
    bus.type_named(main, "Interest Rate", "6")
    bus.press_named(main, "push button", "Calculate")
    bus.expect_text(main, "Monthly Loan Payment is", "$599.56")
    bus.expect_text(main, "Total Interest Charges are:", "$115,832.08")
    shot("calculated")

    bus.press_named(main, "push button", "Last Payment")
    message("Confirm", "You will make 360 payments of $599.56 and your last payment will be "
            "$590.13", "message-last-payment")

    bus.press_named(main, "push button", "Schedule")
    schedule = bus.window("^Loan Schedule")
    for field, value in (("Amount", "100000"), ("Years", "30"), ("Interest", "6")):
        bus.expect_text(schedule, field, value)
    table = bus.find(schedule, "table", "Loan Schedule")
    read = dict(zip(headings(table), row(table, 0)))
    if read != {"Year": "1", "Interest": "$5,966.60", "Capital Reduction": "$1,228.12",
                "Outstanding Balance": "$98,771.88", "Accumulated Interest": "$5,966.60",
                "Accumulated Capital": "$1,228.12"}:
        raise Failure(f"the schedule's first year reads {read}")
    shot("schedule")
    inspect(schedule, "schedule")

    # The print preview: a window of its own with the report's page drawn.
    bus.press_named(schedule, "push button", "Print Preview")
    preview = bus.window("^Print Preview$")
    shot("print-preview")
    inspect(preview, "print-preview", qt_dialog=True)
    drawn = shot("print-preview-window", preview)
    ink = int(subprocess.run(
        ["convert", drawn, "-crop", "+0+45", "+repage", "-colorspace", "gray", "-threshold",
         "10%", "-format", "%[fx:round((1 - mean) * w * h)]", "info:"],
        check=True, capture_output=True, text=True).stdout)
    print(f"session: the previewed page has {ink} pixels of text", flush=True)
    if ink <= 100:
        raise Failure("the print preview shows no text on its page")
    bus.key(ESCAPE)
    bus.gone("^Print Preview$")
    bus.press_named(schedule, "push button", "OK")
    bus.gone("^Loan Schedule")

    saved = os.path.join(work, "first-loan.CWS")
    bus.press_named(main, "push button", "Save File")
    dialog = wait_for("the save dialog did not open", lambda: next(
        (w for w in bus.windows() if bus.find_all(w, "push button", "Save")), None))
    shot("save-dialog")
    inspect(dialog, "save-dialog", qt_dialog=True)
    field = wait_for("the save dialog has no file name field", lambda: next(
        (f for f in bus.find_all(dialog, "text") if "name" in name(f).lower()), None))
    bus.type_into(field, saved)
    bus.press_named(dialog, "push button", "Save")
    wait_for(f"nothing was saved to {saved}",
             lambda: os.path.exists(saved) and os.path.getsize(saved) > 0)
    wait_for("the title does not name the saved file", lambda: "first-loan" in main.name)
    shot("saved")
    quit_program(main)


def reopened_session():
    main = start()
    wait_for("the saved file did not come back", lambda: "first-loan" in main.name)
    for field, value in (("Loan Amount", "100000"), ("Period", "30"), ("Interest Rate", "6")):
        bus.expect_text(main, field, value)
    shot("reopened")

    # A list entry chosen: the captions and the unit follow it.
    bus.choose(bus.find(main, "combo box", "Repayment"), "Weekly")
    bus.find(main, "label", "Weekly Loan Payment is")
    bus.find(main, "text", "Week(s)")
    bus.press_named(main, "push button", "Calculate")
    bus.expect_text(main, "Weekly Loan Payment is", "$138.10")
    bus.expect_text(main, "Total Interest Charges are:", "$115,403.39")
    shot("weekly")

    bus.press_named(main, "push button", "Additional Payments")
    options = bus.window("^Additional Payment Options")
    inspect(options, "additional-payment-options")
    bus.press(bus.find(options, "radio button", "Compare the additional payments required to "
                       "reduce the Loan by different periods."))
    shot("additional-options")
    bus.press_named(options, "push button", "OK")
    table = bus.window("^Additional Payments")
    grid = bus.find(table, "table", "Additional Payments")
    read = dict(zip(headings(grid), row(grid, 1)))
    if read != {"Years to pay off Loan": "29", "Additional Weekly Payment Required": "$1.71",
                "Total Weekly Payment": "$139.81", "Total Interest": "$110,831.04",
                "Interest Saved": "$4,572.35"}:
        raise Failure(f"the additional payments table's second row reads {read}")
    shot("additional-payments-table")
    inspect(table, "additional-payments-table")
    bus.press_named(table, "push button", "OK")
    bus.gone("^Additional Payments")

    bus.press_named(main, "push button", "Additional Payments")
    options = bus.window("^Additional Payment Options")
    bus.press(bus.find(options, "radio button",
                       "Calculate the effects of a specific additional payment"))
    bus.press_named(options, "push button", "OK")
    specific = bus.window("^Additional Payments")
    shot("specific-additional-payment")
    inspect(specific, "specific-additional-payment")
    bus.press_named(specific, "push button", "OK")
    bus.gone("^Additional Payments")

    bus.press_named(main, "push button", "Loan Grid")
    grid = bus.window("^Loan Grid")
    shot("loan-grid")
    inspect(grid, "loan-grid")
    bus.press_named(grid, "push button", "OK")
    bus.gone("^Loan Grid")

    bus.press_named(main, "push button", "Cost Breakdown Graph")
    chart = bus.window("^Cost Breakdown Graph")
    shot("chart")
    inspect(chart, "chart")
    bus.press_named(chart, "push button", "OK")
    bus.gone("^Cost Breakdown Graph")

    bus.press_named(main, "push button", "About")
    about = bus.window("^About")
    inspect(about, "about")
    bus.press_named(about, "push button", "OK")
    bus.gone("^About")

    what_if(main)
    residual_value(main)
    quit_program(main, "No")


def what_if(main):
    """The four solves, each from a loan whose answer differs from what its
    field held before, so that a solve that writes nothing cannot pass."""
    page(main, "What If?")
    months = re.compile("^Month")  # the part-year field, named by its unit
    solves = (
        ("Payment", {"Loan Amount": "100000", "Interest Rate": "6", "Periods": "30",
                     months: ""}, {"Repayment": "599.5506"}),
        ("Amount", {"Interest Rate": "6", "Periods": "30", months: "", "Repayment": "1199.1"},
         {"Loan Amount": "200000"}),
        ("Periods", {"Loan Amount": "200000", "Interest Rate": "6", "Repayment": "1432.86"},
         {"Periods": "20", months: "1"}),
        ("Interest", {"Loan Amount": "200000", "Periods": "20", months: "",
                      "Repayment": "1550.6"}, {"Interest Rate": "7"}))
    for solve, typed, solved in solves:
        bus.press(bus.find(main, "radio button", solve))
        for field, value in typed.items():
            bus.type_named(main, field, value)
        bus.press_named(main, "push button", "Calculate")
        for field, value in solved.items():
            bus.expect_text(main, field, value)
        shot(f"what-if-{solve.lower()}")
        if solve == "Payment":
            inspect(main, "main-what-if-page", results=list(solved))


def residual_value(main):
    page(main, "Residual Value")
    for field, value in (("Loan Amount", "10000"), ("Interest Rate", "10"), ("Period", "5")):
        bus.expect_text(main, field, value)
    bus.type_named(main, "Proposed Monthly Repayment of", "150")
    bus.type_named(main, "Residual Value of", "20")
    bus.press_named(main, "push button", "Calculate")
    bus.expect_text(main, "Monthly Repayment with no Residual Value", "$212.47")
    bus.expect_text(main, "leaves a residual value of", "$4,837.53")
    bus.expect_text(main, "%", "48.38")
    bus.expect_text(main, "% leaves a Residual Value of", "$2,000.00")
    bus.expect_text(main, "and requires a Monthly Repayment of", "$186.64")
    shot("residual-value")
    inspect(main, "main-residual-value-page",
            results=["Monthly Repayment with no Residual Value", "leaves a residual value of",
                     "%", "% leaves a Residual Value of",
                     "and requires a Monthly Repayment of"])


def main():
    began = time.monotonic()
    try:
        loan_session()
        reopened_session()
    except Exception as failure:  # a failed step, or the bus refusing a call
        if not isinstance(failure, Failure):
            traceback.print_exc()
        print(f"session: {failure}", file=sys.stderr, flush=True)
        subprocess.run(["import", "-window", "root", os.path.join(out, "failure.png")])
        return 1
    finally:
        if process is not None and process.poll() is None:
            process.kill()
    print(f"session: the steps took {time.monotonic() - began:.0f} s", flush=True)
    if faults:
        print(f"session: {len(faults)} accessibility faults:", file=sys.stderr)
        for fault in faults:
            print(f"  {fault}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
