#!/usr/bin/env bash
# The program as a screen reader meets it: starts a private X server with a window manager, a
# private session bus and the accessibility bus with its registry, then runs bus_test.py, which
# starts copies of the program there and reads every window over the accessibility bus.
# Everything started here is stopped again, also when the test fails or is interrupted.
#
#   run.sh <build folder>
set -euo pipefail

build=$(readlink -f "$1")
here=$(dirname "$(readlink -f "$0")")
tmp=$(mktemp -d)
pids=()
aufraeumen() {
    # Last started first; the bus launcher stops the accessibility bus it started itself.
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
    for p in "${pids[@]}"; do
        for _ in $(seq 50); do kill -0 "$p" 2>/dev/null || break; sleep 0.1; done
        kill -9 "$p" 2>/dev/null || true
    done
    rm -rf "$tmp"
}
trap aufraeumen EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

fehler() {
    echo "FEHLER: $*" >&2
    exit 1
}

# Waits up to 10 s until the command succeeds.
warten() {
    local was=$1
    shift
    for _ in $(seq 100); do
        "$@" >/dev/null 2>&1 && return
        sleep 0.1
    done
    fehler "$was nicht innerhalb von 10 s bereit: $(tail -n 5 "$tmp"/*.log 2>/dev/null)"
}

mkdir -m 700 "$tmp/laufzeit"
export HOME=$tmp XDG_RUNTIME_DIR=$tmp/laufzeit
unset AT_SPI_BUS_ADDRESS DBUS_SESSION_BUS_ADDRESS

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$tmp/display" >"$tmp/xvfb.log" 2>&1 &
pids+=($!)
warten "Xvfb" grep -q . "$tmp/display"
export DISPLAY=:$(cat "$tmp/display")
# A window manager gives the focus back to a window when the dialog it opened closes.
openbox --sm-disable --startup "touch $tmp/wm" >"$tmp/openbox.log" 2>&1 &
pids+=($!)
warten "Der Fenstermanager" test -e "$tmp/wm"

# Whether a name on a bus has its owner; asks the bus itself, which would start a service
# asked for directly.
besetzt() {
    dbus-send --bus="$1" --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner "string:$2" | grep -q 'boolean true'
}

export DBUS_SESSION_BUS_ADDRESS=unix:path=$tmp/sitzungsbus
dbus-daemon --session --nofork --nopidfile --address="$DBUS_SESSION_BUS_ADDRESS" \
    >"$tmp/dbus.log" 2>&1 &
pids+=($!)
warten "Der Sitzungsbus" test -S "$tmp/sitzungsbus"

/usr/libexec/at-spi-bus-launcher --launch-immediately >"$tmp/launcher.log" 2>&1 &
pids+=($!)
warten "Der Barrierefreiheitsbus" besetzt "$DBUS_SESSION_BUS_ADDRESS" org.a11y.Bus
a11y=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
    org.a11y.Bus.GetAddress | tr -d ' ')
AT_SPI_BUS_ADDRESS=$a11y /usr/libexec/at-spi2-registryd >"$tmp/registry.log" 2>&1 &
pids+=($!)
warten "Das Register" besetzt "$a11y" org.a11y.atspi.Registry

# Debian's Python with its pyatspi, not one that comes first in PATH; waited for in the
# background, so that a signal to this script stops everything at once.
cp "$build/velkor" "$tmp/velkor"
/usr/bin/python3 -I "$here/bus_test.py" "$tmp/velkor" "$build/starter/Cocktails.mdb" &
pids+=($!)
status=0
wait "$!" || status=$?
exit "$status"
