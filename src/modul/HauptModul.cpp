#include "modul/HauptModul.h"

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

QString ApplicationFolder() {
    return QCoreApplication::applicationDirPath();
}

} // namespace

std::function<void(int)> Ende = EndProcess;
std::function<QString()> Programmordner = ApplicationFolder;

QString PfadMitBackslash(const QString& pfad) {
    if (pfad.endsWith(QLatin1Char('\\')) || pfad.endsWith(QLatin1Char('/'))) return pfad;
    const bool backslashes = pfad.contains(QLatin1Char('\\')) && !pfad.contains(QLatin1Char('/'));
    return pfad + (backslashes ? QLatin1Char('\\') : QDir::separator());
}

dao::Database& OffeneDatenbank() {
    if (!Datenbank)
        throw dao::Error(dao::errObjectInvalid,
                         QStringLiteral("Die Datenbank ist nicht geöffnet."));
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
