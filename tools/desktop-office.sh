#!/usr/bin/env bash
# Runs the live word processor tests a second time under the sanitizers, against the LibreOffice a desktop
# has: the one with windows (libreoffice-writer), under a virtual display. Installing it replaces the
# headless -nogui packages the rest of the suite runs with; they are put back afterwards, whether the tests
# passed or not, so that the machine is left as it was found.
# Usage: tools/desktop-office.sh [build folder]   (build-sanitize by default, as configured by make test)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build-sanitize}"

sudo=()
if [[ $(id -u) -ne 0 ]]; then
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
apt_install() {
  "${sudo[@]}" apt-get install -y -qq --no-install-recommends "$@"
}

put_back_headless() {
  local status=$?
  trap - EXIT
  echo "Putting back the headless LibreOffice"
  # Both -nogui packages: installing only the writer would leave the full core in place.
  apt_install libreoffice-writer-nogui libreoffice-core-nogui || status=1
  "${sudo[@]}" apt-get autoremove -y -qq || status=1
  exit "$status"
}

if [[ ! -d "$build" ]]; then
  echo "No build folder $build: run make test first." >&2
  exit 2
fi

trap put_back_headless EXIT
echo "Installing the LibreOffice with windows"
"${sudo[@]}" apt-get update -qq
apt_install libreoffice-writer xvfb xauth
cd "$build"
# LeakSanitizer's tracer still crashes now and then as a live test program exits with this LibreOffice
# (after every test in it has passed; about one run in ten): until that is ended, a live test program that
# fails gets one more run, and the failure stays in the log above the rerun.
xvfb-run -a ctest -L live --output-on-failure --repeat until-pass:2
