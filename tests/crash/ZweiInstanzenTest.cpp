// Two runs of the program on one file: this one, and two runs of the storing build at the same
// time. All of them store; each sees the others' cocktails the next time its windows load, and
// none spoils what another stored.

#include "Lauf.h"
#include "ProgramTest.h"
#include "Records.h"
#include "entry/KqCocktailEingabe.h"
#include "toolkit/Controls.h"
#include "viewer/KqRezepte.h"

#include <QLineEdit>
#include <QThread>
#include <algorithm>
#include <csignal>

class ZweiInstanzen : public ProgramTest {
protected:
    // Stores a cocktail with two lines through this run's entry window.
    static void Speichern(const QString& name) {
        KqCocktailEingabe& e = KqCocktailEingabe::Instance();
        e.Show();
        e.ECocktail()->setText(name);
        for (const char* zutat : {"Gin", "Tonic Water"})
            KqCocktailEingabe::ZeileSchreiben(*e.TZutaten(), 0,
                                              {zutat, "4 cl", {}, {}, "Pflicht", {}});
        e.BHinzufügen_Click();
        ASSERT_FALSE(KqCocktailEingabe::IsLoaded()) << name.toStdString();
    }
};

TEST_F(ZweiInstanzen, AllStoreEachSeesTheOthersCocktailsNoneSpoilsAnothersWork) {
    Start();
    toolkit::SetMsgBoxResponder([](const QString& text, int, const QString&) {
        ADD_FAILURE() << "message: " << text.toStdString();
        return int(toolkit::vbOK);
    });
    Speichern(QStringLiteral("Von A"));
    // Two other runs store while this one stores too.
    std::vector<std::unique_ptr<QProcess>> läufe;
    QStringList protokolle;
    for (int i = 0; i < 2; ++i) {
        protokolle << db.Folder() + QStringLiteral("/lauf%1.txt").arg(i);
        läufe.push_back(LaufStarten(db.Folder(), protokolle.last()));
    }
    for (auto& lauf : läufe)
        ASSERT_TRUE(lauf->waitForReadyRead(20000)) << lauf->readAllStandardError().toStdString();
    for (int i = 1; i <= 5; ++i) {
        Speichern(QStringLiteral("Von A, Nr. %1").arg(i));
        QThread::msleep(150);
    }
    // Each of the others has stored a cocktail of its own (a slow build needs longer).
    EXPECT_TRUE(QTest::qWaitFor(
        [&protokolle] {
            return std::all_of(protokolle.begin(), protokolle.end(), [](const QString& p) {
                return !Zeilen(p, QStringLiteral("fertig cocktail ")).isEmpty();
            });
        },
        60000));
    for (auto& lauf : läufe) {
        ASSERT_EQ(lauf->state(), QProcess::Running)
            << "ended by itself: " << lauf->readAllStandardError().toStdString();
        ::kill(static_cast<pid_t>(lauf->processId()), SIGKILL);
        lauf->waitForFinished(10000);
    }

    // The others saw this run's cocktail when their viewer loaded.
    QStringList vonB;
    for (const QString& protokoll : protokolle) {
        EXPECT_TRUE(Zeilen(protokoll, QStringLiteral("kennt ")).contains(QStringLiteral("Von A")));
        for (const QString& s : Zeilen(protokoll, QStringLiteral("fertig cocktail ")))
            vonB << s;
    }
    ASSERT_FALSE(vonB.isEmpty());

    // This run sees theirs the next time its viewer loads (the bar stock search follows other
    // programs' changes by the same counter: its own test).
    const QStringList liste = Entries(KqRezepte::Instance().CCocktail());
    for (const QString& name : vonB)
        EXPECT_TRUE(liste.contains(name)) << name.toStdString();

    // Every cocktail whole; the file sound.
    dao::Database& d = HauptModul::OffeneDatenbank();
    EXPECT_EQ(Prüfung(d), QStringList{QStringLiteral("ok")});
    vonB << QStringLiteral("Von A");
    for (int i = 1; i <= 5; ++i)
        vonB << QStringLiteral("Von A, Nr. %1").arg(i);
    for (const QString& name : vonB)
        EXPECT_EQ(HauptModul::ErstesFeld("SELECT count(*) FROM zutatenliste WHERE cocktail = "
                                         "(SELECT nr FROM cocktails WHERE name = " +
                                         dao::Quoted(name) + ")"),
                  QStringList{name.startsWith(QLatin1String("Von A")) ? QStringLiteral("2")
                                                                      : QStringLiteral("8")})
            << name.toStdString();
    toolkit::SetMsgBoxResponder({});
}
