#!/bin/sh
# Runs a command that needs an X display: on the display DISPLAY names, or,
# without one, on a private Xvfb server that lives as long as the command.
if [ -n "${DISPLAY:-}" ]; then
  exec "$@"
fi
exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$@"
