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

namespace {

// The texts, each with a label that names its test; a name that holds nothing to tell it by is
// refused, of a cocktail or a catalogue entry.
struct Eingabetext {
    const char* label;
    QString text;
    bool alsNameAbgelehnt = false;
};

// 10,000 characters: a realistic name over and over, cut so that no character is halved.
QString Lang() {
    QString text = QStringLiteral("Dr. \"Kühl's\" [50%] *neu*? #1 \\ 🍹 Süße Grüße! ")
                       .repeated(250)
                       .left(10000);
    if (text.back().isHighSurrogate()) text.back() = u'x';
    return text;
}

const Eingabetext kTexte[] = {
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
    return text.remove(u' ').remove(u'\n');
}
QString Gezeigt(KqRezepte& viewer) {
    return OhneLeerraum(viewer.Ausgabe()->Lines().join(QString()));
}

} // namespace

class BadInputTest : public EntryTest, public ::testing::WithParamInterface<Eingabetext> {
protected:
    // Chooses the one entry of a combo box's list that reads exactly so.
    static void Wählen(toolkit::ComboBox* box, const QString& eintrag) {
        const QStringList einträge = Entries(box);
        ASSERT_EQ(einträge.count(eintrag), 1) << eintrag.toStdString();
        box->SetListIndex(static_cast<int>(einträge.indexOf(eintrag)));
        ASSERT_EQ(box->Text(), eintrag);
    }

    // A new entry of a catalogue through a window's "Neu": name and description typed,
    // "Hinzufügen". A refused name is answered, the dialog keeping what was typed, and ersatz
    // typed instead. Returns the name.
    QString Katalogeintrag(QAbstractButton* neu, const QString& ersatz) {
        const Eingabetext& t = GetParam();
        Click(neu);
        EXPECT_TRUE(KqNeu::IsLoaded());
        KqNeu& d = KqNeu::Instance();
        Type(d.EName(), t.text);
        Type(d.EBeschreibung(), t.text);
        if (t.alsNameAbgelehnt) {
            boxes.Expect(QStringLiteral("Bitte geben Sie einen Namen ein!"), toolkit::vbOK);
            Click(d.BHinzufügen());
            EXPECT_TRUE(QTest::qWaitFor([&d] { return d.EName()->hasFocus(); }));
            EXPECT_EQ(d.EBeschreibung()->text(), t.text);
            Type(d.EName(), ersatz);
        }
        Click(d.BHinzufügen());
        EXPECT_FALSE(KqNeu::IsLoaded());
        return t.alsNameAbgelehnt ? ersatz : Gekürzt(t.text, 50);
    }

    // Every message box must be announced; the refused names' are.
    MsgBoxExpect boxes;
};

