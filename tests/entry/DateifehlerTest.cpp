// Faults of the file while the program runs: the file write-protected behind the program's back,
// and another program holding the lock. Storing routines report the failure with Abort, Retry and
// Ignore and store everything once Retry finds the cause gone; other changes report it as a
// run-time failure; a short lock is waited for. (Abort: CocktailSpeichernTest.)

#include "Dateifehler.h"
#include "EntryTest.h"
#include "MsgBoxExpect.h"
#include "stock/KqZutaten.h"

#include <QLineEdit>
#include <thread>

class DateifehlerTest : public EntryTest {
protected:
    // A new cocktail with three lines and a decoration, typed into the entry window.
    KqCocktailEingabe& Neuer(const QString& name) {
        KqCocktailEingabe& w = Eingabe();
        Type(w.ECocktail(), name);
        for (const char* zutat : {"Gin", "Tonic Water", "Limette"})
            KqCocktailEingabe::ZeileSchreiben(*w.TZutaten(), 0,
                                              {zutat, "4 cl", {}, {}, "Pflicht", {}});
        KqCocktailEingabe::ZeileSchreiben(*w.TDekoration(), 0,
                                          {QStringLiteral("Limettenscheibe"), {}});
        return w;
    }
    // The cocktail's records: its own, lines, decorations, group links.
    QList<int> Datensätze(const QString& name) {
        const QString c = "(SELECT nr FROM cocktails WHERE name = " + dao::Quoted(name) + ")";
        return {db.Count("SELECT * FROM cocktails WHERE name = " + dao::Quoted(name)),
                db.Count("SELECT * FROM zutatenliste WHERE cocktail = " + c),
                db.Count("SELECT * FROM dekoliste WHERE cocktail = " + c),
                db.Count("SELECT * FROM gruppenzugehörigkeit WHERE cocktail = " + c)};
    }
    // Runs a change while a fault lasts: every "Fehler!" is answered with Retry, the cause lifted
    // at the first. Expects one box, which contains text.
    static void RetryNachdem(const std::function<void()>& beheben, const QString& text,
                             const std::function<void()>& änderung) {
        QStringList meldungen;
        toolkit::SetMsgBoxResponder([&](const QString& prompt, int buttons, const QString& title) {
            meldungen << title + ": " + prompt;
            if (meldungen.size() == 1) beheben();
            // A fault that outlasts its cause would ask for ever; the test ends it instead.
            if (meldungen.size() > 5) return int(toolkit::vbAbort);
            return buttons == toolkit::vbAbortRetryIgnore ? int(toolkit::vbRetry)
                                                          : int(toolkit::vbOK);
        });
        änderung();
        toolkit::SetMsgBoxResponder({});
        ASSERT_EQ(meldungen.size(), 1) << meldungen.join('\n').toStdString();
        EXPECT_TRUE(meldungen.first().startsWith(QStringLiteral("Fehler!: Es trat ein Fehler")) &&
                    meldungen.first().contains(text))
            << meldungen.first().toStdString();
    }
};

TEST_F(DateifehlerTest, ALockOrWriteProtectionAtSavingIsTrappedAndRetryStoresTheWholeCocktail) {
    // A lock held by another program for longer than the store waits: the transaction cannot
    // begin, which the trap reports at its first position.
    {
        KqCocktailEingabe& w = Neuer(QStringLiteral("Gesperrter Gin Tonic"));
        Sperre sperre(db.Path());
        ASSERT_TRUE(sperre.Gesetzt());
        RetryNachdem([&sperre] { sperre.Lösen(); }, QStringLiteral("Pos: 0 Nummer: 3045"),
                     [&w] { Click(w.BHinzufügen()); });
        EXPECT_FALSE(KqCocktailEingabe::IsLoaded());
        EXPECT_EQ(Datensätze(QStringLiteral("Gesperrter Gin Tonic")), (QList<int>{1, 3, 1, 1}));
    }
    Schreibschutz schutz(db.Path());
    if (!schutz.Gesetzt()) GTEST_SKIP() << "the file system cannot write-protect for root";
    KqCocktailEingabe& w = Neuer(QStringLiteral("Geschützter Gin Tonic"));
    RetryNachdem([&schutz] { schutz.Aufheben(); }, QStringLiteral("Nummer: 30"),
                 [&w] { Click(w.BHinzufügen()); });
    EXPECT_FALSE(KqCocktailEingabe::IsLoaded());
    EXPECT_EQ(Datensätze(QStringLiteral("Geschützter Gin Tonic")), (QList<int>{1, 3, 1, 1}));
}

