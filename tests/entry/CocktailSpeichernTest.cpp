// Storing a new cocktail: a known name refused on the way, lines named in other case or without
// an amount, and the three answers to a failure. (New catalogue entries on the way, every text
// box, and how the viewer and the bar stock window find what was stored: BadInputTest.)

#include "EntryTest.h"
#include "MsgBoxExpect.h"

#include <QPlainTextEdit>

using CocktailSpeichernTest = EntryTest;

TEST_F(CocktailSpeichernTest, AKnownNameIsRefusedThenTheCocktailIsStoredWhole) {
    KqCocktailEingabe& w = Eingabe();
    MsgBoxExpect boxes;
    AddZutat({{"limettensaft", "4", "cl", "Gin", "2", "cl", "eiskalt \"!\""}});
    AddZutat({{"Sodawasser", "", "zum Auffüllen"}, false});
    AddDeko(QStringLiteral("Minzzweig"));
    w.CGruppe()->SetListIndex(1);
    w.EZubereitung()->setPlainText(QStringLiteral("Auf Eis rühren.\nMit Soda auffüllen."));

    // A name known in other case is refused: nothing is written, the window keeps everything,
    // the focus is back in the name box with the name chosen, so that typing replaces it.
    const QList<int> vorher = db.Records();
    Type(w.ECocktail(), QStringLiteral("mOJITO"));
    boxes.Expect("Ein Cocktail mit diesem Namen existiert bereits!", toolkit::vbOK);
    Click(w.BHinzufügen());
    EXPECT_EQ(db.Records(), vorher);
    ASSERT_TRUE(KqCocktailEingabe::IsLoaded());
    EXPECT_EQ(Names(*w.TZutaten()).join(','), ",limettensaft,Sodawasser,");
    ASSERT_TRUE(QTest::qWaitFor([&w] { return w.ECocktail()->hasFocus(); }));
    QTest::keyClicks(QApplication::focusWidget(), "Hausmarke");
    Click(w.BHinzufügen());
    EXPECT_FALSE(KqCocktailEingabe::IsLoaded());
    const QString gin = HauptModul::ErstesFeld("SELECT nr FROM zutaten WHERE name = 'Gin'").at(0);
    EXPECT_EQ(Gespeichert("Hausmarke"),
              (QStringList{"Hausmarke||Auf Eis rühren.\nMit Soda auffüllen.|||",
                           "Limettensaft|4 cl|" + gin + "|2 cl|1|eiskalt \"!\"",
                           "Sodawasser|zum Auffüllen|0||0|", "Minzzweig|", "Sours"}));
}

TEST_F(CocktailSpeichernTest, AbortTakesBackTheSaveIgnoreLeavesOutTheRecordRetryFindsTheName) {
    struct Fall {
        QString gruppe, zutat, variation, fehlt;
        int pos;
    };
    // The name missing from its catalogue: the ingredient, the variation, the group.
    for (const Fall& f : {Fall{"Klassiker", "Quittenbrand", "", "Quittenbrand", 110},
                          Fall{"Klassiker", "Gin", "Schlehenlikör", "Schlehenlikör", 111},
                          Fall{"Hauscocktails", "Gin", "", "Hauscocktails", 3}})
        for (const int antwort : {toolkit::vbAbort, toolkit::vbIgnore, toolkit::vbRetry}) {
            SCOPED_TRACE(QString("Pos %1, Antwort %2").arg(f.pos).arg(antwort).toStdString());
            TempDatabase frisch;
            HauptModul::Datenbank = frisch.Shared();
            KqCocktailEingabe& w = Eingabe();
            Type(w.ECocktail(), QStringLiteral("Probe"));
            Type(w.CGruppe(), f.gruppe);
            AddZutat({{f.zutat, "4", "cl", f.variation}});
            AddZutat(QStringLiteral("Sodawasser"));
            AddDeko(QStringLiteral("Minzzweig"));
            const QList<int> vorher = frisch.Records();
            QList<int> amEnde; // what the file holds when the program ends
            HauptModul::Ende = [&](int status) {
                endings.push_back(status);
                amEnde = frisch.Records();
            };
            const QString text = QString("Es trat ein Fehler während des Abspeicherns des "
                                         "Cocktails auf! \rPos: %1 Nummer: 3021\r")
                                     .arg(f.pos);
            int meldungen = 0;
            // Retry after the missing name was entered in its catalogue.
            toolkit::SetMsgBoxResponder([&](const QString& prompt, int buttons, const QString& t) {
                EXPECT_TRUE(prompt.startsWith(text) && prompt.size() > text.size() &&
                            t == "Fehler!" && buttons == toolkit::vbAbortRetryIgnore)
                    << prompt.toStdString();
                ++meldungen;
                if (antwort == toolkit::vbRetry)
                    frisch.Db().Execute("INSERT INTO " +
                                        QString(f.pos == 3 ? "cocktailgruppen" : "zutaten") +
                                        " (name) VALUES (" + dao::Quoted(f.fehlt) + ")");
                return antwort;
            });
            Click(w.BHinzufügen());
            toolkit::SetMsgBoxResponder({});
            EXPECT_EQ(meldungen, 1);
            if (antwort == toolkit::vbAbort) {
                // The program ends, everything of this save taken back before.
                EXPECT_EQ(std::pair(endings, amEnde), std::pair(std::vector<int>{0}, vorher));
                endings.clear();
                HauptModul::Datenbank = frisch.Shared();
                w.Unload();
                continue;
            }
            EXPECT_FALSE(KqCocktailEingabe::IsLoaded());
            const bool retry = antwort == toolkit::vbRetry;
            const bool ohneZeile = !retry && f.pos != 3;
            const bool ohneGruppe = !retry && f.pos == 3;
            // Ignore: all but the record that needed the number; no record with another one.
            QList<int> neu = frisch.Records();
            for (int i = 0; i < vorher.size(); ++i)
                neu[i] -= vorher.at(i);
            EXPECT_EQ(neu, (QList<int>{1, retry && f.pos == 3, !ohneGruppe, retry && f.pos != 3,
                                       ohneZeile ? 1 : 2, 0, 1, 0, 0}));
            const QStringList zeilen = Gespeichert(QStringLiteral("Probe"));
            EXPECT_EQ(zeilen.filter(f.zutat + "|4 cl|").size() + zeilen.contains(f.gruppe),
                      2 - ohneZeile - ohneGruppe);
        }
}
