// Awkward texts through the real windows: quotes, brackets, wildcards, backslashes and umlauts
// mixed, a character beyond the 16-bit range, blanks around a name, nothing at all and 10,000
// characters, typed into every box that takes text. Each is stored exactly as the box holds it
// and read back from the file, or refused with a message and nothing stored; stored again through
// "Cocktail ändern" unchanged, it stays so. (Look-ups by such
// names: tests/dao/LookUpTest and StatementTest.)

#include "EntryTest.h"
#include "MsgBoxExpect.h"
#include "dialogs/KqNeu.h"
#include "entry/KqCocktailAendern.h"

#include <QPlainTextEdit>

namespace {

// The texts, each with a label that names its test; a name that holds nothing to tell it by is
// refused, of a cocktail or a catalogue entry.
struct Eingabetext {
    const char* label;
    QString text;
    bool alsNameAbgelehnt = false;
};

// 10,000 characters: a realistic name over and over, ending on a whole character.
const QString kLang =
    QStringLiteral("Dr. \"Kühl's\" [50%] *neu*? #1 \\ 🍹 Süße Grüße! ").repeated(250).left(10000);

const Eingabetext kTexte[] = {
    {"BlanksDavorUndDahinter", QStringLiteral("  Mit Blanks  ")},
    {"NurBlanks", QStringLiteral("   "), true},
    {"Leer", QString(), true},
    {"ZehntausendZeichen", kLang},
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

} // namespace

class BadInputTest : public EntryTest, public ::testing::WithParamInterface<Eingabetext> {
protected:
    // Chooses the one entry of a combo box's list that reads exactly so.
    static void Wählen(toolkit::ComboBox* box, const QString& eintrag) {
        const QStringList einträge = Entries(box);
        ASSERT_EQ(einträge.count(eintrag), 1) << eintrag.toStdString();
        box->SetListIndex(static_cast<int>(einträge.indexOf(eintrag)));
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

TEST_P(BadInputTest, StoredAsTypedOrRefusedWithNothingStored) {
    const Eingabetext& t = GetParam();
    const QList<int> vorher = db.Records();
    KqCocktailEingabe& w = Eingabe();
    // A group, an ingredient line and a decoration line, each of them new through "Neu", every
    // other box with the text, the line's variation an ingredient of the starter catalogue.
    const QString gruppe = Katalogeintrag(w.BGruppeNeu(), "Gruppe");
    Wählen(w.CGruppe(), gruppe);
    Click(w.BZutatenNeu());
    KqCocktailZutaten& zd = KqCocktailZutaten::Instance();
    const QString zutat = Katalogeintrag(zd.BZutatNeu(), "Zutat");
    Wählen(zd.CZutat(), zutat);
    Fill(zd, {{zutat, t.text, t.text, "Gin", t.text, t.text, t.text}});
    Click(zd.BHinzufügen());
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

    // An amount cell holds the amount trimmed, a blank, and the unit.
    const QString menge = t.text.trimmed().isEmpty() ? t.text : t.text.trimmed() + u' ' + t.text;

    // In the file, read by the engine over a connection of its own: one new record in each table
    // of the cocktail and its catalogues; each with the text as typed, Null as "<Null>", the
    // catalogue's names and descriptions cut to 50 and 128 characters.
    QList<int> neu = db.Records();
    for (int i = 0; i < vorher.size(); ++i)
        neu[i] -= vorher.at(i);
    EXPECT_EQ(neu, (QList<int>{1, 1, 1, 1, 1, 1, 1, 0, 0}));
    const auto lesen = [this] {
        QStringList gelesen;
        db.Open()->ReadEngineRows(
            "SELECT c.name, c.beschreibung, c.zubereitung, c.bewertung, c.erfinder, c.url, g.name, "
            "g.beschreibung, z.name, z.beschreibung, l.menge, v.name, l.variationsmenge, "
            "l.pflicht, "
            "l.beschreibung, d.name, d.beschreibung, k.beschreibung "
            "FROM cocktails c JOIN gruppenzugehörigkeit x ON x.cocktail = c.nr "
            "JOIN cocktailgruppen g ON g.nr = x.gruppe JOIN zutatenliste l ON l.cocktail = c.nr "
            "JOIN zutaten z ON z.nr = l.zutat JOIN zutaten v ON v.nr = l.variation "
            "JOIN dekoliste k ON k.cocktail = c.nr JOIN deko d ON d.nr = k.deko "
            "WHERE c.nr = (SELECT max(nr) FROM cocktails)",
            [&](const dao::EngineRow& row) {
                for (int i = 0; i < 18; ++i)
                    gelesen << (row.IsNull(i) ? QStringLiteral("<Null>")
                                              : QString::fromUtf8(row.Utf8(i).toByteArray()));
            });
        return gelesen;
    };
    const QString b = Gekürzt(t.text, 128);
    const QStringList gelesen = lesen();
    EXPECT_EQ(gelesen, (QStringList{cocktail, t.text, t.text, t.text, t.text, t.text, gruppe, b,
                                    zutat, b, menge, "Gin", menge, "1", t.text, deko, b, t.text}));

    // Chosen in "Cocktail ändern", loaded into the entry window and stored unchanged, it stays
    // as it is to the letter.
    const QList<int> gespeichert = db.Records();
    KqCocktailÄndern::Instance().CCocktail()->SetText(cocktail);
    Click(KqCocktailÄndern::Instance().BÄndern());
    ASSERT_TRUE(KqCocktailEingabe::IsLoaded());
    Click(KqCocktailEingabe::Loaded()->BHinzufügen());
    EXPECT_FALSE(KqCocktailEingabe::IsLoaded());
    EXPECT_EQ(lesen(), gelesen);
    EXPECT_EQ(db.Records(), gespeichert);
}

INSTANTIATE_TEST_SUITE_P(Texte, BadInputTest, ::testing::ValuesIn(kTexte),
                         [](const ::testing::TestParamInfo<Eingabetext>& info) {
                             return std::string(info.param.label);
                         });
