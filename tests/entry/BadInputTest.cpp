// Awkward texts through the real windows: quotes, brackets, wildcards, backslashes and umlauts
// mixed, a character beyond the 16-bit range, blanks around a name, nothing at all and 10,000
// characters, typed into every box that takes text. Each is stored exactly as the box holds it
// and read back from the file, or refused with a message and nothing stored; afterwards the
// look-ups by name, the recipe sheet and the bar stock window work with it.

#include "EntryTest.h"
#include "MsgBoxExpect.h"
#include "dialogs/KqNeu.h"
#include "stock/KqZutaten.h"
#include "stock/KqZutatenAuswahl.h"
#include "viewer/Blatt.h"
#include "viewer/KqRezepte.h"

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <ostream>

namespace {

// The texts, each with a label that names its test; a name that holds nothing to tell it by is
// refused, of a cocktail or a catalogue entry.
struct Eingabetext {
    const char* label;
    QString text;
    bool alsNameAbgelehnt = false;
};

void PrintTo(const Eingabetext& t, std::ostream* os) {
    *os << t.label;
}

// 10,000 characters: a realistic name over and over, cut so that no character is halved.
QString Lang() {
    const QString muster = QStringLiteral("Dr. \"Kühl's\" [50%] *neu*? #1 \\ 🍹 Süße Grüße! ");
    QString text;
    while (text.size() < 10000)
        text += muster;
    text.truncate(10000);
    if (text.back().isHighSurrogate()) text.back() = u'x';
    return text;
}

const std::vector<Eingabetext>& Texte() {
    static const std::vector<Eingabetext> texte = {
        {"BlanksDavorUndDahinter", QStringLiteral("  Mit Blanks  ")},
        {"NurBlanks", QStringLiteral("   "), true},
        {"Leer", QString(), true},
        {"ZehntausendZeichen", Lang()},
        // The 50th character of a catalogue name is one beyond the 16-bit range.
        {"EmojiAnDerGrenze", QString(49, u'x') + QStringLiteral("🍹")},
        // Each of " ' [ ] % * ? # \ and the umlauts, alone and doubled, brackets unmatched too.
        {"Doktor", QStringLiteral("Dr. \"Kühl's\" [50%] *neu*? #1 \\ 🍹")},
        {"Muster", QStringLiteral("*?[a-z]% \\\\Server\\Bar ''\"\" Ärger ß 🍓🍹 ][")},
    };
    return texte;
}

// A box limited to `grenze` characters holds the text's beginning; a character beyond the
// 16-bit range that does not fit whole is left out whole. The catalogue dialog takes 50
// characters of a name, 128 of a description.
QString Gekürzt(const QString& text, int grenze) {
    QString kurz = text.left(grenze);
    if (!kurz.isEmpty() && kurz.back().isHighSurrogate()) kurz.chop(1);
    return kurz;
}

// A recipe sheet's text, or what it is expected to be, without blanks and line breaks: a long
// text is broken over several lines.
QString OhneLeerraum(QString text) {
    text.remove(u' ');
    text.remove(u'\n');
    return text;
}
QString Gezeigt(KqRezepte& viewer) {
    return OhneLeerraum(viewer.Ausgabe()->Lines().join(QString()));
}

} // namespace

class BadInputTest : public EntryTest, public ::testing::WithParamInterface<Eingabetext> {
protected:
    void SetUp() override {
        EntryTest::SetUp();
        datei = db.Open();
    }

    // The fields of every row a statement finds, read from the file over a connection of its
    // own: each as text, Null as "<Null>".
    QStringList Gelesen(const QByteArray& sql, int spalten) {
        QStringList felder;
        datei->ReadEngineRows(sql, [&](const dao::EngineRow& row) {
            for (int i = 0; i < spalten; ++i)
                felder << (row.IsNull(i) ? QStringLiteral("<Null>")
                                         : QString::fromUtf8(row.Utf8(i).toByteArray()));
        });
        return felder;
    }
    QByteArray HöchsteNr(const char* tabelle) {
        return Gelesen(QByteArray("SELECT ifnull(max(nr), 0) FROM ") + tabelle, 1)
            .value(0)
            .toUtf8();
    }

    // Chooses the one entry of a combo box's list that reads exactly so.
    static void Wählen(toolkit::ComboBox* box, const QString& eintrag) {
        const QStringList einträge = Entries(box);
        ASSERT_EQ(einträge.count(eintrag), 1) << eintrag.toStdString();
        box->SetListIndex(static_cast<int>(einträge.indexOf(eintrag)));
        ASSERT_EQ(box->Text(), eintrag);
    }

