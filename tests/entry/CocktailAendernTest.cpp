// Changing and deleting a stored cocktail through the window "Cocktail ändern" and the entry
// window in its change mode: the round trip of every field and line, renaming, the refused
// duplicate, typing not thrown away, a failure's three answers, and deleting.

#include "EntryTest.h"
#include "MsgBoxExpect.h"
#include "entry/KqCocktailAendern.h"
#include "viewer/Blatt.h"
#include "viewer/KqRezepte.h"

#include <QPlainTextEdit>

namespace {

class CocktailAendernTest : public EntryTest {
protected:
    // The window "Cocktail ändern" with the cocktail chosen by typing its name's beginning,
    // after the pause that makes typing start a new search.
    static KqCocktailÄndern& Gewählt(const QString& anfang) {
        KqCocktailÄndern& w = KqCocktailÄndern::Instance();
        w.Show();
        QTest::qWait(QApplication::keyboardInputInterval() + 10);
        QTest::keyClicks(w.CCocktail(), anfang);
        return w;
    }
    // The entry window filled with the cocktail, through the button "Ändern".
    static KqCocktailEingabe& Geöffnet(const QString& anfang) {
        Click(Gewählt(anfang).BÄndern());
        return *KqCocktailEingabe::Loaded();
    }
    static QStringList Nummer(const QString& name) {
        return HauptModul::ErstesFeld("SELECT nr FROM cocktails WHERE name = " + dao::Quoted(name));
    }
};

TEST_F(CocktailAendernTest, EveryFieldAndBothGridsAreChangedInPlaceAndReadBackInTheViewer) {
    // Loaded and stored unchanged, a cocktail stays as it was to the letter, its lines in
    // their order; the window says it changes one.
    const QStringList mojito = Gespeichert(QStringLiteral("Mojito"));
    const QList<int> vorher = db.Records();
    KqCocktailEingabe& w = Geöffnet(QStringLiteral("Moj"));
    EXPECT_EQ(KqCocktailÄndern::Instance().CCocktail()->Text(), QStringLiteral("Mojito"));
    EXPECT_EQ(std::pair(w.BHinzufügen()->text(), w.BHinzufügen()->accessibleName()),
              std::pair(QStringLiteral("Ändern"), QStringLiteral("Ändern")));
    EXPECT_EQ(Names(*w.TZutaten()).size(), 8);
    Click(w.BHinzufügen());
    EXPECT_FALSE(KqCocktailEingabe::IsLoaded());
    EXPECT_EQ(Gespeichert(QStringLiteral("Mojito")), mojito);
    EXPECT_EQ(db.Records(), vorher);

    // Every field, the group, a line deleted, one changed, one added in each grid.
    const QStringList nr = Nummer(QStringLiteral("Mojito"));
    KqCocktailEingabe& v = Geöffnet(QStringLiteral("Moj"));
    ClickRow(*v.TZutaten(), 1);
    Click(v.BZutatenDel());
    ClickRow(*v.TZutaten(), 2);
    Click(v.BZutatenEdit());
    Type(KqCocktailZutaten::Loaded()->EZutatMenge(), QStringLiteral("0,5"));
    Click(KqCocktailZutaten::Loaded()->BHinzufügen());
    AddZutat({{"Angostura Bitter", "2", "Spritzer"}, false});
    AddDeko(QStringLiteral("Zitronenzeste"));
    int i = 0;
    for (QLineEdit* box :
         {v.ECocktail(), v.EBeschreibung(), v.EBewertung(), v.EErfunden(), v.EAdresse()})
        Type(box, QStringLiteral("Feld %1 „ä“").arg(++i));
    v.EZubereitung()->setPlainText(QStringLiteral("Neu\nzubereitet"));
    v.CGruppe()->SetListIndex(2);
    const QString gruppe = v.CGruppe()->Text();
    QStringList zeilen = mojito.mid(1, 6);
    zeilen.removeAt(0);
    zeilen[1].replace(QRegularExpression("^([^|]*)\\|[^ |]*"), "\\1|0,5");
    zeilen << "Angostura Bitter|2 Spritzer|0||0|";
    Click(v.BHinzufügen());
    EXPECT_FALSE(KqCocktailEingabe::IsLoaded());
    const QStringList jetzt = Gespeichert(QStringLiteral("Feld 1 „ä“"));
    const QStringList erwartet =
        QStringList{"Feld 1 „ä“|Feld 2 „ä“|Neu\nzubereitet|Feld 3 „ä“|Feld 4 „ä“|Feld 5 „ä“"} +
        zeilen + mojito.mid(7, 2) + QStringList{"Zitronenzeste|", gruppe};
    EXPECT_EQ(jetzt, erwartet);
    EXPECT_EQ(Nummer(QStringLiteral("Feld 1 „ä“")), nr);
    EXPECT_TRUE(Gespeichert(QStringLiteral("Mojito")).isEmpty());

    // The viewer reads it so; the window's own list follows when it comes to the front.
    KqRezepte::Instance().Anzeigen(QStringLiteral("feld 1 „Ä“"));
    const QStringList blatt = KqRezepte::Instance().Ausgabe()->Lines();
    EXPECT_TRUE(blatt.contains("2 Spritzer Angostura Bitter") && blatt.contains("Zitronenzeste"))
        << blatt.join('/').toStdString();
    KqCocktailÄndern::Instance().Show();
    ASSERT_TRUE(QTest::qWaitFor([] {
        return KqCocktailÄndern::Instance().CCocktail()->Text() == QStringLiteral("Feld 1 „ä“");
    }));
}

TEST_F(CocktailAendernTest, ItsOwnNameInOtherCaseIsKeptAnotherKnownNameIsRefusedWithTheFormKept) {
    MsgBoxExpect boxes;
    const QStringList nr = Nummer(QStringLiteral("Negroni"));
    KqCocktailEingabe* w = &Geöffnet(QStringLiteral("Negr"));
    Type(w->ECocktail(), QStringLiteral("NEGRONI"));
    Click(w->BHinzufügen());
    EXPECT_EQ(Nummer(QStringLiteral("NEGRONI")), nr);

    const QList<int> vorher = db.Records();
    w = &Geöffnet(QStringLiteral("NEG"));
    Type(w->ECocktail(), QStringLiteral("mOJITO"));
    boxes.Expect("Ein Cocktail mit diesem Namen existiert bereits!", toolkit::vbOK);
    Click(w->BHinzufügen());
    ASSERT_TRUE(KqCocktailEingabe::IsLoaded());
    EXPECT_EQ(std::pair(w->ECocktail()->text(), w->BHinzufügen()->text()),
              std::pair(QStringLiteral("mOJITO"), QStringLiteral("Ändern")));
    EXPECT_EQ(db.Records(), vorher);

    // What was typed is not thrown away unasked: No keeps it, Yes loads the chosen cocktail.
    boxes.Expect("Sollen sie verworfen werden?", toolkit::vbNo);
    Click(Gewählt(QStringLiteral("Man")).BÄndern());
    EXPECT_EQ(w->ECocktail()->text(), QStringLiteral("mOJITO"));
    boxes.Expect("Sollen sie verworfen werden?", toolkit::vbYes);
    Click(KqCocktailÄndern::Instance().BÄndern());
    EXPECT_EQ(w->ECocktail()->text(), QStringLiteral("Manhattan"));
    // Untouched, it is filled without a question.
    Click(Gewählt(QStringLiteral("Mar")).BÄndern());
    EXPECT_EQ(w->ECocktail()->text(), QStringLiteral("Margarita"));
}

TEST_F(CocktailAendernTest, AFailedChangeIsTakenBackByAbortLeftOutByIgnoreAndRetriedWhole) {
    for (const int antwort : {toolkit::vbAbort, toolkit::vbIgnore, toolkit::vbRetry}) {
        SCOPED_TRACE(antwort);
        TempDatabase frisch;
        HauptModul::Datenbank = frisch.Shared();
        const QStringList alt = Gespeichert(QStringLiteral("Daiquiri"));
        KqCocktailEingabe& w = Geöffnet(QStringLiteral("Daiq"));
        Type(w.EBewertung(), QStringLiteral("gut"));
        AddZutat(QStringLiteral("Quittenbrand"));
        const QList<int> vorher = frisch.Records();
        QList<int> amEnde;
        HauptModul::Ende = [&](int status) {
            endings.push_back(status);
            amEnde = frisch.Records();
        };
        int meldungen = 0;
        toolkit::SetMsgBoxResponder([&](const QString& prompt, int, const QString& titel) {
            EXPECT_TRUE(titel == "Fehler!" &&
                        prompt.contains("Abspeicherns des Cocktails auf! \rPos: 144 Nummer: 3021"))
                << prompt.toStdString();
            ++meldungen;
            if (antwort == toolkit::vbRetry)
                frisch.Db().Execute("INSERT INTO zutaten (name) VALUES (\"Quittenbrand\")");
            return antwort;
        });
        Click(w.BHinzufügen());
        toolkit::SetMsgBoxResponder({});
        EXPECT_EQ(meldungen, 1);
        HauptModul::Datenbank = frisch.Shared();
        const QStringList neu = Gespeichert(QStringLiteral("Daiquiri"));
        if (antwort == toolkit::vbAbort) {
            EXPECT_EQ(std::pair(endings, amEnde), std::pair(std::vector<int>{0}, vorher));
            EXPECT_EQ(neu, alt);
            endings.clear();
            w.Unload();
            continue;
        }
        EXPECT_EQ(neu.at(0), alt.at(0).section('|', 0, 2) + "|gut|" + alt.at(0).section('|', 4));
        EXPECT_EQ(neu.mid(1),
                  alt.mid(1, 3) +
                      (antwort == toolkit::vbRetry ? QStringList{"Quittenbrand|2 cl|0||1|"}
                                                   : QStringList{}) +
                      alt.mid(4));
    }
}

TEST_F(CocktailAendernTest, DeletingAsksFirstAndTakesTheCocktailWithItsLinksAndLinesOnly) {
    MsgBoxExpect boxes;
    KqCocktailÄndern& w = Gewählt(QStringLiteral("Moj"));
    const int index = w.CCocktail()->ListIndex();
    const QString danach = w.CCocktail()->List(index + 1);
    Click(w.BÄndern());
    KqCocktailEingabe& eingabe = *KqCocktailEingabe::Loaded();
    QList<int> vorher = db.Records();
    boxes.Expect("Soll der Cocktail „Mojito“ gelöscht werden?", toolkit::vbNo);
    Click(w.BLöschen());
    EXPECT_EQ(db.Records(), vorher);
    boxes.Expect("Soll der Cocktail „Mojito“ gelöscht werden?", toolkit::vbYes);
    Click(w.BLöschen());
    QList<int> weg = vorher;
    for (int t = 0; t < weg.size(); ++t)
        weg[t] -= db.Records().at(t);
    EXPECT_EQ(weg, (QList<int>{1, 0, 2, 0, 6, 0, 2, 0, 0}));
    EXPECT_EQ(std::pair(w.CCocktail()->ListIndex(), w.CCocktail()->Text()),
              std::pair(index, danach));
    EXPECT_EQ(Entries(w.CCocktail()),
              HauptModul::ErstesFeld("SELECT name FROM cocktails ORDER BY name"));
    // The entry window keeps the deleted cocktail, to be stored as a new one.
    EXPECT_EQ(std::pair(eingabe.BHinzufügen()->text(), eingabe.Cocktailnummer().has_value()),
              std::pair(QStringLiteral("Hinzufügen"), false));
    // Stored again, it has the one group the window showed.
    Click(eingabe.BHinzufügen());
    vorher[2] -= 1;
    EXPECT_EQ(db.Records(), vorher);
}

} // namespace
