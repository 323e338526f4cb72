#pragma once
// The recipe collection as a static web site: an index of every cocktail, the groups, one page
// per cocktail, ingredient and setup, and one style sheet, written into a folder of the user's.

#include <QString>
#include <functional>
#include <stdexcept>

namespace web {

// Thrown with a German message the window shows as it is.
class Fehler : public std::runtime_error {
public:
    explicit Fehler(const QString& meldung);
    QString Meldung() const { return m_meldung; }

private:
    QString m_meldung;
};

// The user cancelled: the folder is as it was before.
class Abgebrochen : public Fehler {
public:
    Abgebrochen();
};

struct Ergebnis {
    int seiten = 0;     // pages written
    QString startseite; // absolute path of index.html
};

// Reads the whole collection from the database file (a connection of its own, read-only, every
// read inside one read transaction, so the site shows one state of the file while the user
// keeps working) and writes the site into `ordner`. `weiter(done, total)` is called now and then
// from the calling thread (while the collection is read, with 0 of 0; then at least every 200
// pages, and every few hundred files while they are put in place); returning false cancels
// within a fraction of a second: Abgebrochen is thrown and the folder is exactly as before. A
// folder holding files the program did not write is refused untouched; the files of an earlier site
// are replaced, files the user added beside them stay. Runs on any thread.
Ergebnis HomepageErzeugen(const QString& datenbankdatei, const QString& ordner,
                          const std::function<bool(int, int)>& weiter);

} // namespace web