    // A new entry of a catalogue through a window's "Neu": name and description typed,
    // "Hinzufügen". A refused name is answered, the dialog keeping what was typed, and ersatz
    // typed instead. Checks the one new record in the file; returns its number and name.
    std::pair<QString, QString> Katalogeintrag(QAbstractButton* neu, const char* tabelle,
                                               const QString& ersatz) {
        const Eingabetext& t = GetParam();
        const QByteArray vorher = HöchsteNr(tabelle);
        Click(neu);
        EXPECT_TRUE(KqNeu::IsLoaded());
        KqNeu& d = KqNeu::Instance();
        Type(d.EName(), t.text);
        Type(d.EBeschreibung(), t.text);
        QString name = Gekürzt(t.text, 50);
        EXPECT_EQ(d.EName()->text(), name);
        if (t.alsNameAbgelehnt) {
            boxes.Expect(QStringLiteral("Bitte geben Sie einen Namen ein!"), toolkit::vbOK);
            Click(d.BHinzufügen());
            EXPECT_TRUE(QTest::qWaitFor([&d] { return d.EName()->hasFocus(); }));
            EXPECT_EQ(d.EBeschreibung()->text(), t.text);
            Type(d.EName(), name = ersatz);
        }
        Click(d.BHinzufügen());
        EXPECT_FALSE(KqNeu::IsLoaded());
        const QStringList neuer = Gelesen("SELECT nr, name, beschreibung FROM " +
                                              QByteArray(tabelle) + " WHERE nr > " + vorher,
                                          3);
        EXPECT_EQ(neuer.mid(1), (QStringList{name, Gekürzt(t.text, 128)}));
        return {neuer.value(0), name};
    }

    std::shared_ptr<dao::Database> datei;
    // Every message box must be announced; the refused names' are.
    MsgBoxExpect boxes;
};

