#!/usr/bin/env python3
"""Finish to a visible Writer window, from outside: run by tools/finish-to-window.sh (which sets up the
X server and the session bus), not by itself.

Each run starts LibreOffice on Tavrin's pipe, as the program starts it but with a new profile of the
run's own, and tavrin as soon as the pipe listens (its wizard attaches). The run
finds the wizard's controls through AT-SPI, goes to the style page and picks the style, waits until
LibreOffice started the given seconds ago, moves the pointer over Finish and times from the click until
xdotool sees a viewable window titled "... - LibreOffice Writer". The run's LibreOffice is then ended
by its process ids (those with the run's profile on their command line).

    finish_to_window.py TAVRIN RUNS STYLE SECONDS_BEHIND LIBREOFFICE
"""

import os
import signal
import socket
import statistics
import subprocess
import sys
import tempfile
import time

import pyatspi

WRITER_TITLE = " - LibreOffice Writer$"
PIPE = "/tmp/OSL_PIPE_%d_tavrin" % os.getuid()


def xdotool(*arguments):
    return subprocess.run(["xdotool", *arguments], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                          text=True)


def writer_window_shown():
    return xdotool("search", "--onlyvisible", "--name", WRITER_TITLE).returncode == 0


def find(node, role, name):
    """The first showing control of the role and name under node."""
    if node is None:
        return None
    try:
        if node.getRole() == role and node.name == name and node.getState().contains(pyatspi.STATE_SHOWING):
            return node
        for child in node:
            found = find(child, role, name)
            if found is not None:
                return found
    except Exception:  # pylint: disable=broad-except; AT-SPI fails in many ways on a control just gone
        return None
    return None


def wizard(timeout=30):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for application in desktop:
            if application is not None and application.name.lower() == "tavrin":
                if find(application, pyatspi.ROLE_PUSH_BUTTON, "Finish") is not None:
                    return application
        time.sleep(0.1)
    raise SystemExit("The wizard did not show.")


def centre(control):
    extents = control.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return str(extents.x + extents.width // 2), str(extents.y + extents.height // 2)


def click(control):
    xdotool("mousemove", *centre(control), "click", "1")


def choose_style(application, style):
    for _ in range(10):
        option = find(application, pyatspi.ROLE_RADIO_BUTTON, style)
        if option is not None:
            click(option)
            return
        click(find(application, pyatspi.ROLE_PUSH_BUTTON, "Next >"))
        time.sleep(0.3)
    raise SystemExit("No style page with %s." % style)


def processes_naming(profile):
    found = []
    for pid in os.listdir("/proc"):
        if not pid.isdigit():
            continue
        try:
            with open("/proc/%s/cmdline" % pid, "rb") as command:
                if profile.encode() in command.read():
                    found.append(int(pid))
        except OSError:
            pass
    return found


def end_processes(profile):
    for sig in (signal.SIGTERM, signal.SIGKILL):
        pids = processes_naming(profile)
        for pid in pids:
            try:
                os.kill(pid, sig)
            except ProcessLookupError:
                pass
        if pids:
            time.sleep(1)


def pipe_listens():
    with socket.socket(socket.AF_UNIX, socket.SOCK_STREAM) as probe:
        try:
            probe.connect(PIPE)
            return True
        except OSError:
            return False


def start_office(office, profile):
    if pipe_listens():
        raise SystemExit("Something already listens on %s." % PIPE)
    log = open(os.path.join(profile, "soffice.log"), "wb")  # pylint: disable=consider-using-with
    subprocess.Popen([os.path.join(office, "program", "soffice"), "-env:UserInstallation=file://" + profile,
                      "--norestore", "--nologo", "--nodefault",
                      "--accept=pipe,name=tavrin;urp;StarOffice.ComponentContext"],
                     stdout=log, stderr=subprocess.STDOUT)
    deadline = time.monotonic() + 60
    while not pipe_listens():
        if time.monotonic() > deadline:
            raise SystemExit("LibreOffice did not listen within a minute.")
        time.sleep(0.05)


def one_run(tavrin, style, behind, office):
    profile = tempfile.mkdtemp(prefix="tavrin-finish-")
    environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LANGUAGE="en", LANG="C.UTF-8",
                       LC_ALL="C.UTF-8")
    started = time.monotonic()
    try:
        start_office(office, profile)
        program = subprocess.Popen([tavrin], env=environment, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        application = wizard()
        choose_style(application, style)
        finish = find(application, pyatspi.ROLE_PUSH_BUTTON, "Finish")
        xdotool("mousemove", *centre(finish))
        if writer_window_shown():
            raise SystemExit("A Writer window shows before Finish.")
        time.sleep(max(0.0, behind - (time.monotonic() - started)))
        clicked = time.monotonic()
        xdotool("click", "1")
        while not writer_window_shown():
            if time.monotonic() - clicked > 60:
                raise SystemExit("No Writer window within a minute of Finish.")
        shown = (time.monotonic() - clicked) * 1000
        try:
            program.wait(timeout=30)
        except subprocess.TimeoutExpired:
            program.kill()
        return shown
    finally:
        end_processes(profile)
        subprocess.run(["rm", "-rf", profile], check=False)


def main():
    tavrin, runs, style, behind, office = sys.argv[1], int(sys.argv[2]), sys.argv[3], float(sys.argv[4]), sys.argv[5]
    subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(1)
    times = []
    for run in range(runs):
        milliseconds = one_run(tavrin, style, behind, office)
        times.append(milliseconds)
        print("run %d: %.0f ms" % (run + 1, milliseconds), flush=True)
    print("%s, Finish to a visible Writer window: median %.0f ms (%.0f to %.0f), %d runs, load %s"
          % (style, statistics.median(times), min(times), max(times), runs,
             " ".join(open("/proc/loadavg").read().split()[:3])))


if __name__ == "__main__":
    main()