TEST_P(BadInputTest, StoredAsTypedOrRefusedAndFoundEverywhere) {
    const Eingabetext& t = GetParam();
    QElapsedTimer uhr;
    uhr.start();
    const QList<int> vorher = db.Records();
    KqCocktailEingabe& w = Eingabe();

    // The group new through "Neu" beside the group list: listed last, the first staying chosen.
    const QString gruppe = Katalogeintrag(w.BGruppeNeu(), "Gruppe");
    EXPECT_EQ(w.CGruppe()->List(w.CGruppe()->ListCount() - 1), gruppe);
    EXPECT_EQ(w.CGruppe()->ListIndex(), 0);
    Wählen(w.CGruppe(), gruppe);

    // An ingredient line: its ingredient new through "Neu" of the line dialog, every other box
    // with the text, the variation an ingredient of the starter catalogue.
    Click(w.BZutatenNeu());
    KqCocktailZutaten& zd = KqCocktailZutaten::Instance();
    const QString zutat = Katalogeintrag(zd.BZutatNeu(), "Zutat");
    Wählen(zd.CZutat(), zutat);
    Fill(zd, {{zutat, t.text, t.text, "Gin", t.text, t.text, t.text}});
    Click(zd.BHinzufügen());

    // A decoration line, its decoration new through "Neu" of the line dialog.
    Click(w.BDekorationNeu());
    KqCocktailDeko& dd = KqCocktailDeko::Instance();
    const QString deko = Katalogeintrag(dd.BDekoNeu(), "Deko");
    Wählen(dd.CDeko(), deko);
    Type(dd.EBeschreibung(), t.text);
    Click(dd.BHinzufügen());

    // The cocktail's own boxes, then "Hinzufügen". A refused name keeps the window with all that
    // was typed and stores nothing; then it gets another one.
    for (QWidget* box :
         std::initializer_list<QWidget*>{w.ECocktail(), w.EBeschreibung(), w.EZubereitung(),
                                         w.EBewertung(), w.EErfunden(), w.EAdresse()})
        Type(box, t.text);
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

    // The viewer lists it once and draws its sheet by its name in either case.
    const QString menge = t.text.trimmed().isEmpty() ? t.text : t.text.trimmed() + u' ' + t.text;
    const QString notiz = t.text.isEmpty() ? QString() : '(' + t.text + ')';
    const QString blatt =
        OhneLeerraum(cocktail + t.text + "Zutaten" + menge + zutat + "oder" + menge + "Gin" +
                     notiz + "Dekoration" + deko + notiz + "Zubereitung" + t.text.repeated(4));
    KqRezepte& v = KqRezepte::Instance();
    EXPECT_EQ(Entries(v.CCocktail()).count(cocktail), 1);
    for (const QString& anders : {cocktail.toUpper(), cocktail.toLower()}) {
        v.Ausgabe()->Cls();
        v.Anzeigen(anders);
        EXPECT_EQ(Gezeigt(v), blatt);
    }
    v.Unload();

    // The bar stock window: a new setup through "Neu", chosen; the ingredient chosen in the
    // choice dialog, then once more in either case (passed over); the cocktail is mixable,
    // "Details" shows its sheet, a double click starts the viewer with it; "Entfernen" takes the
    // ingredient out again.
    KqZutaten& s = KqZutaten::Instance();
    s.Show();
    const QString setup = Katalogeintrag(s.BNeu(), "Setup");
    Wählen(s.CSetup(), setup);
    Click(s.BHinzufügen());
    Wählen(KqZutatenAuswahl::Instance().CZutat(), zutat);
    Click(KqZutatenAuswahl::Instance().BHinzufügen());
    s.Add(zutat.toUpper());
    s.Add(zutat.toLower());
    EXPECT_EQ(Entries(s.LZutaten()), QStringList{zutat});
    const QStringList mixbar = Entries(s.LCocktails());
    ASSERT_EQ(mixbar.count(cocktail), 1);
    s.LCocktails()->SetListIndex(static_cast<int>(mixbar.indexOf(cocktail)));
    Click(s.BDetails());
    EXPECT_EQ(Gezeigt(KqRezepte::Instance()), blatt);
    KqRezepte::Instance().Unload();
    s.LCocktails_DblClick();
    EXPECT_EQ(KqRezepte::Instance().CCocktail()->Text(), cocktail);
    EXPECT_EQ(Gezeigt(KqRezepte::Instance()), blatt);
    s.LZutaten()->SetListIndex(0);
    Click(s.BEntfernen());
    EXPECT_EQ(Entries(s.LZutaten()), QStringList{});
    EXPECT_FALSE(Entries(s.LCocktails()).contains(cocktail));
    EXPECT_EQ(endings, std::vector<int>{});

    // In the file, read by the engine over a connection of its own: one new record in each table
    // but the stock, which holds nothing any more; each with the text as typed, Null as "<Null>",
    // the catalogue's names and descriptions cut to 50 and 128 characters.
    QList<int> neu = db.Records();
    for (int i = 0; i < vorher.size(); ++i)
        neu[i] -= vorher.at(i);
    EXPECT_EQ(neu, (QList<int>{1, 1, 1, 1, 1, 1, 1, 1, 0}));
    QStringList gelesen;
    db.Open()->ReadEngineRows(
        "SELECT c.name, c.beschreibung, c.zubereitung, c.bewertung, c.erfinder, c.url, g.name, "
        "g.beschreibung, z.name, z.beschreibung, l.menge, v.name, l.variationsmenge, l.pflicht, "
        "l.beschreibung, d.name, d.beschreibung, k.beschreibung, s.name, s.beschreibung "
        "FROM cocktails c JOIN gruppenzugehörigkeit x ON x.cocktail = c.nr "
        "JOIN cocktailgruppen g ON g.nr = x.gruppe JOIN zutatenliste l ON l.cocktail = c.nr "
        "JOIN zutaten z ON z.nr = l.zutat JOIN zutaten v ON v.nr = l.variation "
        "JOIN dekoliste k ON k.cocktail = c.nr JOIN deko d ON d.nr = k.deko "
        "JOIN zutatensetup s ON s.nr = (SELECT max(nr) FROM zutatensetup) "
        "WHERE c.nr = (SELECT max(nr) FROM cocktails)",
        [&](const dao::EngineRow& row) {
            for (int i = 0; i < 20; ++i)
                gelesen << (row.IsNull(i) ? QStringLiteral("<Null>")
                                          : QString::fromUtf8(row.Utf8(i).toByteArray()));
        });
    const QString b = Gekürzt(t.text, 128);
    EXPECT_EQ(gelesen, (QStringList{cocktail, t.text, t.text, t.text, t.text, t.text, gruppe,
                                    b,        zutat,  b,      menge,  "Gin",  menge,  "1",
                                    t.text,   deko,   b,      t.text, setup,  b}));

    // All of it in moments, also with 10,000 characters (in an optimised build without the
    // sanitizers, which slow everything down many times).
    RecordProperty("Millisekunden", static_cast<int>(uhr.elapsed()));
#if defined(NDEBUG) && !defined(__SANITIZE_ADDRESS__)
    EXPECT_LT(uhr.elapsed(), 10000) << t.label;
#endif
}

INSTANTIATE_TEST_SUITE_P(Texte, BadInputTest, ::testing::ValuesIn(kTexte),
                         [](const ::testing::TestParamInfo<Eingabetext>& info) {
                             return std::string(info.param.label);
                         });
