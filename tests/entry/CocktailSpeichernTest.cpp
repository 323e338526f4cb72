// Storing a new cocktail with new catalogue entries, a refused name on the way and a line
// without amount, and the three answers to a failure.

#include "EntryTest.h"
#include "MsgBoxExpect.h"
#include "dao/Text.h"
#include "dialogs/KqNeu.h"

#include <QPlainTextEdit>

namespace {

// The lines of a cocktail as text: one field after another, the ingredient by name.
QStringList Zeilen(const QString& cocktail) {
    const QString c = "(SELECT nr FROM cocktails WHERE name = " + dao::Quoted(cocktail) + ")";
    return HauptModul::ErstesFeld(
               "SELECT z.name || '|' || l.menge || '|' || l.variation || '|' || "
               "l.variationsmenge || '|' || l.pflicht || '|' || l.beschreibung FROM zutatenliste "
               "l INNER JOIN zutaten z ON z.nr = l.zutat WHERE l.cocktail = " +
               c + " ORDER BY l.rowid") +
           HauptModul::ErstesFeld("SELECT d.name || '|' || l.beschreibung FROM dekoliste l "
                                  "INNER JOIN deko d ON d.nr = l.deko WHERE l.cocktail = " +
                                  c) +
           HauptModul::ErstesFeld("SELECT g.name FROM gruppenzugehörigkeit l INNER JOIN "
                                  "cocktailgruppen g ON g.nr = l.gruppe WHERE l.cocktail = " +
                                  c);
}

} // namespace

class CocktailSpeichernTest : public EntryTest {
protected:
    // Adds a catalogue entry through "Neu" of a window: the name typed, "Hinzufügen".
    static void NeuerEintrag(QAbstractButton* neu, const QString& name) {
        Click(neu);
        ASSERT_TRUE(KqNeu::IsLoaded());
        Type(KqNeu::Loaded()->EName(), name);
        Click(KqNeu::Loaded()->BHinzufügen());
        ASSERT_FALSE(KqNeu::IsLoaded());
    }
};

