"""Every window of Velkor-DB as a screen reader hears it over the accessibility bus.

run.sh starts this inside a private X server and accessibility bus. Each window is opened by keys
in a fresh copy of the program on a fresh copy of the starter database; Tab then walks its
controls once round and Shift+Tab walks back. At each focus the control's role, name, value and
caption label are read over the bus and compared with the table below, and the control's focus
event must have come first. All faults are collected; a transcript of what a reader hears on
focus ends the output.

    bus_test.py <copy of the program> <starter database>
"""
import os, shutil, signal, subprocess, sys, time
import pyatspi
from gi.repository import GLib

B, C, K, T, L, G = 'push button', 'combo box', 'check box', 'text', 'list', 'table'
SHEET = 'text (read-only)'

# title, role, (window, button, key) that opens it, controls in tab order: (role, caption,
# value). Values are the starter database's: a combo box's chosen entry ('' for none), a text's
# content (the sheet: its first line), the check mark, a list's selected entry ('' for none), a
# grid's column names with the cells of its one line (None: not checked).
WINDOWS = [
    ('Velkor-DB Hauptmenü', 'frame', None, [(B, 'Velkor'), (B, 'Zutatenliste'), (B, 'Erfassen'),
                                            (B, 'Ändern'), (B, 'Homepage-erzeugen')]),
    ('Rezepte anzeigen', 'frame', ('Velkor-DB Hauptmenü', 'Velkor', 'space'),
     [(C, 'Cocktail', 'Negroni'), (B, 'Anzeigen'), (SHEET, 'Rezept', 'Negroni')]),
    ('Mit Zutaten mixbare Cocktails', 'frame', ('Velkor-DB Hauptmenü', 'Zutatenliste', 'Return'),
     [(L, 'Zutaten', 'Angostura Bitter'), (L, 'Cocktails', ''), (B, 'Hinzufügen'),
      (B, 'Entfernen'), (B, 'Info'), (B, 'Details'), (C, 'Setup', 'Hausbar'), (B, 'Neu'),
      (B, 'Abbruch'), (B, 'Ideale Zutat'), (K, 'nur Getränke beachten', True)]),
    ('Cocktail ändern', 'frame', ('Velkor-DB Hauptmenü', 'Ändern', 'Return'),
     [(C, 'Cocktail', 'Amaretto Sour'), (B, 'Ändern'), (B, 'Löschen'), (B, 'Abbrechen')]),
    ('Zutaten Hinzufügen', 'dialog', ('Mit Zutaten mixbare Cocktails', 'Hinzufügen', 'space'),
     [(C, 'Zutat', ''), (B, 'Hinzufügen'), (B, 'Fertig')]),
    ('Cocktail', 'frame', ('Velkor-DB Hauptmenü', 'Erfassen', 'KP_Enter'),
     [(T, 'Cocktail', ''), (C, 'Gruppe', 'Klassiker'), (B, 'Neu (Gruppe)'), (T, 'Beschreibung', ''),
      (G, 'Zutaten', (('Nr.', '1'), ('Zutat', 'Gin'), ('Menge', None), ('Variation', None),
                      ('Menge', None), ('Pflicht', None), ('Beschreibung', None))),
      (B, 'Neu (Zutaten)'), (B, 'Edit (Zutaten)'), (B, 'Del (Zutaten)'),
      (G, 'Dekoration', (('Nr.', '1'), ('Dekoration', 'Minzzweig'), ('Beschreibung', None))),
      (B, 'Neu (Dekoration)'), (B, 'Edit (Dekoration)'), (B, 'Del (Dekoration)'),
      (T, 'Zubereitung', ''), (T, 'Bewertung', ''), (T, 'Erfunden wann/von', ''), (T, 'Url', ''),
      (B, 'Hinzufügen'), (B, 'Abbrechen'), (B, 'Z. Übern.')]),
    ('Zutaten', 'dialog', ('Cocktail', 'Neu (Zutaten)', 'space'),
     [(C, 'Zutat', ''), (T, 'Menge (Zutat)', ''), (C, 'Einheit (Zutat)', 'cl'), (B, 'Neu'),
      (C, 'Variation', ''), (T, 'Menge (Variation)', ''), (C, 'Einheit (Variation)', ''),
      (T, 'Beschreibung', ''), (K, 'Pflichtzutat', True), (B, 'Hinzufügen'), (B, 'Abbrechen')]),
    ('Dekoration', 'dialog', ('Cocktail', 'Neu (Dekoration)', 'Return'),
     [(C, 'Dekoration', ''), (B, 'Neu'), (T, 'Beschreibung', ''), (B, 'Hinzufügen'),
      (B, 'Abbrechen')]),
    ('Hinzufügen', 'dialog', ('Zutaten', 'Neu', 'space'),
     [(T, 'Zutat', ''), (T, 'Beschreibung', ''), (K, 'Alkoholisch', False), (B, 'Hinzufügen'),
      (B, 'Abbrechen'), (K, 'ist ein Getränk', True)]),
]
BY_TITLE = {w[0]: w for w in WINDOWS}
KEYS = {'Tab': 0xff09, 'BackTab': 0xfe20, 'space': 0x20, 'Return': 0xff0d, 'KP_Enter': 0xff8d,
        'Down': 0xff54}
