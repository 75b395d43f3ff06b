# SPDX-FileCopyrightText: 2026 The Vellumar developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Uses Vellumar as a screen reader user does, through AT-SPI and the keyboard.

Run inside a private session bus (dbus-run-session) with the application's
path; the fixture catalogue's address comes in VELLUMAR_CATALOGUE_URL.
"""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import Gio, GLib

children = []
application = None  # once found: shown when something is missing


def start(command, **kwargs):
    process = subprocess.Popen(command, **kwargs)
    children.append(process)
    return process


def display():
    """A virtual screen of desktop size, on the first free display number."""
    read, write = os.pipe()
    # -noreset: a server that resets as its last client leaves turns the next one away.
    start(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x800x24", "-nolisten", "tcp",
           "-noreset"],
          pass_fds=[write], stderr=subprocess.DEVNULL)
    os.close(write)
    with os.fdopen(read) as pipe:
        return ":" + pipe.readline().strip()


def screen_reader_on():
    """What a screen reader announces on the session bus when it starts."""
    start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
    bus = Gio.bus_get_sync(Gio.BusType.SESSION)
    for _ in range(100):
        try:
            bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties",
                          "Set", GLib.Variant("(ssv)", ("org.a11y.Status", "ScreenReaderEnabled",
                                                        GLib.Variant("b", True))),
                          None, Gio.DBusCallFlags.NONE, 1000, None)
            return
        except GLib.Error:
            time.sleep(0.1)
    raise SystemExit("no accessibility bus")


def wait_for(what, find, seconds=60):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            found = find()
        except GLib.Error:  # a node went away while being read
            found = None
        if found:
            return found
        time.sleep(0.1)
    if application is not None:
        dump(application)
    raise AssertionError("not found: " + what)


def nodes(root):
    yield root
    for child in filter(None, root):
        yield from nodes(child)


def showing(root):
    return [n for n in nodes(root) if n.getState().contains(pyatspi.STATE_SHOWING)]


def dump(node, depth=0):
    """The tree as a screen reader walks it: what shows, with focus and choice."""
    states = node.getState()
    marks = [pyatspi.stateToString(s) for s in (pyatspi.STATE_FOCUSED, pyatspi.STATE_SELECTED)
             if states.contains(s)]
    if states.contains(pyatspi.STATE_SHOWING):
        print("  " * depth + " ".join([f"[{node.getRoleName()}] {node.name!r}"] + marks))
    for child in filter(None, node):
        dump(child, depth + 1)


def press(key):
    keysym = {"Return": 0xff0d, "Tab": 0xff09, "Escape": 0xff1b, "space": 0x20,
              "Menu": 0xff67}.get(key) or ord(key)
    pyatspi.Registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)


def focused(root):
    return next((n for n in reversed(list(nodes(root)))
                 if n.getState().contains(pyatspi.STATE_FOCUSED)), None)


def tab_to(root, role, name):
    """Tabs on until the keyboard is on that control, as a screen reader user does."""
    for _ in range(100):
        press("Tab")
        node = wait_for("focus", lambda: focused(root))
        if (node.getRoleName(), node.name) == (role, name):
            return node
    raise AssertionError(f"Tab never reaches the {role} {name!r}")


def dismiss(dialog, key):
    press(key)
    wait_for("the dialog gone", lambda: not dialog.getState().contains(pyatspi.STATE_SHOWING))


def find(root, role, name):
    return wait_for(f"{role} {name!r}", lambda: next(
        (n for n in showing(root) if (n.getRoleName(), n.name) == (role, name)), None))


def every_control_named(root):
    """What a screen reader meets is named, and no two buttons share a name."""
    buttons = []
    for node in showing(root):
        role = node.getRoleName()
        assert role != "unknown" and node.name, f"unnamed {role} in {node.parent.name!r}"
        if role == "push button":
            assert node.name not in buttons, f"two buttons named {node.name!r}"
            buttons.append(node.name)


def main():
    os.environ["DISPLAY"] = display()
    screen_reader_on()
    start([sys.argv[1], "--region", "us"])
    desktop = pyatspi.Registry.getDesktop(0)
    global application
    application = wait_for("the window", lambda: next(
        (a for a in filter(None, desktop) if a.name == "Vellumar" and a.childCount), None))
    frame = application.getChildAtIndex(0)

    # The search field has the keyboard at once; Return searches.
    field = wait_for("the focused search field", lambda: focused(frame))
    assert (field.getRoleName(), field.name) == ("text", "输入应用名称或粘贴 App Store 链接")
    for letter in "lantern":
        press(letter)
    press("Return")
    results = find(frame, "list", "找到的应用")
    find(results, "list item", "Lantern Notes")

    # Return on a row opens it beside the list; the row reads as chosen, each fact as its
    # label and value, under named sections.
    row = tab_to(frame, "list item", "Lantern Notes")
    press("Return")
    details = find(frame, "layered pane", "应用详情")
    find(details, "heading", "信息")
    find(details, "push button", "Bundle ID：com.lanternlabs.notes")
    assert row.getState().contains(pyatspi.STATE_SELECTED)
    every_control_named(frame)

    # The list is one Tab stop: the row's menu saves; a notice that does not take the
    # keyboard away says which file it wrote, and offers to show it.
    row = tab_to(frame, "list item", "Lantern Notes")
    press("Menu")
    find(application, "menu item", "保存图标")
    press("Return")
    where = "~/Pictures/Vellumar/Lantern Notes 1024.png"
    notice = find(application, "alert", "已保存 Lantern Notes 1024.png")
    find(notice, "push button", "在文件夹中显示")
    assert os.path.isfile(os.path.expanduser(where))
    every_control_named(notice)
    dump(application)

    # The other screens, by keyboard too: the settings are in the main menu.
    tab_to(frame, "push button", "主菜单")
    press("space")
    find(application, "menu item", "偏好设置")
    press("Return")
    settings = find(application, "dialog", "设置")
    every_control_named(settings)
    dismiss(settings, "Escape")
    tab_to(frame, "page tab", "历史")
    press("space")
    history = find(frame, "list", "下载历史")
    find(history, "list item", "Lantern Notes")
    every_control_named(frame)


try:
    main()
finally:
    for process in reversed(children):
        process.terminate()
        process.wait()
