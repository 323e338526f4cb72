// Faults of the file while the program runs: the file write-protected behind the program's back,
// and another program holding the lock. Storing routines report the failure with Abort, Retry and
// Ignore and store everything once Retry finds the cause gone; other changes report it as a
// run-time failure; a short lock is waited for. (Abort: CocktailSpeichernTest; that the box of
// the trap must be answered, not closed: tests/toolkit/MsgBoxTest.)

#include "Dateifehler.h"
#include "EntryTest.h"
#include "MsgBoxExpect.h"
#include "stock/KqZutaten.h"

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
    // What is stored of it when it was stored whole.
    static QStringList Ganz(const QString& name) {
        return {name + "|||||",       "Gin|4 cl|0||1|",   "Tonic Water|4 cl|0||1|",
                "Limette|4 cl|0||1|", "Limettenscheibe|", "Klassiker"};
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
        EXPECT_EQ(Gespeichert("Gesperrter Gin Tonic"), Ganz("Gesperrter Gin Tonic"));
    }
    Schreibschutz schutz(db.Path());
    if (!schutz.Gesetzt()) GTEST_SKIP() << "the file system cannot write-protect for root";
    KqCocktailEingabe& w = Neuer(QStringLiteral("Geschützter Gin Tonic"));
    RetryNachdem([&schutz] { schutz.Aufheben(); }, QStringLiteral("Nummer: 30"),
                 [&w] { Click(w.BHinzufügen()); });
    EXPECT_FALSE(KqCocktailEingabe::IsLoaded());
    EXPECT_EQ(Gespeichert("Geschützter Gin Tonic"), Ganz("Geschützter Gin Tonic"));
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
    EXPECT_EQ(Gespeichert("Geduldiger Gin Tonic"), Ganz("Geduldiger Gin Tonic"));
}

// The stock window's trap of Add, which a lock sets off as it does when saving, is KqZutatenTest's.
TEST_F(DateifehlerTest, RemovingFromTheStockWhileWriteProtectedIsReportedAndWorksOnceItIsGone) {
    KqZutaten& vorrat = KqZutaten::Instance();
    vorrat.Show();
    const QString pisco = QStringLiteral("Pisco");
    vorrat.Add(pisco);
    // Whether the stock in the file holds it, as the list shows it read again; chosen there.
    const auto imVorrat = [&] {
        vorrat.InitZutaten();
        vorrat.LZutaten()->SetListIndex(Entries(vorrat.LZutaten()).indexOf(pisco));
        return vorrat.LZutaten()->ListIndex() >= 0;
    };
    ASSERT_TRUE(imVorrat());
    Schreibschutz schutz(db.Path());
    if (!schutz.Gesetzt()) GTEST_SKIP() << "the file system cannot write-protect for root";
    {
        MsgBoxExpect boxes;
        boxes.Expect(QStringLiteral("Laufzeitfehler '30"), toolkit::vbOK);
        Click(vorrat.BEntfernen());
    }
    schutz.Aufheben();
    ASSERT_TRUE(imVorrat());
    Click(vorrat.BEntfernen());
    EXPECT_FALSE(imVorrat());
}
