#pragma once
// Where the site is written: a hidden folder inside the target takes every file first; only
// when all are written are they put in place, the earlier site's files moved aside, and the list
// of the site's files written last. Whatever fails on the way, or an Ablage given up before
// Einsetzen, leaves the target exactly as it was.
//
// A run that was killed leaves its hidden folder (the program's own, removed by the next run)
// and, when killed while files were put in place, a list naming both sites' files. The list
// names each file with the identity it was written with (its inode and the time it was
// written, which renaming keeps): a file of that name the user puts there later is never taken
// for the site's, even when the system gives it the number of the deleted one. One run at a time
// writes into a folder.

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>

namespace web {

// The list of the site's files in its folder, one relative path a line.
inline constexpr char kMarke[] = ".velkor-homepage";

class Ablage {
public:
    // Checks the folder (created when it does not exist) and makes the hidden folder. Throws
    // Fehler for a folder holding files the program did not write, or one that cannot be used.
    explicit Ablage(const QString& ordner);
    ~Ablage();
    Ablage(const Ablage&) = delete;
    Ablage& operator=(const Ablage&) = delete;

    QString Ordner() const { return m_ordner; }
    // Writes one file of the site (a relative path of a folder Unterordner made) into the hidden
    // folder; throws Fehler when it cannot be written whole.
    void Schreiben(const QString& relativ, const QByteArray& inhalt);
    void Unterordner(const QString& name);
    // Puts the written files in place of the earlier site's; throws Fehler, the folder as it was.
    // weiter is asked every few hundred files: false takes back what was done and throws
    // Abgebrochen.
    void Einsetzen(const std::function<bool()>& weiter = {});

private:
    void Zurücknehmen();
    void OrdnerEntfernen();
    [[noreturn]] void Scheitern(const QString& grund);
    QString Ziel(const QString& relativ) const { return m_ordner + u'/' + relativ; }
    bool Innerhalb(const QString& pfad) const;
    void EntwürfeEntfernen(const QStringList& entwürfe);
    // The lines of a list: each file with its identities (the new site's, then the earlier
    // one's when both is true).
    QByteArray Liste(const QStringList& dateien, bool beide) const;

    QString m_ordner;
    QStringList m_angelegt; // folders this export created, outermost first
    std::unique_ptr<QTemporaryDir> m_entwurf;
    QStringList m_geschrieben;
    QSet<QString> m_alt; // files of the earlier site, as its list names them
    // The identity of each file of each site: its inode and the time it was written.
    QHash<QString, QByteArray> m_kennung, m_altKennung;
    // The folder, open and locked against a second run while this one lives.
    struct Sperre {
        int fd = -1;
        Sperre() = default;
        Sperre(const Sperre&) = delete;
        Sperre& operator=(const Sperre&) = delete;
        ~Sperre();
    } m_sperre;
    bool m_markeDa = false;
    // What Einsetzen has done so far, to take it back.
    QStringList m_weggelegt, m_eingesetzt;
    bool m_markeWeggelegt = false, m_markeGeschrieben = false;
};

} // namespace web
