#include "modul/HauptModul.h"

#include "toolkit/Form.h"
#include "toolkit/MsgBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QMetaObject>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <utility>
#include <vector>

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

namespace {

std::future<std::shared_ptr<dao::Database>> Öffnung;
std::function<void()> NachDerÖffnung;

} // namespace

void ÖffnungBeginnen(std::function<std::shared_ptr<dao::Database>()> öffnen,
                     std::function<void()> danach) {
    NachDerÖffnung = std::move(danach);
    Öffnung = std::async(std::launch::async, [öffnen = std::move(öffnen)] {
        // The program ends the wait once it is idle, whether the opening failed or not.
        struct Melden {
            ~Melden() {
                if (QCoreApplication* app = QCoreApplication::instance())
                    QMetaObject::invokeMethod(
                        app, [] { ÖffnungAbwarten(); }, Qt::QueuedConnection);
            }
        } melden;
        return öffnen();
    });
}

void ÖffnungAbwarten() {
    if (!Öffnung.valid()) return;
    try {
        Datenbank = Öffnung.get();
    } catch (const dao::Error& e) {
        NachDerÖffnung = {};
        NichtGeöffnet(e);
        return;
    }
    const std::function<void()> danach = std::exchange(NachDerÖffnung, {});
    if (danach) danach();
}

void NichtGeöffnet(const dao::Error& e) {
    const QString text = QStringLiteral("Die Datenbank kann nicht geöffnet werden.\n\n"
                                        "Laufzeitfehler '%1':\n%2")
                             .arg(e.Number())
                             .arg(e.Description());
    std::fprintf(stderr, "Velkor: Fehler %d: %s\n", e.Number(),
                 e.Description().toLocal8Bit().constData());
    // Nothing but the menu can be loaded yet.
    toolkit::DiscardAll();
    toolkit::MsgBox(text, toolkit::vbOKOnly);
    Datenbank.reset();
    Arbeitsbereich.reset();
    Ende(1);
}

const std::shared_ptr<dao::Database>& GeteilteDatenbank() {
    OffeneDatenbank();
    return Datenbank;
}

dao::Database& OffeneDatenbank() {
    ÖffnungAbwarten();
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

namespace {

std::vector<std::function<void()>>& Aufräumen() {
    static std::vector<std::function<void()>> aufräumen;
    return aufräumen;
}

} // namespace

void VorDemEnde(std::function<void()> aufräumen) {
    Aufräumen().push_back(std::move(aufräumen));
}

void Beenden() {
    for (const std::function<void()>& aufräumen : Aufräumen())
        aufräumen();
    // An opening not ended yet ends here, unseen.
    Öffnung = {};
    NachDerÖffnung = {};
    Datenbank.reset();
    Arbeitsbereich.reset();
    Ende(0);
}

} // namespace HauptModul
