"""What a screen reader hears of the app, over the real accessibility bus:
its event loop and cache running, focus events and description changes heard.

    dbus-run-session -- python3 screen-reader.py APP [ARG...]   (on $DISPLAY)
"""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

BUTTON = pyatspi.ROLE_PUSH_BUTTON
heard = []  # (name, role, description) of each control the focus lands on
failed = []


def on_event(event):
    if event.type.endswith("focused") and event.detail1:
        heard.append((event.source.name, event.source.getRole(), event.source.description))


def nodes(node):
    for child in node or []:
        yield child
        yield from nodes(child)


def find(role, name=None):  # by role, not its name: AT-SPI 2.56 says "button" for "push button"
    app = next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "morvelin"), None)
    return next((n for n in nodes(app) if n.getRole() == role and name in (None, n.name)), None)


def wait(what, condition):  # runs the event loop meanwhile
    end = time.monotonic() + 20
    while not condition():
        if time.monotonic() > end:
            raise TimeoutError("waited 20 s for " + what)
        GLib.MainContext.default().iteration(False)
        time.sleep(0.02)


def check(what, seen, expected):
    failed.extend([] if seen == expected else [what])
    print(f"screen-reader-test: {'ok' if seen == expected else 'FAIL'}: {what}: {seen!r}")


def windows():
    return subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Morvelin$"],
                          capture_output=True, text=True, check=False).stdout.split()


def keys(window, *names):  # without a window manager the test gives the window the keyboard
    subprocess.run(["xdotool", "windowfocus", "--sync", windows()[window]]
                   + (["key", "--delay", "100", *names] if names else []), check=True)


def run():
    wait("the window", lambda: find(BUTTON, "复制"))
    check("the draw boxes", [bool(find(pyatspi.ROLE_TEXT, f"开奖号码第{n}位")) for n in "一二三"], [True] * 3)
    # Looked at before, as a screen reader does when the focus passes by.
    check("复制 before a calculation", find(BUTTON, "复制").description, "")
    keys(0, "Tab", "Tab", "Tab", "Return")
    wait("the message box", lambda: find(pyatspi.ROLE_ALERT) and heard and heard[-1][0] == "确定")
    check("the message box says", "请输入开奖号码" in [n.name for n in nodes(find(pyatspi.ROLE_ALERT))], True)
    check("the focus in it", heard[-1], ("确定", BUTTON, ""))
    keys(-1, "Return")
    wait("the message box to close", lambda: len(windows()) == 1)
    keys(0)
    wait("the focus back in the first box", lambda: heard[-1][0] == "开奖号码第一位")
    keys(0, "1", "2", "3", "Return")
    wait("the focus on 复制", lambda: heard[-1][0] == "复制")
    check("复制 after 1 2 3 Enter", heard[-1], ("复制", BUTTON, "4 5 9 0 1 8 2 点 3，4 5 9 0 7 3 6 点 3"))
    # 清空 and a pasted draw walk the focus along the boxes; a screen reader
    # hears only where it ends. A Tab after each is a focus move heard last.
    keys(0, "shift+Tab", "shift+Tab", "shift+Tab", "shift+Tab")
    wait("the focus on 清空", lambda: heard[-1][0] == "清空")
    start = len(heard)
    keys(0, "Return", "Tab")
    wait("the focus on the first set", lambda: heard[-1][0] == "Morvelin一")
    check("清空 moves the focus", heard[start:-1], [("开奖号码第一位", pyatspi.ROLE_TEXT, "")])
    check("复制 after 清空", find(BUTTON, "复制").description, "")
    # A pasted draw walks the focus along the boxes, heard where it ends; pasted
    # text that is no draw goes in as typed and its change moves the focus on.
    for pasted, key, box in (("4 5 6", "shift+Tab", "开奖号码第一位"), ("x", "Tab", "开奖号码第三位")):
        subprocess.run(["xclip", "-selection", "clipboard", "-i"], input=pasted, text=True, check=True)
        keys(0, key)
        wait("the focus in " + box, lambda: heard[-1][0] == box)
        start = len(heard)
        keys(0, "ctrl+v", "Tab")
        wait("the focus on 清空", lambda: heard[-1][0] == "清空")
        check(f"pasting {pasted!r} moves the focus", heard[start:-1], [("计算", BUTTON, "")])


def main():
    try:
        run()
    except Exception as error:  # a dead app, a lost bus, a wait that ran out
        check("the run", repr(error), "no error")
    pyatspi.Registry.stop()


pyatspi.Registry.registerEventListener(
    on_event, "object:state-changed:focused", "object:property-change:accessible-description")
application = subprocess.Popen(sys.argv[1:])
GLib.idle_add(main)
pyatspi.Registry.start()
application.kill()
sys.exit(1 if failed else 0)
