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
    v.CGruppe()->SetListIndex(0);
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

namespace {

// Every column of a cocktail's records as the engine quotes them (Null, numbers and texts told
// apart), its lines in their stored order.
QStringList Spalten(dao::Database& d, const QString& name) {
    QStringList out;
    const QByteArray nr = "(SELECT nr FROM cocktails WHERE name = '" + name.toUtf8() + "')";
    const std::pair<int, QByteArray> abfragen[] = {
        {7, "SELECT quote(nr), quote(name), quote(beschreibung), quote(zubereitung), "
            "quote(bewertung), quote(erfinder), quote(url) FROM cocktails WHERE nr = " +
                nr},
        {7, "SELECT quote(cocktail), quote(zutat), quote(menge), quote(variation), "
            "quote(variationsmenge), quote(pflicht), quote(beschreibung) FROM zutatenliste "
            "WHERE cocktail = " +
                nr + " ORDER BY rowid"},
        {3, "SELECT quote(cocktail), quote(deko), quote(beschreibung) FROM dekoliste WHERE "
            "cocktail = " +
                nr + " ORDER BY rowid"},
        {2, "SELECT quote(gruppe), quote(cocktail) FROM gruppenzugehörigkeit WHERE cocktail = " +
                nr + " ORDER BY rowid"}};
    for (const auto& [spalten, sql] : abfragen)
        d.ReadEngineRows(sql, [&out, spalten](const dao::EngineRow& row) {
            QStringList zeile;
            for (int i = 0; i < spalten; ++i)
                zeile << QString::fromUtf8(row.Utf8(i));
            out << zeile.join(u'|');
        });
    return out;
}

} // namespace

TEST_F(CocktailAendernTest, StoredUnchangedEveryColumnStaysAsItWasNullsAndNumbersToo) {
    // One cocktail as the starter file has it, one the shell left with Nulls and a number.
    db.Db().ExecuteScript("UPDATE cocktails SET bewertung = NULL, erfinder = NULL, url = NULL, "
                          "beschreibung = 7 WHERE name = 'Negroni'; UPDATE zutatenliste SET "
                          "beschreibung = NULL, variationsmenge = NULL WHERE cocktail = (SELECT "
                          "nr FROM cocktails WHERE name = 'Negroni')");
    for (const QString name : {QStringLiteral("Negroni"), QStringLiteral("Mojito")}) {
        SCOPED_TRACE(name.toStdString());
        const QStringList vorher = Spalten(db.Db(), name);
        ASSERT_GE(vorher.size(), 3);
        Click(Geöffnet(name.left(4)).BHinzufügen());
        EXPECT_FALSE(KqCocktailEingabe::IsLoaded());
        EXPECT_EQ(Spalten(db.Db(), name), vorher);
    }
    // A box changed is written; the others stay Null.
    KqCocktailEingabe& w = Geöffnet(QStringLiteral("Negr"));
    Type(w.EBewertung(), QStringLiteral("5"));
    Click(w.BHinzufügen());
    const QStringList felder = Spalten(db.Db(), QStringLiteral("Negroni")).at(0).split(u'|');
    EXPECT_EQ(felder.mid(felder.size() - 3), (QStringList{"'5'", "NULL", "NULL"}));
    EXPECT_EQ(felder.value(2), QStringLiteral("'7'"));
}