INTERACTIVE = {B, C, K, T, L, 'list item', G, 'radio button', 'spin button', 'slider', 'link'}
WAIT, QUIET = 5.0, 0.5  # seconds: longest wait for a condition; for a focus event once moved
LINE = pyatspi.TEXT_BOUNDARY_LINE_START


class Failed(Exception):
    pass


def quietly(read):
    """What read() returns; None when an object it reads went away (a closed window's)."""
    try:
        return read()
    except Exception:
        return None


def control(node):
    """The control a node is part of: a combo box's list or field, a list's entry, a cell."""
    while node.parent is not None and node.parent.getRoleName() in (C, L, G, T):
        node = node.parent
    return node


def shown(node, into=('panel', 'filler')):
    """The nodes shown below node, looking into those of the roles into only."""
    for child in node:
        if child.getState().contains(pyatspi.STATE_SHOWING):
            yield child
            if child.getRoleName() in into:
                yield from shown(child, into)


def focused(window):
    return next((c for c in shown(window) if c.getState().contains(pyatspi.STATE_FOCUSED)), None)


def value(node, kind):
    """What a reader says after the name: text, check mark, selected entries, grid."""
    text = 'Text' in node.get_interfaces() and node.queryText()
    if kind == C:  # an editable box's field
        return next((c.queryText().getText(0, -1) for c in node if c.getRoleName() == T), None)
    if kind == T:
        return text.getText(0, -1)
    if text:  # read-only: the line at the caret
        return text.getTextAtOffset(text.caretOffset, LINE)[0].rstrip('\n')
    if kind in (K, L):
        return (node.getState().contains(pyatspi.STATE_CHECKED) if kind == K else
                [i.name for i in node if i.getState().contains(pyatspi.STATE_SELECTED)])
    if kind == G:
        table, columns = node.queryTable(), range(node.queryTable().nColumns)
        heads = [table.getColumnHeader(c) or table.getColumnDescription(c) for c in columns]
        return ([getattr(h, 'name', h) for h in heads],
                [[getattr(table.getAccessibleAt(r, c), 'name', None) for c in columns]
                 for r in range(table.nRows)])
    return None


def hears(node):
    """(role, name, value, names of the labels) of a control, as the bus gives them."""
    kind = node.getRoleName()
    if kind == T and not node.getState().contains(pyatspi.STATE_EDITABLE):
        kind = SHEET
    labels = [r.getTarget(i).name for r in node.getRelationSet()
              if r.getRelationType() == pyatspi.RELATION_LABELLED_BY
              for i in range(r.getNTargets())]
    return kind, node.name, value(node, kind), labels


def expect(kind, caption, want=None):
    """What a reader must hear: a combo box named by its entry and labelled by its caption."""
    if kind == C:
        return C, want or caption, None, [caption]
    if kind == L:
        want = [want] if want else []
    elif kind == G:  # the column names and the one line
        want = [h for h, _ in want], [[c for _, c in want]]
    return kind, caption, want, [caption]


def fits(want, got):
    """Whether got is want, where None in want stands for anything."""
    if isinstance(want, (list, tuple)):
        return (isinstance(got, (list, tuple)) and len(want) == len(got)
                and all(map(fits, want, got)))
    return want is None or want == got


def matches(want, got):
    """A caption label is a combo box's must; on others, where there is one, it says the name."""
    return fits(want[:3], got[:3]) and (got[3] == want[3] or not got[3] and want[0] != C)


def say(heard):
    """What a reader says: role, name, labels where they add to the name, and the value."""
    if heard is None:
        return '(nichts)'
    kind, name, val, labels = heard
    shown = f' beschriftet {labels}' if labels != [name] else ''
    return f'{kind} „{name}“{shown}' + ('' if val is None else f': {val!r}')


