"""A real browser reads the site: the starter catalogue's site is written, headless Chromium
prints the start page and the page of one cocktail, and the printed text must hold every cocktail
name (start page) and the cocktail's name with its lines in their stored order, read from the file
with the engine's own shell.

    browser_test.py <build folder> <password file>
"""
import os, re, shutil, subprocess, sys, tempfile

build, kennwort_h = sys.argv[1:3]
kennwort = re.search(r'kPassword\[\] = "([^"]*)"', open(kennwort_h, encoding='utf-8').read())[1]


def sql(db, abfrage):
    """Rows of a query through the engine's shell, as text lines."""
    eingabe = f"PRAGMA key='{kennwort}';\nPRAGMA cipher_compatibility=3;\n{abfrage};\n"
    aus = subprocess.run(['sqlcipher', db], input=eingabe, capture_output=True, text=True,
                         check=True).stdout.splitlines()
    return [z for z in aus if z != 'ok']


def gedruckt(seite, ordner):
    """The page as the browser lays it out, printed, as plain text with blanks folded."""
    pdf = os.path.join(ordner, 'seite.pdf')
    subprocess.run(['chromium', '--headless', '--no-sandbox', '--disable-gpu',
                    '--no-pdf-header-footer', f'--print-to-pdf={pdf}', 'file://' + seite],
                   capture_output=True, timeout=120, check=True)
    text = subprocess.run(['pdftotext', pdf, '-'], capture_output=True, text=True,
                          check=True).stdout
    return ' '.join(text.split())


def der_reihe_nach(text, teile):
    """The parts not found in text in this order (empty when all are)."""
    fehlt, stelle = [], 0
    for teil in teile:
        gefunden = text.find(' '.join(teil.split()), stelle)
        if gefunden < 0:
            fehlt.append(teil)
        else:
            stelle = gefunden + len(teil)
    return fehlt


with tempfile.TemporaryDirectory() as tmp:
    db = os.path.join(tmp, 'Cocktails.mdb')
    shutil.copy(os.path.join(build, 'starter', 'Cocktails.mdb'), db)
    site = os.path.join(tmp, 'site')
    subprocess.run([os.path.join(build, 'tools', 'velkor_homepage'), db, site], check=True,
                   env=dict(os.environ, QT_QPA_PLATFORM='offscreen'))
    fehler = []
    start = gedruckt(os.path.join(site, 'index.html'), tmp)
    namen = sql(db, 'SELECT name FROM cocktails')
    fehler += [f'Startseite ohne „{n}“' for n in namen if ' '.join(n.split()) not in start]
    nr = sql(db, "SELECT nr FROM cocktails WHERE name = 'Mojito'")[0]
    zeilen = sql(db, "SELECT l.menge || ' ' || z.name FROM zutatenliste l JOIN zutaten z ON "
                     f"z.nr = l.zutat WHERE l.cocktail = {nr} ORDER BY l.rowid")
    rezept = gedruckt(os.path.join(site, 'cocktail', f'{nr}.html'), tmp)
    fehler += [f'Rezeptseite ohne „{t}“ an seiner Stelle'
               for t in der_reihe_nach(rezept, ['Mojito'] + zeilen)]
    print(f'{len(namen)} Namen auf der Startseite, {len(zeilen)} Zeilen des Mojito geprüft')
    print('\n'.join(fehler) or 'Der Browser zeigt beide Seiten wie erwartet.')
    sys.exit(1 if fehler else 0)