TEST_F(CocktailAendernTest, ACocktailDeletedElsewhereWhileChangedIsOfferedToBeStoredAsNew) {
    MsgBoxExpect boxes;
    KqCocktailEingabe& w = Geöffnet(QStringLiteral("Moj"));
    Type(w.EBewertung(), QStringLiteral("sehr gut"));
    const QStringList alt = Nummer(QStringLiteral("Mojito"));
    const std::shared_ptr<dao::Database> anderes = db.Open();
    anderes->ExecuteScript("DELETE FROM zutatenliste WHERE cocktail = " + alt.at(0).toUtf8() +
                           "; DELETE FROM cocktails WHERE name = 'Mojito'");
    const QList<int> vorher = db.Records();
    // No keeps the form as it is, nothing stored; Yes stores it as a new cocktail.
    boxes.Expect("Der Cocktail „Mojito“ wurde inzwischen gelöscht. Soll er als neuer Cocktail "
                 "gespeichert werden?",
                 toolkit::vbNo);
    Click(w.BHinzufügen());
    ASSERT_TRUE(KqCocktailEingabe::IsLoaded());
    EXPECT_EQ(std::pair(w.EBewertung()->text(), db.Records()),
              std::pair(QStringLiteral("sehr gut"), vorher));
    boxes.Expect("wurde inzwischen gelöscht", toolkit::vbYes);
    Click(w.BHinzufügen());
    EXPECT_FALSE(KqCocktailEingabe::IsLoaded());
    const QStringList neu = Nummer(QStringLiteral("Mojito"));
    ASSERT_EQ(neu.size(), 1);
    EXPECT_NE(neu, alt);
    EXPECT_EQ(Gespeichert(QStringLiteral("Mojito")).at(0).section(u'|', 3, 3),
              QStringLiteral("sehr gut"));
    EXPECT_EQ(Gespeichert(QStringLiteral("Mojito")).size(), 1 + 6 + 2 + 1);
}

TEST_F(CocktailAendernTest, EveryWindowListingCocktailsFollowsARenameAndADeletion) {
    MsgBoxExpect boxes;
    KqRezepte& viewer = KqRezepte::Instance();
    viewer.Show();
    QTest::keyClicks(viewer.CCocktail(), QStringLiteral("Moj"));
    Click(viewer.BAnzeigen());
    ASSERT_EQ(viewer.Ausgabe()->Lines().value(0), QStringLiteral("Mojito"));
    const auto zeigt = [&viewer](const QString& name) {
        const QStringList liste = Entries(viewer.CCocktail());
        return std::tuple(liste == HauptModul::ErstesFeld("SELECT name FROM cocktails ORDER BY "
                                                          "name"),
                          viewer.CCocktail()->Text(), viewer.Ausgabe()->Lines().value(0),
                          Entries(KqCocktailÄndern::Instance().CCocktail()) == liste,
                          liste.contains(name));
    };

    // Renamed in this program: the viewer's list, choice and sheet follow at once.
    KqCocktailEingabe& w = Geöffnet(QStringLiteral("Moj"));
    Type(w.ECocktail(), QStringLiteral("Mojito Royal"));
    Click(w.BHinzufügen());
    EXPECT_EQ(zeigt(QStringLiteral("Mojito")),
              std::tuple(true, QStringLiteral("Mojito Royal"), QStringLiteral("Mojito Royal"), true,
                         false));
    // Deleted: the sheet is cleared, the entry at its place chosen.
    boxes.Expect("gelöscht werden?", toolkit::vbYes);
    Click(KqCocktailÄndern::Instance().BLöschen());
    const auto [gleich, gewählt, titel, beide, da] = zeigt(QStringLiteral("Mojito Royal"));
    EXPECT_TRUE(gleich && beide && !da && titel.isEmpty() && !gewählt.isEmpty());

    // Renamed by another program: the windows follow when one comes to the front.
    viewer.CCocktail()->SetListIndex(0);
    const QString erster = viewer.CCocktail()->Text();
    Click(viewer.BAnzeigen());
    db.Open()->ExecuteScript("UPDATE cocktails SET name = 'ZZ " + erster.toUtf8() +
                             "' WHERE name = '" + erster.toUtf8() + "'");
    QApplication::setActiveWindow(&KqCocktailÄndern::Instance());
    viewer.activateWindow();
    QApplication::setActiveWindow(&viewer);
    ASSERT_TRUE(QTest::qWaitFor([&] { return viewer.CCocktail()->Text() == "ZZ " + erster; }));
    EXPECT_EQ(zeigt(erster), std::tuple(true, "ZZ " + erster, "ZZ " + erster, true, false));
}
