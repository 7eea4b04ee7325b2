#!/usr/bin/python3
"""Reads the agent's window over the accessibility bus, as a screen reader does.

    atspi-probe.py controls                 the focusable controls shown now, one per
                                            line: role, name and the name of the
                                            caption labelling it, tab-separated
    atspi-probe.py wait-focus ROLE NAME     waits until the control with the focus
                                            has that role and name
    atspi-probe.py wait-shown ROLE NAME     waits until such an object is shown

The agent's window is found by its title. Every wait gives up after
LODESTAR_ATSPI_WAIT seconds (default 60) and then exits 1, printing what it
saw last.
"""
import os
import sys
import time

import pyatspi

TITLE = "Aerum Identity LDAP Sync Agent"
LIMIT = float(os.environ.get("LODESTAR_ATSPI_WAIT", "60"))


def windows():
    desktop = pyatspi.Registry.getDesktop(0)
    for application in desktop:
        if application is None:
            continue
        for window in application:
            if window is not None:
                yield window


def walk(node, depth=0):
    # A broken or vanishing object (a page switching under us) ends its branch.
    if node is None or depth > 40:
        return
    yield node
    try:
        # A combo box's list is its own popup, reached through the box.
        if node.getRoleName() == "combo box":
            return
        children = list(node)
    except Exception:
        return
    for child in children:
        yield from walk(child, depth + 1)


def caption(node):
    """The name of what labels the node. On Linux Qt names a combo box by its
    value; screen readers announce it by this caption."""
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY and relation.getNTargets() > 0:
            return relation.getTarget(0).name
    return ""


def shown(node):
    try:
        states = node.getState()
        return states.contains(pyatspi.STATE_SHOWING) and states.contains(pyatspi.STATE_VISIBLE)
    except Exception:
        return False


def describe(node):
    return "%s\t%s" % (node.getRoleName(), node.name)


def agent_objects():
    """Every shown object of the agent's windows (the wizard and its dialog)."""
    found = []
    for window in windows():
        try:
            if window.getApplication().name != "lodestar":
                continue
        except Exception:
            continue
        found.extend(node for node in walk(window) if shown(node))
    return found


def controls():
    lines = []
    for node in agent_objects():
        try:
            if node.getState().contains(pyatspi.STATE_FOCUSABLE):
                lines.append("%s\t%s" % (describe(node), caption(node)))
        except Exception:
            pass
    return lines


def wait(matches, what):
    deadline = time.monotonic() + LIMIT
    seen = []
    while True:
        try:
            seen = agent_objects()
            if any(matches(node) for node in seen):
                return 0
        except Exception as error:  # the tree changed while we read it
            seen = [error]
        if time.monotonic() > deadline:
            print("atspi-probe: no %s within %g s; shown were:" % (what, LIMIT), file=sys.stderr)
            for node in seen:
                try:
                    print("  " + describe(node), file=sys.stderr)
                except Exception:
                    print("  %r" % (node,), file=sys.stderr)
            return 1
        time.sleep(0.2)


def is_control(node, role, name, focused):
    try:
        if node.getRoleName() != role or node.name != name:
            return False
        return not focused or node.getState().contains(pyatspi.STATE_FOCUSED)
    except Exception:
        return False


def main(argv):
    if len(argv) == 2 and argv[1] == "controls":
        print("\n".join(controls()))
        return 0
    if len(argv) == 4 and argv[1] in ("wait-focus", "wait-shown"):
        role, name, focused = argv[2], argv[3], argv[1] == "wait-focus"
        what = "%s %s \"%s\"" % ("focused" if focused else "shown", role, name)
        return wait(lambda node: is_control(node, role, name, focused), what)
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
