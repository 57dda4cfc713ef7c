#!/usr/bin/python3
"""A program's windows as a screen reader meets them, through AT-SPI.

  screen_reader.py walk PID WINDOW      every control shown in the window, as
                                        JSON: [[role, name, description], ...]
  screen_reader.py press PID WINDOW NAME
                                        presses the button called NAME through
                                        its AT-SPI action, as a screen reader's
                                        user does

WINDOW is the window's accessible name (its title). The window is waited for
up to ten seconds; exit status 1 when it or the button never came.
"""
import json
import sys
import time

import pyatspi

# Where a screen reader stops and reads a name: what the user works or reads.
CONTROLS = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_TEXT,
    pyatspi.ROLE_ENTRY, pyatspi.ROLE_PASSWORD_TEXT, pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_DATE_EDITOR,
    pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_LIST, pyatspi.ROLE_TREE, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE,
    pyatspi.ROLE_LIST_BOX, pyatspi.ROLE_PROGRESS_BAR, pyatspi.ROLE_SLIDER, pyatspi.ROLE_PAGE_TAB,
    pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_LABEL, pyatspi.ROLE_STATIC, pyatspi.ROLE_PANEL, pyatspi.ROLE_GROUPING,
}
# Their rows and cells are the list's own reading, not controls of the window.
CONTAINERS = {pyatspi.ROLE_LIST, pyatspi.ROLE_TREE, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_LIST_BOX}
# A frame or label without words is layout; a screen reader passes over it.
SILENT_WHEN_EMPTY = {pyatspi.ROLE_LABEL, pyatspi.ROLE_STATIC, pyatspi.ROLE_PANEL, pyatspi.ROLE_GROUPING}


def window_of(pid, title):
    deadline = time.monotonic() + 10
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            try:
                if app is None or app.get_process_id() != pid:
                    continue
                for window in app:
                    if window is not None and window.name == title \
                            and window.getState().contains(pyatspi.STATE_SHOWING):
                        return window
            except Exception:  # an application that went away meanwhile
                continue
        time.sleep(0.2)
    return None


def shown(node):
    for child in node:
        if child is None or not child.getState().contains(pyatspi.STATE_SHOWING):
            continue
        yield child
        if child.getRole() not in CONTAINERS:
            yield from shown(child)


def walk(window):
    found = []
    for node in shown(window):
        role = node.getRole()
        if role not in CONTROLS:
            continue
        if role in SILENT_WHEN_EMPTY and not node.name:
            continue
        found.append([node.getRoleName(), node.name, node.description])
    return found


def press(window, name):
    for node in shown(window):
        if node.getRole() == pyatspi.ROLE_PUSH_BUTTON and node.name == name:
            action = node.queryAction()
            for i in range(action.nActions):
                if action.getName(i) in ('press', 'Press', 'click'):
                    return action.doAction(i)
    return False


def main(argv):
    command, pid, title = argv[1], int(argv[2]), argv[3]
    window = window_of(pid, title)
    if window is None:
        print('no window "%s" of process %d' % (title, pid), file=sys.stderr)
        return 1
    if command == 'walk':
        print(json.dumps(walk(window), ensure_ascii=False))
        return 0
    if command == 'press':
        if press(window, argv[4]):
            return 0
        print('no button "%s" to press' % argv[4], file=sys.stderr)
        return 1
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == '__main__':
    sys.exit(main(sys.argv))
