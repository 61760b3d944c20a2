#!/usr/bin/python3
# What a screen reader hears during a short session, through the real AT-SPI stack: starts the
# program on a decision with a gap in its criteria matrix, then a refused cell (status line, twice
# in a row), the consistency warning, "Поставить", a matrix arrow, Enter in a name editor and the decision on
# the result page. Prints every announcement and focus event that arrives, and fails when one
# that should is missing. Needs a D-Bus session with the accessibility bus and an X server
# (README, "Accessibility and themes"); keys go in as real X input through xdotool.
#
#   scripts/atspi-events.py [build/analyze]
import json
import os
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

program = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), '..', 'build', 'analyze')
events = []
focused = ['', '']  # the role and name of the object that said last that it has the focus


def on_event(event):
    try:
        app = event.source.getApplication()
        if app is None or app.name != 'Analyse':
            return
        role = event.source.getRoleName()
        name = event.source.name
        said = event.any_data if isinstance(event.any_data, str) else ''
        if event.type.startswith('object:property-change:accessible-description'):
            said = event.source.description
        if event.type == 'object:state-changed:focused':
            if not event.detail1:
                return
            focused[:] = [role, name]
    except Exception:
        return
    events.append((event.type, role, name, said))


def pump(seconds):
    # Lets the events of the last step arrive.
    end = time.time() + seconds
    context = GLib.MainContext.default()
    while time.time() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.02)


def key(*keys):
    subprocess.run(['xdotool', 'key', '--clearmodifiers'] + list(keys), check=True)
    pump(1.0)


def typed(text):
    subprocess.run(['xdotool', 'type', '--delay', '40', text], check=True)
    pump(0.4)


def find(root, role, name=None, starts=None):
    # Breadth first over the shown objects, without the cells of tables and lists: asking for
    # them one by one over D-Bus takes seconds.
    queue = [root]
    while queue:
        acc = queue.pop(0)
        if acc is None or not acc.getState().contains(pyatspi.STATE_SHOWING):
            continue
        if acc.getRoleName() == role and (name is None or acc.name == name) and (starts is None or acc.name.startswith(starts)):
            return acc
        if acc.getRoleName() not in ('table', 'list', 'menu bar', 'tree table'):
            queue.extend(acc)
    raise SystemExit('not found: %s %s' % (role, name or starts))


def press(button):
    button.queryAction().doAction(0)
    pump(0.8)


def focus(acc):
    acc.queryComponent().grabFocus()
    pump(0.5)


def step(title):
    show()
    print('\n== ' + title)
    del events[:]


checks = []


def expect(what, predicate):
    checks.append((what, any(predicate(e) for e in events)))


def show():
    for e in events:
        print('   %-46s %-12s "%s"%s' % (e[0], e[1], e[2], (' : ' + e[3]) if e[3] else ''))
    if focused[0]:
        print('   focus now on: %s "%s"' % tuple(focused))


def described(role, text_part):
    return lambda e: e[0].startswith('object:property-change:accessible-description') and e[1] == role and text_part in e[3]


for kind in ('object:property-change:accessible-description', 'object:announcement', 'object:state-changed:focused',
             'focus:', 'window:activate'):
    pyatspi.Registry.registerEventListener(on_event, kind)

recip = lambda t: '1' if t == '1' else t[2:] if t.startswith('1/') else '1/' + t
def matrix(upper, n):
    m = [['1'] * n for _ in range(n)]
    k = 0
    for i in range(n):
        for j in range(i + 1, n):
            m[i][j], m[j][i] = upper[k], recip(upper[k]) if upper[k] else ''
            k += 1
    return m

folder = tempfile.mkdtemp()
decision = os.path.join(folder, 'gap.ahp')
with open(decision, 'w', encoding='utf-8') as f:
    json.dump({'format': 'analyze-decision', 'version': 1, 'user': '', 'criteria': ['Цена', 'Качество', 'Сервис'],
               'alternatives': ['Альфа', 'Бета', 'Гамма'], 'criteriaJudgements': matrix(['', '9', '1/9'], 3),
               'alternativesJudgements': [matrix(['1', '1', '1'], 3)] * 3}, f, ensure_ascii=False)
env = dict(os.environ, XDG_CONFIG_HOME=folder, XDG_DATA_HOME=folder, QT_LINUX_ACCESSIBILITY_ALWAYS_ON='1')
window = subprocess.Popen([program, decision], env=env)
try:
    app = None
    for _ in range(100):
        pump(0.1)
        app = next((a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == 'Analyse'), None)
        if app is not None and app.childCount > 0:
            break
    if app is None:
        raise SystemExit('the program did not appear on the accessibility bus')
    # No window manager under Xvfb: the window gets the keyboard focus (and so becomes active) by hand.
    ids = subprocess.run(['xdotool', 'search', '--onlyvisible', '--pid', str(window.pid)], capture_output=True, text=True).stdout.split()
    if ids:
        subprocess.run(['xdotool', 'windowfocus', '--sync', ids[0]])
    pump(1.5)
    frame = app[0]
    grid = find(frame, 'table')

    step('a refused cell: 12 and Enter in the empty cell, then "Вычислить приоритеты"')
    focus(grid)
    typed('12')
    key('Return')
    calculate = find(frame, 'push button', starts='Вычислить')
    press(calculate)
    expect('status line message announced', described('status bar', '9'))
    del events[:]
    press(calculate)
    expect('the same message announced again while it is still shown', described('status bar', '9'))

    step('the cell mended into an inconsistent judgement, "Вычислить приоритеты" again')
    focus(grid)
    typed('9')
    key('Return')
    press(calculate)
    expect('consistency warning announced', described('label', 'согласованности'))

    step('"Поставить" in the revision panel, pressed with the space bar')
    apply = find(frame, 'push button', starts='Поставить')
    focus(apply)
    key('space')
    checks.append(('the focus stays on a named button of the panel', focused[0] == 'push button' and focused[1].startswith('Поставить')))

    step('forward to the alternatives page, then the next-criterion arrow pressed with the space bar')
    press(find(frame, 'push button', name='Вперед'))
    arrow = find(frame, 'push button', name='Следующий критерий')
    focus(arrow)
    key('space')
    checks.append(('the focus is told on the arrow, not the grid', focused == ['push button', 'Следующий критерий']))

    step('on to the result page: the decision sentence')
    press(find(frame, 'push button', name='Вперед'))
    expect('decision sentence announced', described('label', 'альтернатива'))

    step('back to the names page, Enter in the criterion name editor')
    for _ in range(3):
        press(find(frame, 'push button', name='Назад'))
    editor = find(frame, 'text', name='Название критерия')
    focus(editor)
    key('Return')
    checks.append(('the focus is told on the editor', focused == ['text', 'Название критерия']))
    show()
finally:
    window.kill()
    window.wait()

print()
failed = [what for what, ok in checks if not ok]
for what, ok in checks:
    print('%-8s %s' % ('ok' if ok else 'FAILED', what))
sys.exit(1 if failed else 0)
