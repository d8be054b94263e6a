#!/bin/sh
# Runs a test on a private session bus with Evolution Data Server's source registry and address-book
# factory, all in temporary folders, and stops them afterwards.
# Usage: with_evolution.sh <test program> [arguments]
set -eu
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
export HOME="$dir" XDG_DATA_HOME="$dir/data" XDG_CONFIG_HOME="$dir/config" XDG_CACHE_HOME="$dir/cache"
export XDG_RUNTIME_DIR="$dir/run" GSETTINGS_BACKEND=memory
mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
dbus-run-session -- sh -c '
  # Each service is started once, by us: the next waits until the one before holds its name, so that the
  # bus does not start a second one on demand.
  owned() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
      org.freedesktop.DBus.NameHasOwner "string:$1" 2>/dev/null | grep -q "boolean true"
  }
  started() {
    tries=0
    until owned "$1"; do
      tries=$((tries + 1))
      [ $tries -le 200 ] || { echo "$1 did not start" >&2; return 1; }
      sleep 0.1
    done
  }
  status=0
  /usr/libexec/evolution-source-registry & registry=$!
  started org.gnome.evolution.dataserver.Sources5 || status=1
  /usr/libexec/evolution-addressbook-factory & factory=$!
  started org.gnome.evolution.dataserver.AddressBook10 || status=1
  [ $status -ne 0 ] || "$@" || status=$?
  kill $registry $factory 2>/dev/null || true
  wait $registry $factory 2>/dev/null || true
  exit $status' sh "$@"
