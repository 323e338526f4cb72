#pragma once
// Where the site is written: a hidden folder inside the target takes every file first; only
// when all are written are they put in place, the earlier site's files moved aside, and the list
// of the site's files written last. Whatever fails on the way, or an Ablage given up before
// Einsetzen, leaves the target exactly as it was.

#include <QByteArray>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
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
    void Einsetzen();

private:
    void Zurücknehmen();
    void OrdnerEntfernen();
    [[noreturn]] void Scheitern(const QString& grund);
    QString Ziel(const QString& relativ) const { return m_ordner + u'/' + relativ; }
    bool Innerhalb(const QString& pfad) const;

    QString m_ordner;
    QStringList m_angelegt; // folders this export created, outermost first
    std::unique_ptr<QTemporaryDir> m_entwurf;
    QStringList m_geschrieben;
    QSet<QString> m_alt; // files of the earlier site, as its list names them
    bool m_markeDa = false;
    // What Einsetzen has done so far, to take it back.
    QStringList m_weggelegt, m_eingesetzt;
    bool m_markeWeggelegt = false, m_markeGeschrieben = false;
};

} // namespace web
