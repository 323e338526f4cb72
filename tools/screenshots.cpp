// Starts the program headless on a copy of its database, opens every window
// that exists, and saves a PNG of each: for reviewing the look.
//
//   velkor_screenshots <folder>

#include "Fenster.h"
#include "menu/KqMenue.h"
#include "menu/ZebKnopf.h"
#include "modul/HauptModul.h"
#include "toolkit/Form.h"
#include "toolkit/Look.h"
#include "toolkit/MsgBox.h"
#include "viewer/KqRezepte.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

namespace {

QString g_folder;
int g_failures = 0;

void Save(QWidget* window, const QString& name) {
    QCoreApplication::processEvents();
    const QString path = g_folder + QLatin1Char('/') + name + QStringLiteral(".png");
    // Highest compression: the pictures are kept in the repository.
    if (!window->grab().save(path, "PNG", 0)) {
        std::fprintf(stderr, "%s kann nicht geschrieben werden\n", qPrintable(path));
        ++g_failures;
    } else {
        std::printf("%s\n", qPrintable(path));
    }
}

// Every visible window of the program, saved under its object name.
void SaveOpenWindows() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && qobject_cast<toolkit::Form*>(w) && !dynamic_cast<KqMenü*>(w))
            Save(w, w->objectName());
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    toolkit::InstallGermanTranslation(app);
    g_folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("shots");
    if (!QDir().mkpath(g_folder)) {
        std::fprintf(stderr, "%s kann nicht angelegt werden\n", qPrintable(g_folder));
        return 1;
    }

    // The program runs on a copy, so nothing here touches the user's data.
    QTemporaryDir copy;
    const QString source =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../Cocktails.mdb");
    if (!QFile::copy(source, copy.filePath(QStringLiteral("Cocktails.mdb")))) {
        std::fprintf(stderr, "%s fehlt\n", qPrintable(source));
        return 1;
    }
    HauptModul::Programmordner = [&] { return copy.path(); };
    HauptModul::Ende = [](int status) { std::exit(status); };
    toolkit::SetMsgBoxResponder([](const QString& text, int, const QString& title) {
        std::printf("Meldung \"%s\": %s\n", qPrintable(title), qPrintable(text));
        return toolkit::vbOK;
    });

    HauptModul::Main();
    HauptModul::ÖffnungAbwarten();
    KqMenü& menu = KqMenü::Instance();
    // Once active, the first button has the focus and shows its frame.
    if (!QTest::qWaitForWindowActive(&menu))
        std::fprintf(stderr, "Das Hauptmenü wurde nicht aktiv\n");
    Save(&menu, QStringLiteral("KqMenü"));

    // The second button held down, with the focus frame on it.
    ZebKnopf* knopf = menu.BMenüKnopf(1);
    knopf->setFocus();
    QTest::mousePress(knopf, Qt::LeftButton);
    Save(&menu, QStringLiteral("KqMenü-gedrückt"));
    QTest::mouseRelease(knopf, Qt::LeftButton, {}, QPoint(-5, -5)); // released outside: no click

    fenster::AlleÖffnen();
    SaveOpenWindows();
    KqRezepte::Instance().Start(QStringLiteral("Zombie")); // longer than the sheet: it scrolls
    Save(&KqRezepte::Instance(), QStringLiteral("KqRezepte-lang"));

    toolkit::DiscardAll();
    // A picture missing fails the run, so the script does not go on as if all were there.
    return g_failures ? 1 : 0;
}
