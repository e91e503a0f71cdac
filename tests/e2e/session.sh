#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Corbelwright developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# A real session of the installed corbelwright under X with real key and mouse
# events: the build installed into a temporary prefix, the help opened from the
# installed help file, a loan typed and calculated, the schedule and its print
# preview opened and closed, the loan saved through the save dialog, the program
# quit and started again to find the file reopened, the additional payments
# table and the chart opened. A screenshot at each step goes to the output
# folder; a blank one or a missing value fails the session. Controls are found
# through the program's widget dump (CW_DUMP_WIDGETS), by object name or by the
# accessible name a screen reader gets.
# Usage: xvfb-run -a -s "-screen 0 1024x768x24" tests/e2e/session.sh [BUILD_DIR] [OUT_DIR]
set -euo pipefail
cd "$(dirname "$0")/../.."
build=$(realpath "${1:-build}")
out=$(realpath -m "${2:-$build/e2e}")
rm -rf "$out" && mkdir -p "$out"
work=$(mktemp -d)
pid=
cleanup() {
    [[ -n $pid ]] && kill "$pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# The program as a user gets it: installed, with its help file in the data
# folder and none beside it.
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >"$work/install.log" ||
    { cat "$work/install.log" >&2; echo "session: the install failed" >&2; exit 1; }
program=$prefix/bin/corbelwright
[[ -x $program && -f $prefix/share/corbelwright/CWHelp.Hlp && ! -e $prefix/bin/CWHelp.Hlp ]] ||
    { echo "session: $prefix does not hold the program and its help file" >&2; exit 1; }
# The X display, whatever platform the tests around it chose.
unset QT_QPA_PLATFORM
export XDG_CONFIG_HOME=$work/config CW_DUMP_WIDGETS=$work/widgets.txt
# Qt's runtime folder, private as Qt wants it; xvfb-run as root sets none.
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 0700 "$XDG_RUNTIME_DIR"
# Money texts in the en_US format; Qt reads LANG itself, no glibc locale is needed.
export LANG=en_US.UTF-8 LC_ALL=
dump=$work/widgets.txt
step=0

fail() {
    echo "session: $*" >&2
    [[ -f $dump ]] && cp "$dump" "$out/widgets-at-failure.txt"
    import -window root "$out/failure.png" || true
    exit 1
}

# Waits up to 10 s for `condition` (a command) to hold.
wait_for() {
    local tries=50
    until "$@"; do
        ((--tries > 0)) || return 1
        sleep 0.2
    done
}

# The dump line of control NAME in the window whose title matches TITLE.
line_of() {
    awk -F'\t' -v title="$1" -v name="$2" '$1 ~ title && $2 == name' "$dump" 2>/dev/null | tail -n 1
}
text_of() { line_of "$1" "$2" | cut -f4; }
shown() { [[ -n $(line_of "$1" "$2") ]]; }
has_text() { [[ $(text_of "$1" "$2") == "$3" ]]; }
gone() { ! shown "$1" "$2"; }

# The text of the control a screen reader names NAME in the window whose title
# matches TITLE.
text_named() {
    awk -F'\t' -v title="$1" -v name="$2" '$1 ~ title && $3 == name' "$dump" 2>/dev/null |
        tail -n 1 | cut -f4
}
has_text_named() { [[ $(text_named "$1" "$2") == "$3" ]]; }
# Any control of a window whose title matches TITLE.
window_shown() { awk -F'\t' -v title="$1" '$1 ~ title { found = 1 } END { exit !found }' "$dump" 2>/dev/null; }
window_gone() { ! window_shown "$1"; }

click() {
    wait_for shown "$1" "$2" || fail "no control $2 in a window titled '$1'"
    local at
    at=$(line_of "$1" "$2" | cut -f5)
    xdotool mousemove ${at% *} ${at#* } click 1
    sleep 0.3
}

# Clicks into a field, empties it and types `text`.
type_into() {
    click "$1" "$2"
    xdotool key ctrl+a BackSpace
    xdotool type --delay 20 "$3"
    wait_for has_text "$1" "$2" "$3" || fail "$2 shows '$(text_of "$1" "$2")', not '$3'"
}

# A screenshot of the whole screen; one colour means nothing was drawn.
shot() {
    step=$((step + 1))
    local file
    file=$out/$(printf '%02d' $step)-$1.png
    sleep 0.5
    import -window root "$file"
    local colours
    colours=$(convert "$file" -format %k info:)
    echo "session: $(basename "$file"): $colours colours"
    ((colours > 1)) || fail "$file is blank"
}

start() {
    rm -f "$dump"
    "$program" "$@" &
    pid=$!
    wait_for shown '^Corbelwright' MAmount || fail "the main window did not appear"
    [[ $(readlink "/proc/$pid/exe") == "$program" ]] || fail "the running program is not $program"
}

# The button captioned TEXT (with or without its & mark) in any window.
button_with() {
    awk -F'\t' -v text="$1" '{ t = $4; sub(/&/, "", t) } t == text' "$dump" 2>/dev/null |
        tail -n 1 | cut -f5
}

has_button() { [[ -n $(button_with "$1") ]]; }

# Quits; `answer` (No) answers the question whether to save first, which the
# program asks whenever the Loan page has changed since the last save or load,
# and once the start-up set-up has run.
quit() {
    click '^Corbelwright' ExitBtn
    if [[ -n ${1:-} ]]; then
        local at
        wait_for has_button "$1" || fail "no question with a '$1' button"
        at=$(button_with "$1")
        shot question
        xdotool mousemove ${at% *} ${at#* } click 1
    fi
    local tries=50
    while kill -0 "$pid" 2>/dev/null; do
        ((--tries > 0)) || fail "the program did not quit"
        sleep 0.2
    done
    wait "$pid" || fail "the program ended with status $?"
    pid=
}

main='^Corbelwright 1\.07'
start
shot started

# The installed program finds its help file in the data folder.
click "$main" HelpBtn
wait_for shown '^Corbelwright Help' HelpCloseBtn || fail "the help did not open"
shot help
click '^Corbelwright Help' HelpCloseBtn
wait_for gone '^Corbelwright Help' HelpCloseBtn || fail "Close did not close the help"

type_into "$main" MAmount 100000
type_into "$main" Period 30
type_into "$main" IRate 6
click "$main" CalMortBtn
# The results, found by the captions a screen reader names them by.
repayment='Monthly Loan Payment is'
wait_for has_text_named "$main" "$repayment" '$599.56' ||
    fail "the repayment is '$(text_named "$main" "$repayment")', not \$599.56"
interest='Total Interest Charges are:'
wait_for has_text_named "$main" "$interest" '$115,832.08' ||
    fail "the total interest is '$(text_named "$main" "$interest")', not \$115,832.08"
shot calculated

click "$main" SpeedButton2
wait_for shown 'Schedule' MSAmount || fail "the schedule did not open"
for field in "Amount 100000" "Years 30" "Interest 6"; do
    has_text_named 'Schedule' "${field% *}" "${field#* }" ||
        fail "the schedule's ${field% *} is '$(text_named 'Schedule' "${field% *}")'"
done
shot schedule

# The schedule's print preview: a window of its own with the report's pages drawn.
click 'Schedule' PreviewBtn
wait_for window_shown '^Print Preview' || fail "the print preview did not open"
preview=$(xdotool search --onlyvisible --name '^Print Preview$' | head -n 1)
[[ -n $preview ]] || fail "no window titled 'Print Preview' on the screen"
shot print-preview
preview_shot=$out/$(printf '%02d' $step)-print-preview-window.png
import -window "$preview" "$preview_shot"
colours=$(convert "$preview_shot" -format %k info:)
echo "session: $(basename "$preview_shot"): $colours colours"
((colours > 1)) || fail "$preview_shot is blank"
# Below its tool bar only the page's text is near black (the page's shadow is lighter).
ink=$(convert "$preview_shot" -crop +0+45 +repage -colorspace gray -threshold 10% \
    -format '%[fx:round((1 - mean) * w * h)]' info:)
echo "session: the previewed page has $ink pixels of text"
((ink > 100)) || fail "the print preview shows no text on its page"
xdotool key Escape
wait_for window_gone '^Print Preview' || fail "Escape did not close the print preview"
shot schedule-after-preview
xdotool key Escape
wait_for gone 'Schedule' MSAmount || fail "Escape did not close the schedule"

file=$work/first-loan.CWS
click "$main" SaveBtn
wait_for shown '' fileNameEdit || fail "the save dialog did not open"
shot save-dialog
type_into '' fileNameEdit "$file"
xdotool key Return
wait_for test -s "$file" || fail "nothing was saved to $file"
wait_for shown 'first-loan' MAmount || fail "the title does not name the saved file"
shot saved
quit

start
wait_for shown 'first-loan' MAmount || fail "the saved file did not come back"
title=$(xdotool search --onlyvisible --name 'first-loan' getwindowname %@ | head -n 1)
[[ $title == *first-loan* ]] || fail "the window is titled '$title'"
for field in "MAmount 100000" "Period 30" "IRate 6"; do
    has_text "$main" ${field% *} "${field#* }" ||
        fail "${field% *} came back as '$(text_of "$main" ${field% *})'"
done
shot reopened

click "$main" SpeedButton3
wait_for shown '^Additional Payment Options' Grid || fail "the additional payments options did not open"
click '^Additional Payment Options' Grid
shot additional-options
click '^Additional Payment Options' BitBtn2
wait_for shown '^Additional Payments' SpeedButton1 || fail "the additional payments table did not open"
shot additional-payments-table
xdotool key Escape
wait_for gone '^Additional Payments' SpeedButton1 || fail "Escape did not close the table"

click "$main" BitBtn2
wait_for shown '^Cost Breakdown Graph' BitBtn1 || fail "the chart did not open"
shot chart
xdotool key Escape
wait_for gone '^Cost Breakdown Graph' BitBtn1 || fail "Escape did not close the chart"
quit No
echo "session: passed; screenshots in $out"
