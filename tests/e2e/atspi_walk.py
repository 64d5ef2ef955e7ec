#!/usr/bin/env python3
"""Walks the running program over AT-SPI, driving it with real X keys (xdotool).

On every screen reached, every shown text field, button, page tab and check box must
have a name. Exits 1 with a list of what failed."""
import re
import subprocess
import sys
import time

import pyatspi

CONTROL_ROLES = {
    pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_PASSWORD_TEXT, pyatspi.ROLE_PUSH_BUTTON,
    pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_CHECK_BOX,
}
if hasattr(pyatspi, "ROLE_PUSH_BUTTON_MENU"):
    CONTROL_ROLES.add(pyatspi.ROLE_PUSH_BUTTON_MENU)

failures = []


def key(*names):
    for name in names:
        subprocess.run(["xdotool", "key", "--delay", "80", name], check=True)
        time.sleep(0.25)


def app():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        a = desktop.getChildAtIndex(i)
        if a is not None and "jaxo" in (a.name or "").lower():
            return a
    return None


def showing(node):
    try:
        return node.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def walk(node, depth=0):
    """Yields every showing node below node (node included)."""
    if node is None or depth > 40 or not showing(node):
        return
    yield node
    for i in range(node.childCount):
        try:
            child = node.getChildAtIndex(i)
        except Exception:
            continue
        yield from walk(child, depth + 1)


def windows():
    a = app()
    if a is None:
        return []
    return [a.getChildAtIndex(i) for i in range(a.childCount)]


def window(name):
    for w in windows():
        if w is not None and w.name == name and showing(w):
            return w
    return None


def wait_for(what, condition, seconds=10):
    end = time.time() + seconds
    while time.time() < end:
        result = condition()
        if result:
            return result
        time.sleep(0.2)
    failures.append("did not happen: " + what)
    return None


def named(top, name):
    for n in walk(top):
        if n.name == name:
            return n
    return None


def focused_name(top):
    # A current page tab says "focused" too, whether its tab bar has the focus or not.
    for n in walk(top):
        if n.getRole() != pyatspi.ROLE_PAGE_TAB and n.getState().contains(pyatspi.STATE_FOCUSED):
            return n.name
    return None


def check(screen, top):
    count = 0
    for n in walk(top):
        if n.getRole() in CONTROL_ROLES:
            count += 1
            if not (n.name or "").strip():
                failures.append("%s: a %s has no name (description %r)" % (screen, n.getRoleName(), n.description))
    print("%s: %d controls checked" % (screen, count))
    if count == 0:
        failures.append(screen + ": no controls found")


# Titles are read without the "..." they show.
MAIN = "Jaxo4.00中文打字练习软件"
REPORT = "成绩报告单："


def main_window():
    return window(MAIN)


def last_said(top):
    """The newest notification of the window's live region: what a reader was given to say."""
    said = [n.name for n in walk(top) if n.getRole() == pyatspi.ROLE_NOTIFICATION]
    return said[-1] if said else ""


def close_report(screen):
    report = wait_for(screen + " ends in the report", lambda: window(REPORT))
    if report is None:
        return
    check("report after " + screen, report)
    # Its figures are said once, as it opens: a notification of its live region.
    wait_for("the report's figures given to a reader after " + screen, lambda: "正确率" in last_said(report))
    # The report takes keys once the keyboard has been quiet for a second.
    time.sleep(1.2)
    key("Return")
    wait_for("Enter closes the report after " + screen, lambda: window(REPORT) is None)


def exercise(screen, tab_key, moves, marker, leave, typed=""):
    key(tab_key, "Tab", *moves, "Return")
    main = main_window()
    if not wait_for(screen + " opens", lambda: named(main_window(), marker)):
        return
    check(screen, main_window())
    # The clock is an engraved label pair: read once, not twice.
    clocks = [n.name for n in walk(main_window()) if re.fullmatch(r"\d:\d\d:\d\d", n.name or "")]
    if len(clocks) != 1:
        failures.append("%s: the clock is read %d times" % (screen, len(clocks)))
    if typed:
        # What a screen reader hears on the line after each key: the next character,
        # and each mistake (the keys are chosen to miss the home-row drill).
        heard = []
        for ch in typed:
            subprocess.run(["xdotool", "type", ch], check=True)
            time.sleep(0.4)
            heard.append(last_said(main_window()))
        print("%s, line 1 after each of %r: %r" % (screen, typed, heard))
        if "下一个" not in heard[-1]:
            failures.append("%s: the line does not say what comes next (%r)" % (screen, heard[-1]))
        if not any("错" in h for h in heard):
            failures.append("%s: no mistake was announced (%r)" % (screen, heard))
    key(leave)
    close_report(screen)


def run():
    wait_for("the program on the accessibility bus", lambda: main_window())
    main = main_window()
    if main is None:
        return
    check("main window", main)
    exercise("Chinese page", "alt+z", ["Right"], "第1行输入", "Escape")
    exercise("English page", "alt+y", [], "第1行输入", "Escape", typed="qzqz")
    exercise("radical drill", "alt+z", [], "字根输入", "alt+q")
    exercise("vocabulary drill", "alt+b", [], "单词输入", "Escape")

    key("alt+x", "Tab", "Right", "Right", "Right", "Right", "Return")
    if wait_for("the settings panel opens", lambda: named(main_window(), "练习时间")):
        check("settings panel", main_window())
        for _ in range(15):
            if focused_name(main_window()) == "确定":
                break
            key("Tab")
        if focused_name(main_window()) != "确定":
            failures.append("settings panel: Tab never reached 确定")
        key("Return")
        wait_for("确定 closes the settings panel", lambda: named(main_window(), "练习时间") is None)

    # Leave: 系统, the last button (Left from the first wraps round to it).
    key("alt+x", "Tab", "Left", "Return")


run()
for f in failures:
    print("FAIL:", f)
sys.exit(1 if failures else 0)