class Reader:
    def __init__(self, program, starter):
        self.program, self.starter, self.proc = program, starter, None
        self.faults, self.transcript, self.events = {}, {}, []  # faults: an ordered set
        pyatspi.Registry.registerEventListener(
            self.events.append, 'focus:', 'object:state-changed:focused',
            'object:text-caret-moved', 'window:activate')

    def fault(self, title, what):
        self.faults.setdefault(f'{title}: {what}')

    def start(self):
        self.stop()
        shutil.copy(self.starter, os.path.join(os.path.dirname(self.program), 'Cocktails.mdb'))
        self.events.clear()
        env = dict(os.environ, QT_QPA_PLATFORM='xcb', QT_LINUX_ACCESSIBILITY_ALWAYS_ON='1')
        self.proc = subprocess.Popen([self.program], env=env, stdin=subprocess.DEVNULL)
        self.app = self.wait(lambda: next(a for a in pyatspi.Registry.getDesktop(0)
                                          if a and a.get_process_id() == self.proc.pid),
                             'das Programm auf dem Bus')

    def stop(self):  # the copy of the database is thrown away: nothing to save
        if self.proc and self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait()

    def wait(self, condition, what, timeout=WAIT):
        """Polls condition, handling the bus's events meanwhile; on a timeout fails if what
        says what was awaited, else returns the last (false) result."""
        end = time.monotonic() + timeout
        while True:
            while GLib.MainContext.default().iteration(False):
                pass
            if self.proc.poll() is not None:
                raise Failed(f'das Programm endete mit {self.proc.returncode}; erwartet: {what}')
            result = quietly(condition)
            if result or time.monotonic() > end:
                if not result and what:
                    raise Failed(f'nach {timeout:g} s nicht erreicht: {what}')
                return result
            time.sleep(0.03)

    def press(self, key):
        """A key, or text typed, through the registry as the X server's own input."""
        self.events.clear()
        if key in KEYS:
            pyatspi.Registry.generateKeyboardEvent(KEYS[key], None, pyatspi.KEY_SYM)
        else:
            pyatspi.Registry.generateKeyboardEvent(0, key, pyatspi.KEY_STRING)

    def window(self, title):
        return self.wait(lambda: next(w for w in self.app if w.name == title and focused(w) and
                                      w.getState().contains(pyatspi.STATE_ACTIVE)),
                         f'Fenster „{title}“ aktiv')

    def heard(self, node):
        """None when the control's first event since the key (and its window's activation) is
        its focus event; else why a reader keeps silent: a caret moved first in the active window
        makes the control the reader's focus without a word, and the focus event then repeats."""
        activated = [i for i, e in enumerate(self.events) if e.type == 'window:activate']
        for e in self.events[activated[-1] + 1 if activated else 0:]:
            if (e.detail1 or 'focused' not in e.type) and quietly(
                    lambda: control(e.source) == node):
                return None if 'focus' in e.type else \
                    'Einfügemarke vor dem Fokusereignis (ein Leser schweigt)'
        return 'kein Fokusereignis'

    def step(self, window, key, before):
        """Presses key; the control then focused, and why no reader would announce it (or None)."""
        self.press(key)
        moved = []

        def settled():
            now = focused(window)
            if now is None or now == before:
                return None
            moved.append(time.monotonic())
            why = self.heard(now)
            late = moved[-1] - moved[0] > QUIET
            return (now, why) if why != 'kein Fokusereignis' or late else None
        return self.wait(settled, '') or (quietly(lambda: focused(window)), 'kein Fokuswechsel')

    def walk(self, title, at, count, back=False, on_focus=None):
        """Tab (Shift+Tab) count times from the control at; each focus must reach a reader."""
        window, table, way = self.window(title), BY_TITLE[title][3], -1 if back else 1
        nodes = {at: focused(window)}
        for i in range(1, count + 1):
            j, k = (at + way * i) % len(table), (at + way * (i - 1)) % len(table)
            nodes[j], why = self.step(window, 'BackTab' if back else 'Tab', nodes[k])
            if why:
                self.fault(title, f'{"Shift+Tab" if back else "Tab"} von „{table[k][1]}“ '
                                  f'nach „{table[j][1]}“: {why}')
            if on_focus:
                on_focus(j, nodes[j])
        return nodes

    def open(self, title):
        """Opens a window by keys, from the program's start on; its first control must be heard."""
        if BY_TITLE[title][2] is None:
            self.start()
        else:
            source, button, key = BY_TITLE[title][2]
            self.open(source)
            self.walk(source, 0, [c[1] for c in BY_TITLE[source][3]].index(button))
            self.press(key)
        window = self.window(title)
        first = focused(window)
        self.wait(lambda: self.heard(first) is None, '', QUIET)
        if why := self.heard(first):
            self.fault(title, f'„{BY_TITLE[title][3][0][1]}“ beim Öffnen: {why}')
        return window

    def prepare(self, title):
        """Brings a window to what is checked; the index of the control focused then."""
        if title == 'Rezepte anzeigen':  # a cocktail chosen by typing, its sheet shown
            self.press('Negroni')
            self.walk(title, 0, 1)
            self.press('space')
            self.wait(lambda: any('Negroni' in (hears(c)[2] or '') for c in
                                  shown(self.window(title)) if c.name == 'Rezept'), '')
            return 1
        if title == 'Cocktail':  # one line in each grid, typed into its dialog
            for at, button, dialog, text in ((0, 5, 'Zutaten', 'Gin'),
                                             (5, 9, 'Dekoration', 'Minzzweig')):
                self.walk(title, at, button - at)
                self.press('space')
                self.window(dialog)
                self.press(text)
                self.wait(lambda: hears(focused(self.window(dialog)))[2] == text, '')
                self.press('Return')
                self.window(title)
            return 9
        return 0

    def check(self, title, frame, table):
        window = self.open(title)
        if (window.getRoleName(), window.name) != (frame, title):
            self.fault(title, f'Fenster erwartet {frame} „{title}“, '
                              f'der Bus sagt {window.getRoleName()} „{window.name}“')
        at, said = self.prepare(title), [None] * len(table)

        def on_focus(j, node):  # what a reader hears there
            said[j] = quietly(lambda: hears(node))
            if not said[j] or not matches(expect(*table[j]), said[j]):
                self.fault(title, f'„{table[j][1]}“ erwartet {say(expect(*table[j]))}, '
                                  f'der Bus sagt {say(said[j])}')
            if table[j][0] == SHEET and said[j]:
                self.check_sheet(title, node)
        forth = self.walk(title, at, len(table), on_focus=on_focus)
        for j, node in self.walk(title, at, len(table), back=True).items():
            if node != forth[j]:
                self.fault(title, f'Shift+Tab: Fokus auf {say(quietly(lambda: hears(node)))} '
                                  f'statt auf „{table[j][1]}“')
        for node in shown(self.window(title), into=('panel', 'filler', L)):
            kind = node.getRoleName()
            if (kind in INTERACTIVE or node.getState().contains(pyatspi.STATE_FOCUSABLE)) and \
                    not node.name.strip():
                self.fault(title, f'{kind} ohne Namen in {say(hears(node.parent))}')
            if kind == L and any(e.getRoleName() != 'list item' for e in node):
                self.fault(title, f'„{node.name}“: Einträge, die keine list items sind')
        self.transcript[title] = [(c[1], say(s)) for c, s in zip(table, said)]

    def check_sheet(self, title, sheet):
        """Read line by line from the start; Down moves the caret to the next line and says so."""
        text = sheet.queryText()
        whole, lines, offset = text.getText(0, -1).split('\n'), [], 0
        while offset < text.characterCount and len(lines) <= len(whole):
            line, _, offset = text.getTextAtOffset(offset, LINE)
            lines.append(line.rstrip('\n'))
        if lines != whole or len(lines) < 2:
            self.fault(title, f'„Rezept“ Zeile für Zeile: {lines[:3]}, ganz: {whole[:3]}')
        self.press('Down')
        second = len(whole[0]) + 1
        if not self.wait(lambda: any(e.type == 'object:text-caret-moved' and e.source == sheet and
                                     e.detail1 == second for e in self.events), '', 2.0):
            self.fault(title, f'„Rezept“: Pfeil ab meldet keine Einfügemarke am Anfang '
                              f'der 2. Zeile (Stelle {second})')


def main():
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))
    reader, begin = Reader(*sys.argv[1:3]), time.monotonic()
    try:
        for title, frame, _, table in WINDOWS:
            try:
                reader.check(title, frame, table)
            except Failed as failure:
                reader.fault(title, str(failure))
    finally:
        reader.stop()
    for title, lines in reader.transcript.items():  # what a reader hears on focus
        print(f'\n{title}\n' + '\n'.join(f'  {caption:22} {said}' for caption, said in lines))
    print(f'\n{len(reader.faults)} Fehler in {time.monotonic() - begin:.0f} s')
    print('\n'.join(f'  {fault}' for fault in reader.faults))
    return 1 if reader.faults else 0


if __name__ == '__main__':
    sys.exit(main())
