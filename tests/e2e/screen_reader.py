#!/usr/bin/python3
"""Reads Barwright's accessibility tree as a screen reader does, through AT-SPI.

    screen_reader.py items          every item as "role<TAB>name", one a line
    screen_reader.py press NAME     presses the item of that name
    screen_reader.py text NAME      prints the text of the item of that name
"""
import sys
import time

import pyatspi


def program():
    deadline = time.monotonic() + 20
    while time.monotonic() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "Barwright":
                return app
        time.sleep(0.1)
    sys.exit("barwright is not on the accessibility bus")


def items(node):
    for child in node:
        if child is not None:
            yield child
            yield from items(child)


def named(name):
    deadline = time.monotonic() + 20
    while time.monotonic() < deadline:
        for item in items(program()):
            if item.name == name:
                return item
        time.sleep(0.1)
    sys.exit("no item named " + name)


command = sys.argv[1]
if command == "items":
    for item in items(program()):
        print(item.getRoleName() + "\t" + item.name)
elif command == "press":
    named(sys.argv[2]).queryAction().doAction(0)
elif command == "text":
    print(named(sys.argv[2]).queryText().getText(0, -1))
