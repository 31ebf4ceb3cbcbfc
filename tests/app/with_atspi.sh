#!/bin/sh
# with_atspi.sh COMMAND...: runs COMMAND on a session bus of its own with the accessibility
# bus up, as a desktop with a screen reader has it, and Qt's bridge to it switched on.
# Started under dbus-run-session, which ends the buses with the command.
set -e
if [ -z "${HAZAMA_ATSPI_SESSION:-}" ]; then
  HAZAMA_ATSPI_SESSION=1 exec dbus-run-session -- "$0" "$@"
fi
/usr/libexec/at-spi-bus-launcher --launch-immediately &
launcher=$!
trap 'kill $launcher 2>/dev/null || true' EXIT
# The bus is up once it answers for its address.
for _ in $(seq 50); do
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
    >/dev/null 2>&1 && break
  sleep 0.1
done
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
"$@"
