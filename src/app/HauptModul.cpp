#include "app/HauptModul.h"

#include "app/Kennwort.h"
#include "menu/KqMenue.h"
#include "toolkit/MsgBox.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>
#include <cstdlib>

namespace HauptModul {

namespace {

void EndProcess(int status) {
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(status);
}

QString ApplicationFolder() { return QCoreApplication::applicationDirPath(); }

} // namespace

std::function<void(int)> Ende = EndProcess;
std::function<QString()> Programmordner = ApplicationFolder;

QString PfadMitBackslash(const QString& pfad) {
    if (pfad.endsWith(QLatin1Char('\\')) || pfad.endsWith(QLatin1Char('/')))
        return pfad;
    const bool backslashes = pfad.contains(QLatin1Char('\\')) && !pfad.contains(QLatin1Char('/'));
    return pfad + (backslashes ? QLatin1Char('\\') : QDir::separator());
}

void Main() {
    const QString passwort = QString::fromLatin1(Kennwort);
    Pfad = PfadMitBackslash(Programmordner());
    Datenbankname = QStringLiteral("Cocktails.mdb");
    try {
        Arbeitsbereich =
            dao::CreateWorkspace(QStringLiteral("Cocktail"), QStringLiteral("Admin"), QString());
        Datenbank = Arbeitsbereich->OpenDatabase(Pfad + Datenbankname, false, false,
                                                 QStringLiteral(";pwd=") + passwort);
    } catch (const dao::Error& e) {
        const QString text = QStringLiteral("Die Datenbank kann nicht geöffnet werden.\n\n"
                                            "Laufzeitfehler '%1':\n%2")
                                 .arg(e.Number())
                                 .arg(e.Description());
        std::fprintf(stderr, "Velkor: Fehler %d: %s\n", e.Number(),
                     e.Description().toLocal8Bit().constData());
        toolkit::MsgBox(text, toolkit::vbOKOnly);
        Datenbank.reset();
        Arbeitsbereich.reset();
        Ende(1);
        return;
    }
    KqMenü::Instance().Show();
}

dao::Database& OffeneDatenbank() {
    if (!Datenbank)
        throw dao::Error(3420, QStringLiteral("Die Datenbank ist nicht geöffnet."));
    return *Datenbank;
}

QStringList ErstesFeld(const QString& statement) {
    QStringList werte;
    dao::Recordset rs = OffeneDatenbank().OpenRecordset(statement);
    if (!rs.Eof()) {
        rs.MoveFirst();
        while (!rs.Eof()) {
            werte << rs.Fields(0).ToText();
            rs.MoveNext();
        }
    }
    rs.Close();
    return werte;
}

void Beenden() {
    Datenbank.reset();
    Arbeitsbereich.reset();
    Ende(0);
}

} // namespace HauptModul
