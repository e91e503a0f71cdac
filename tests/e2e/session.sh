#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Corbelwright developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# A real session of the installed corbelwright as assistive technology meets it:
# the build installed into a temporary prefix and started under a window manager
# (openbox) on the X display, with a private D-Bus session and accessibility bus
# and Qt's accessibility bridge on; tests/e2e/session.py then drives it over
# the bus (AT-SPI), checks every window it opens and walks it with the keyboard.
# Screenshots, each window's accessible tree and the checks' findings go to the
# output folder. A bus, window manager or program that does not start fails the
# session with the reason.
# Usage: xvfb-run -a -s "-screen 0 1024x768x24" tests/e2e/session.sh [BUILD_DIR] [OUT_DIR]
set -euo pipefail
cd "$(dirname "$0")/../.."

fail() {
    echo "session: $*" >&2
    exit 1
}

[[ -n ${DISPLAY:-} ]] || fail "no X display (DISPLAY is unset); run it under xvfb-run"
for tool in dbus-run-session openbox /usr/libexec/at-spi-bus-launcher import; do
    command -v "$tool" >/dev/null ||
        fail "$tool is missing; install what the session needs with scripts/setup-debian.sh --x11"
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null ||
    fail "Debian's python3 has no pyatspi; install it with scripts/setup-debian.sh --x11"

# A private D-Bus session, so that the session never meets a desktop's own
# accessibility bus; the rest of the script runs inside it.
if [[ -z ${CW_SESSION_BUS:-} ]]; then
    export CW_SESSION_BUS=1
    exec dbus-run-session -- "$0" "$@"
fi

build=$(realpath "${1:-build}")
out=$(realpath -m "${2:-$build/e2e}")
rm -rf "$out" && mkdir -p "$out"
work=$(mktemp -d)
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# The program as a user gets it: installed, with its help file in the data
# folder and none beside it.
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >"$work/install.log" ||
    { cat "$work/install.log" >&2; fail "the install failed"; }
program=$prefix/bin/corbelwright
[[ -x $program && -f $prefix/share/corbelwright/CWHelp.Hlp && ! -e $prefix/bin/CWHelp.Hlp ]] ||
    fail "$prefix does not hold the program and its help file"

# The X display, whatever platform the tests around it chose.
unset QT_QPA_PLATFORM
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$HOME" && mkdir -m 0700 "$XDG_RUNTIME_DIR"
# Money texts in the en_US format; Qt reads LANG itself, no glibc locale is needed.
export LANG=en_US.UTF-8 LC_ALL=

# The window manager; it runs its start-up command once it manages the screen.
openbox --startup "touch $work/wm-ready" >"$work/openbox.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do
    [[ -e $work/wm-ready ]] && break
    kill -0 "${pids[-1]}" 2>/dev/null || break
    sleep 0.2
done
[[ -e $work/wm-ready ]] || { cat "$work/openbox.log" >&2; fail "openbox did not start"; }

# The accessibility bus; the registry on it is started on demand. Asking for
# the bus's address before the launcher holds its name would start another.
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/bus.log" 2>&1 &
pids+=($!)
held() {
    dbus-send --session --print-reply=literal --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q true
}
for _ in $(seq 50); do
    held && break
    kill -0 "${pids[-1]}" 2>/dev/null || break
    sleep 0.2
done
address=
held && address=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
    org.a11y.Bus.GetAddress 2>&1)
[[ $address == *unix:* ]] ||
    { cat "$work/bus.log" >&2; fail "the accessibility bus did not start${address:+ ($address)}"; }

# Qt's accessibility bridge, on whatever the desktop settings say.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start=$SECONDS
/usr/bin/python3 tests/e2e/session.py "$program" "$out" "$work" ||
    fail "failed after $((SECONDS - start)) s; screenshots, trees and findings in $out"
echo "session: passed in $((SECONDS - start)) s; screenshots, trees and findings in $out"
