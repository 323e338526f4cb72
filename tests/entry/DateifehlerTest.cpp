// Another program holding the lock while a cocktail is stored: a lock that outlasts the wait is
// reported with Abort, Retry and Ignore, and Retry stores everything once it is gone; a short one
// is waited for without a word. (Abort: CocktailSpeichernTest; that the box of the trap must be
// answered, not closed: tests/toolkit/MsgBoxTest.)

#include "Dateifehler.h"
#include "EntryTest.h"
#include "MsgBoxExpect.h"

#include <optional>
#include <thread>

class DateifehlerTest : public EntryTest {
protected:
    // A new cocktail with three lines and a decoration typed into the entry window, the file
    // locked by another program; returns what is stored of it when it was stored whole.
    QStringList Neuer(const QString& name) {
        KqCocktailEingabe& w = Eingabe();
        Type(w.ECocktail(), name);
        for (const char* zutat : {"Gin", "Tonic Water", "Limette"})
            KqCocktailEingabe::ZeileSchreiben(*w.TZutaten(), 0,
                                              {zutat, "4 cl", {}, {}, "Pflicht", {}});
        KqCocktailEingabe::ZeileSchreiben(*w.TDekoration(), 0,
                                          {QStringLiteral("Limettenscheibe"), {}});
        EXPECT_TRUE(sperre.emplace(db.Path()).Gesetzt());
        return {name + "|||||",       "Gin|4 cl|0||1|",   "Tonic Water|4 cl|0||1|",
                "Limette|4 cl|0||1|", "Limettenscheibe|", "Klassiker"};
    }
    std::optional<Sperre> sperre;
};

TEST_F(DateifehlerTest, AShortLockIsWaitedForALongerOneTrappedAtBeginningAndRetryStoresAll) {
    QStringList ganz = Neuer(QStringLiteral("Geduldiger Gin Tonic"));
    std::thread lösen([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(800));
        sperre->Lösen();
    });
    {
        MsgBoxExpect keine; // no box at all
        Click(Eingabe().BHinzufügen());
    }
    lösen.join();
    EXPECT_EQ(Gespeichert("Geduldiger Gin Tonic"), ganz);

    // A lock held for longer than the store waits: the transaction cannot begin, which the trap
    // reports at its first position; Retry once it is gone stores the whole cocktail.
    ganz = Neuer(QStringLiteral("Gesperrter Gin Tonic"));
    QStringList meldungen;
    toolkit::SetMsgBoxResponder([&](const QString& prompt, int, const QString& title) {
        meldungen << title + ": " + prompt;
        sperre->Lösen();
        // A fault that outlasts its cause would ask for ever; the test ends it instead.
        return int(meldungen.size() > 5 ? toolkit::vbAbort : toolkit::vbRetry);
    });
    Click(Eingabe().BHinzufügen());
    toolkit::SetMsgBoxResponder({});
    ASSERT_EQ(meldungen.size(), 1) << meldungen.join('\n').toStdString();
    EXPECT_TRUE(meldungen.first().startsWith(QStringLiteral("Fehler!: Es trat ein Fehler")) &&
                meldungen.first().contains(QStringLiteral("Pos: 0 Nummer: 3045")))
        << meldungen.first().toStdString();
    EXPECT_EQ(Gespeichert("Gesperrter Gin Tonic"), ganz);
}