TEST_F(DateifehlerTest, AShortLockIsWaitedForWithoutAWord) {
    KqCocktailEingabe& w = Neuer(QStringLiteral("Geduldiger Gin Tonic"));
    Sperre sperre(db.Path());
    ASSERT_TRUE(sperre.Gesetzt());
    std::thread lösen([&sperre] {
        std::this_thread::sleep_for(std::chrono::milliseconds(800));
        sperre.Lösen();
    });
    MsgBoxExpect keine; // no box at all
    Click(w.BHinzufügen());
    lösen.join();
    EXPECT_EQ(Datensätze(QStringLiteral("Geduldiger Gin Tonic")), (QList<int>{1, 3, 1, 1}));
}

TEST_F(DateifehlerTest, StockChangesReportTheFaultAndSucceedOnceItIsGone) {
    KqZutaten& vorrat = KqZutaten::Instance();
    vorrat.Show();
    const QString pisco = QStringLiteral("Pisco");
    const auto imVorrat = [&] {
        return db.Count("SELECT * FROM zutatensetupvorrat v INNER JOIN zutaten z ON z.nr = "
                        "v.zutat INNER JOIN zutatensetup s ON s.nr = v.setup WHERE z.name = " +
                        dao::Quoted(pisco) +
                        " AND s.name = " + dao::Quoted(vorrat.CSetup()->Text()));
    };
    ASSERT_EQ(imVorrat(), 0);

    // Adding while locked: Abort, Retry and Ignore; Retry once the lock is released.
    {
        Sperre sperre(db.Path());
        ASSERT_TRUE(sperre.Gesetzt());
        RetryNachdem([&sperre] { sperre.Lösen(); }, QStringLiteral("Nummer: 3045"),
                     [&] { vorrat.Add(pisco); });
    }
    EXPECT_EQ(imVorrat(), 1);
    EXPECT_TRUE(Entries(vorrat.LZutaten()).contains(pisco));

    // Removing, while the file is write-protected: the run-time failure report, the entry stays
    // in the file; once the protection is gone the same click removes it.
    Schreibschutz schutz(db.Path());
    if (!schutz.Gesetzt()) GTEST_SKIP() << "the file system cannot write-protect for root";
    vorrat.LZutaten()->SetListIndex(Entries(vorrat.LZutaten()).indexOf(pisco));
    {
        MsgBoxExpect boxes;
        boxes.Expect(QStringLiteral("Laufzeitfehler '30"), toolkit::vbOK);
        Click(vorrat.BEntfernen());
    }
    schutz.Aufheben();
    EXPECT_EQ(imVorrat(), 1);
    vorrat.InitZutaten();
    vorrat.LZutaten()->SetListIndex(Entries(vorrat.LZutaten()).indexOf(pisco));
    Click(vorrat.BEntfernen());
    EXPECT_EQ(imVorrat(), 0);
}

TEST_F(DateifehlerTest, EscapeOrClosingTheFehlerBoxOfEitherTrapEndsNothing) {
    int geblieben = 0;
    toolkit::SetMsgBoxResponder(RealBoxAfterEscapeAndClose(toolkit::vbIgnore, &geblieben));
    const QString name = QStringLiteral("Gin mit Unbekanntem");
    KqCocktailEingabe& w = Neuer(name);
    KqCocktailEingabe::ZeileSchreiben(*w.TZutaten(), 0,
                                      {QStringLiteral("Gibt es nicht"), "1 cl", {}, {}, {}, {}});
    Click(w.BHinzufügen());
    KqZutaten::Instance().Show();
    KqZutaten::Instance().Add(QStringLiteral("Gibt es nicht"));
    toolkit::SetMsgBoxResponder({});
    EXPECT_EQ(geblieben, 2);
    EXPECT_EQ(endings, std::vector<int>{});
    EXPECT_EQ(Datensätze(name), (QList<int>{1, 3, 1, 1}));
}