// How the viewer and the bar stock window find what was stored is followed through in
// BadInputTest.
TEST_F(CocktailSpeichernTest, ANewCocktailWithNewEntriesIsStoredWholeAfterARefusedName) {
    KqCocktailEingabe& w = Eingabe();
    const QString name = QStringLiteral("Dr. \"Kühl's\" [Pfirsich] (Haus)");
    const QString gruppe = QStringLiteral("Hausmarke \"Ö\"");
    const QString zutat = QStringLiteral("Pfirsichlikör 'Spezial' [40%]");
    const QString deko = QStringLiteral("Pfirsichspalte (\"frisch\")");
    MsgBoxExpect boxes;

    // The new group is listed at the end (by number); the first group stays chosen.
    NeuerEintrag(w.BGruppeNeu(), gruppe);
    ASSERT_EQ(w.CGruppe()->List(w.CGruppe()->ListCount() - 1), gruppe);
    EXPECT_EQ(w.CGruppe()->ListIndex(), 0);
    w.CGruppe()->SetListIndex(w.CGruppe()->ListCount() - 1);

    // A new ingredient from the line dialog, then two lines: one in other case with a variation.
    Click(w.BZutatenNeu());
    NeuerEintrag(KqCocktailZutaten::Loaded()->BZutatNeu(), zutat);
    EXPECT_GE(KqCocktailZutaten::Loaded()->CZutat()->findText(zutat), 0);
    Fill(*KqCocktailZutaten::Loaded(),
         {zutat.toLower(), "4", "cl", "Gin", "2", "cl", QStringLiteral("eiskalt \"!\""), true});
    Click(KqCocktailZutaten::Loaded()->BHinzufügen());
    AddZutat(Zutatenzeile{"Sodawasser", {}, "zum Auffüllen", {}, {}, {}, {}, false});
    Click(w.BDekorationNeu());
    NeuerEintrag(KqCocktailDeko::Loaded()->BDekoNeu(), deko);
    Type(KqCocktailDeko::Loaded()->CDeko(), deko);
    Click(KqCocktailDeko::Loaded()->BHinzufügen());
    Type(w.EBeschreibung(), QStringLiteral("Süß & spritzig"));
    w.EZubereitung()->setPlainText(QStringLiteral("Auf Eis rühren.\nMit Soda auffüllen."));
    Type(w.EBewertung(), QStringLiteral("5"));
    Type(w.EErfunden(), QStringLiteral("2024, Jörg"));
    Type(w.EAdresse(), QStringLiteral("https://example.org/?a=\"b\""));

    // A name known in other case is refused: nothing is written, the window keeps everything.
    const QList<int> vorher = db.Records();
    Type(w.ECocktail(), QStringLiteral("mOJITO"));
    boxes.Expect("Ein Cocktail mit diesem Namen existiert bereits!", toolkit::vbOK);
    Click(w.BHinzufügen());
    EXPECT_EQ(db.Records(), vorher);
    ASSERT_TRUE(KqCocktailEingabe::IsLoaded());
    EXPECT_EQ(w.ECocktail()->text() + Names(TZutaten()).join(','),
              "mOJITO," + zutat.toLower() + ",Sodawasser,");
    // The focus is back in the name box with the name chosen: typing replaces it at once.
    ASSERT_TRUE(QTest::qWaitFor([&w] { return w.ECocktail()->hasFocus(); }));
    QTest::keyClicks(QApplication::focusWidget(), "Neu");
    EXPECT_EQ(w.ECocktail()->text(), "Neu");
    Type(w.ECocktail(), name);
    Click(w.BHinzufügen());
    ASSERT_FALSE(KqCocktailEingabe::IsLoaded());
    EXPECT_EQ(HauptModul::ErstesFeld(
                  "SELECT name || '|' || beschreibung || '|' || zubereitung || '|' || bewertung "
                  "|| '|' || erfinder || '|' || url FROM cocktails WHERE name = " +
                  dao::Quoted(name)),
              QStringList{name + "|Süß & spritzig|Auf Eis rühren.\nMit Soda auffüllen.|5|2024, "
                                 "Jörg|https://example.org/?a=\"b\""});
    const QString gin = HauptModul::ErstesFeld("SELECT nr FROM zutaten WHERE name = 'Gin'").at(0);
    EXPECT_EQ(Zeilen(name), (QStringList{zutat + "|4 cl|" + gin + "|2 cl|1|eiskalt \"!\"",
                                         "Sodawasser|zum Auffüllen|0||0|", deko + "|", gruppe}));

    // Without lines: the cocktail and its group link, nothing more.
    Type(Eingabe().ECocktail(), QStringLiteral("Ohne alles"));
    Click(Eingabe().BHinzufügen());
    EXPECT_EQ(Zeilen(QStringLiteral("Ohne alles")), QStringList{"Klassiker"});
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
            AddZutat(Zutatenzeile{f.zutat, "4", "cl", f.variation});
            AddZutat(QStringLiteral("Sodawasser"));
            AddDeko(QStringLiteral("Minzzweig"));
            const QList<int> vorher = frisch.Records();
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
                // Everything of this save taken back, the program ended, the window kept.
                EXPECT_EQ(endings, std::vector<int>{0});
                endings.clear();
                EXPECT_EQ(frisch.Records(), vorher);
                ASSERT_TRUE(KqCocktailEingabe::IsLoaded());
                EXPECT_EQ(w.ECocktail()->text() + Names(TZutaten()).join(','),
                          "Probe," + f.zutat + ",Sodawasser,");
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
            const QStringList zeilen = Zeilen(QStringLiteral("Probe"));
            EXPECT_EQ(zeilen.filter(f.zutat + "|4 cl|").size() + zeilen.contains(f.gruppe),
                      2 - ohneZeile - ohneGruppe);
        }
}
