#!/usr/bin/python3
# Lists what a screen reader sees of the running program: role, name, description and value of
# every shown object (tables, lists and menus as one line each), read through AT-SPI.
import pyatspi


def walk(acc, depth=0):
    line = '  ' * depth + '%s "%s"' % (acc.getRoleName(), acc.name)
    if acc.description:
        line += ' - ' + acc.description
    try:
        line += ' value=%g' % acc.queryValue().currentValue
    except NotImplementedError:
        pass
    print(line)
    if acc.getRoleName() in ('table', 'list', 'menu'):
        return
    for child in acc:
        if child is not None and child.getState().contains(pyatspi.STATE_SHOWING):
            walk(child, depth + 1)


for app in pyatspi.Registry.getDesktop(0):
    if app is not None and app.name == 'Analyse':
        walk(app)