TEST_P(BadInputTest, StoredAsTypedOrRefusedAndFoundEverywhere) {
    const Eingabetext& t = GetParam();
    QElapsedTimer uhr;
    uhr.start();
    KqCocktailEingabe& w = Eingabe();

    // The group new through "Neu" beside the group list: listed last, the first staying chosen.
    const auto [gruppeNr, gruppe] = Katalogeintrag(w.BGruppeNeu(), "cocktailgruppen", "Gruppe");
    EXPECT_EQ(w.CGruppe()->List(w.CGruppe()->ListCount() - 1), gruppe);
    EXPECT_EQ(w.CGruppe()->ListIndex(), 0);
    Wählen(w.CGruppe(), gruppe);

    // An ingredient line: its ingredient new through "Neu" of the line dialog, every other box
    // with the text, the variation an ingredient of the starter catalogue.
    Click(w.BZutatenNeu());
    KqCocktailZutaten& zd = KqCocktailZutaten::Instance();
    const auto [zutatNr, zutat] = Katalogeintrag(zd.BZutatNeu(), "zutaten", "Zutat");
    Wählen(zd.CZutat(), zutat);
    Fill(zd, {{zutat, t.text, t.text, "Gin", t.text, t.text, t.text}});
    Click(zd.BHinzufügen());
    const QString menge = t.text.trimmed().isEmpty() ? t.text : t.text.trimmed() + u' ' + t.text;
    EXPECT_EQ(Cells(*w.TZutaten(), 1),
              (QStringList{"1", zutat, menge, "Gin", menge, "Pflicht", t.text}));

    // A decoration line, its decoration new through "Neu" of the line dialog.
    Click(w.BDekorationNeu());
    KqCocktailDeko& dd = KqCocktailDeko::Instance();
    const auto [dekoNr, deko] = Katalogeintrag(dd.BDekoNeu(), "deko", "Deko");
    Wählen(dd.CDeko(), deko);
    Type(dd.EBeschreibung(), t.text);
    Click(dd.BHinzufügen());
    EXPECT_EQ(Cells(*w.TDekoration(), 1), (QStringList{"1", deko, t.text}));

    // The cocktail's own boxes, then "Hinzufügen". A refused name keeps the window with all that
    // was typed and stores nothing; then it gets another one.
    for (QWidget* box :
         std::initializer_list<QWidget*>{w.ECocktail(), w.EBeschreibung(), w.EZubereitung(),
                                         w.EBewertung(), w.EErfunden(), w.EAdresse()})
        Type(box, t.text);
    const QByteArray vorher = HöchsteNr("cocktails");
    QString cocktail = t.text;
    if (t.alsNameAbgelehnt) {
        boxes.Expect(QStringLiteral("Bitte geben Sie einen Namen für den Cocktail ein!"),
                     toolkit::vbOK);
        Click(w.BHinzufügen());
        ASSERT_TRUE(KqCocktailEingabe::IsLoaded());
        EXPECT_TRUE(QTest::qWaitFor([&w] { return w.ECocktail()->hasFocus(); }));
        EXPECT_EQ(w.EAdresse()->text() + '|' + Names(*w.TZutaten()).join('|'),
                  t.text + "||" + zutat + '|');
        Type(w.ECocktail(), cocktail = QStringLiteral("Cocktail"));
    }
    Click(w.BHinzufügen());
    EXPECT_FALSE(KqCocktailEingabe::IsLoaded());

    // In the file: the one new record with every text, its two lines, its group.
    const QStringList neu = Gelesen("SELECT nr, name, beschreibung, zubereitung, bewertung, "
                                    "erfinder, url FROM cocktails WHERE nr > " +
                                        vorher,
                                    7);
    EXPECT_EQ(neu.mid(1), (QStringList{cocktail, t.text, t.text, t.text, t.text, t.text}));
    const QByteArray von = " WHERE cocktail = " + neu.value(0).toUtf8();
    const QString gin = Gelesen("SELECT nr FROM zutaten WHERE name = 'Gin'", 1).value(0);
    EXPECT_EQ(Gelesen("SELECT zutat, menge, variation, variationsmenge, pflicht, beschreibung "
                      "FROM zutatenliste" +
                          von,
                      6),
              (QStringList{zutatNr, menge, gin, menge, "1", t.text}));
    EXPECT_EQ(Gelesen("SELECT deko, beschreibung FROM dekoliste" + von, 2),
              (QStringList{dekoNr, t.text}));
    EXPECT_EQ(Gelesen("SELECT gruppe FROM gruppenzugehörigkeit" + von, 1), QStringList{gruppeNr});

    // The viewer lists it once and draws its sheet when started with it and by its name in
    // either case.
    const QString notiz = t.text.isEmpty() ? QString() : '(' + t.text + ')';
    const QString blatt =
        OhneLeerraum(cocktail + t.text + "Zutaten" + menge + zutat + "oder" + menge + "Gin" +
                     notiz + "Dekoration" + deko + notiz + "Zubereitung" + t.text.repeated(4));
    KqRezepte& v = KqRezepte::Instance();
    EXPECT_EQ(Entries(v.CCocktail()).count(cocktail), 1);
    v.Start(cocktail);
    EXPECT_EQ(v.CCocktail()->Text(), cocktail);
    EXPECT_EQ(Gezeigt(v), blatt);
    for (const QString& anders : {cocktail.toUpper(), cocktail.toLower()}) {
        v.Ausgabe()->Cls();
        v.Anzeigen(anders);
        EXPECT_EQ(Gezeigt(v), blatt);
    }
    v.Unload();

    // The bar stock window: a new setup through "Neu", chosen; the ingredient chosen in the
    // choice dialog, then once more in either case (passed over); the cocktail is mixable and
    // "Details" draws its sheet; "Entfernen" takes the ingredient out again.
    KqZutaten& s = KqZutaten::Instance();
    s.Show();
    const auto [setupNr, setup] = Katalogeintrag(s.BNeu(), "zutatensetup", "Setup");
    Wählen(s.CSetup(), setup);
    Click(s.BHinzufügen());
    Wählen(KqZutatenAuswahl::Instance().CZutat(), zutat);
    Click(KqZutatenAuswahl::Instance().BHinzufügen());
    s.Add(zutat.toUpper());
    s.Add(zutat.toLower());
    const QByteArray vorrat = "FROM zutatensetupvorrat WHERE setup = " + setupNr.toUtf8();
    EXPECT_EQ(Gelesen("SELECT zutat " + vorrat, 1), QStringList{zutatNr});
    EXPECT_EQ(Entries(s.LZutaten()), QStringList{zutat});
    const QStringList mixbar = Entries(s.LCocktails());
    ASSERT_EQ(mixbar.count(cocktail), 1);
    s.LCocktails()->SetListIndex(static_cast<int>(mixbar.indexOf(cocktail)));
    Click(s.BDetails());
    ASSERT_TRUE(KqRezepte::IsLoaded());
    EXPECT_EQ(Gezeigt(*KqRezepte::Loaded()), blatt);
    s.LZutaten()->SetListIndex(0);
    Click(s.BEntfernen());
    EXPECT_EQ(Gelesen("SELECT count(*) " + vorrat, 1), QStringList{"0"});
    EXPECT_EQ(Entries(s.LZutaten()), QStringList{});
    EXPECT_FALSE(Entries(s.LCocktails()).contains(cocktail));
    EXPECT_EQ(endings, std::vector<int>{});

    // All of it in moments, also with 10,000 characters (in an optimised build without the
    // sanitizers, which slow everything down many times).
    RecordProperty("Millisekunden", static_cast<int>(uhr.elapsed()));
#if defined(NDEBUG) && !defined(__SANITIZE_ADDRESS__)
    EXPECT_LT(uhr.elapsed(), 10000) << t.label;
#endif
}

INSTANTIATE_TEST_SUITE_P(Texte, BadInputTest, ::testing::ValuesIn(Texte()),
                         [](const ::testing::TestParamInfo<Eingabetext>& info) {
                             return std::string(info.param.label);
                         });
