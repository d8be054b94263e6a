#!/bin/sh
# What a user waits for after Finish, measured from outside: the real wizard on an X server of its own,
# Finish clicked with xdotool, the clock stopped when the X server shows a Writer window.
#
#   tools/finish-to-window.sh BUILD_FOLDER [RUNS] [STYLE] [SECONDS_BEHIND] [LIBREOFFICE]
#
# BUILD_FOLDER holds tavrin and its live plugin, built against LIBREOFFICE (a LibreOffice with its
# windows, default /work/lo-full/libreoffice). The program starts only the LibreOffice installed in
# /usr/lib/libreoffice; where that one has no windows (the -nogui packages), the run starts LIBREOFFICE
# itself, as the program would (on Tavrin's pipe, the user's profile), just before the wizard, which
# attaches to it. Finish is clicked SECONDS_BEHIND (default 6) after LibreOffice's start. STYLE is the
# caption of the style's option ("Romantic", "Modernistic").
#
# Needs xvfb-run, xdotool, dbus-run-session, at-spi2-core and python3-pyatspi (the wizard's controls are
# found through AT-SPI). Each run has a home folder of its own, so the pipe must be free: run it alone.
set -eu
build=$(realpath "$1")
runs=${2:-7}
style=${3:-Romantic}
behind=${4:-6}
office=$(realpath "${5:-/work/lo-full/libreoffice}")
here=$(dirname "$(realpath "$0")")

exec dbus-run-session -- xvfb-run -a -s "-screen 0 1280x1024x24" /usr/bin/python3 \
    "$here/finish_to_window.py" "$build/tavrin" "$runs" "$style" "$behind" "$office"
