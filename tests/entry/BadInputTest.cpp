// Awkward texts through the real windows: quotes, brackets, wildcards, backslashes and umlauts
// mixed, a character beyond the 16-bit range, blanks around a name, nothing at all and 10,000
// characters, typed into every box that takes text. Each is stored exactly as the box holds it
// and read back from the file, or refused with a message and nothing stored; afterwards the
// lists, the look-ups by name, the recipe sheet and the bar stock window work with it.

#include "EntryTest.h"
#include "dialogs/KqNeu.h"
#include "stock/KqZutaten.h"
#include "stock/KqZutatenAuswahl.h"
#include "viewer/Blatt.h"
#include "viewer/KqRezepte.h"

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <ostream>

namespace {

// The texts, each with a label that names its test.
struct Eingabetext {
    const char* label;
    QString text;
    // Refused as the name of a cocktail or a catalogue entry: it holds nothing to tell it by.
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

// What the catalogue dialog takes: 50 characters of a name, 128 of a description.
constexpr int kNameGrenze = 50;
constexpr int kBeschreibungGrenze = 128;

// A box limited to `grenze` characters holds the text's beginning; a character beyond the
// 16-bit range that does not fit whole is left out whole.
QString Gekürzt(const QString& text, int grenze) {
    QString kurz = text.left(grenze);
    if (!kurz.isEmpty() && kurz.back().isHighSurrogate()) kurz.chop(1);
    return kurz;
}

QString OhneLeerraum(QString text) {
    text.remove(u' ');
    text.remove(u'\n');
    return text;
}

// The rows of the file as the engine holds them, read over a connection of its own: each
// column as text, Null as "<Null>".
QList<QStringList> Zeilen(dao::Database& datei, const QByteArray& sql, int spalten) {
    QList<QStringList> zeilen;
    datei.ReadEngineRows(sql, [&](const dao::EngineRow& row) {
        QStringList zeile;
        for (int i = 0; i < spalten; ++i)
            zeile << (row.IsNull(i) ? QStringLiteral("<Null>")
                                    : QString::fromUtf8(row.Utf8(i).toByteArray()));
        zeilen << zeile;
    });
    return zeilen;
}

} // namespace

class BadInputTest : public EntryTest, public ::testing::WithParamInterface<Eingabetext> {
protected:
    void SetUp() override {
        EntryTest::SetUp();
        datei = db.Open();
        toolkit::SetMsgBoxResponder([this](const QString& text, int buttons, const QString& title) {
            meldungen << title + u'|' + QString::number(buttons) + u'|' + text;
            return toolkit::MsgBoxAnswers(buttons).front();
        });
    }
    void TearDown() override {
        datei.reset();
        EntryTest::TearDown();
    }

    // Chooses an entry of a list box the way the user does, by clicking it (near its left end:
    // a long entry reaches far beyond the box).
    static void Anklicken(toolkit::ListBox* list, int index, bool doppelt = false) {
        QListWidgetItem* item = list->item(index);
        ASSERT_NE(item, nullptr);
        list->scrollToItem(item);
        const QRect rect = list->visualItemRect(item);
        const QPoint at(rect.left() + 5, rect.center().y());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        if (doppelt) QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        ASSERT_EQ(list->ListIndex(), index);
    }

    // Chooses the one entry of a combo box's list that reads exactly so.
    static void Wählen(toolkit::ComboBox* box, const QString& eintrag) {
        const QStringList einträge = Entries(box);
        ASSERT_EQ(einträge.count(eintrag), 1) << eintrag.toStdString();
        box->SetListIndex(static_cast<int>(einträge.indexOf(eintrag)));
        ASSERT_EQ(box->Text(), eintrag);
    }

    qint64 Zahl(const QByteArray& sql) {
        qint64 zahl = -1;
        datei->ReadEngineRows(sql, [&](const dao::EngineRow& row) { zahl = row.Int(0); });
        return zahl;
    }
    qint64 HöchsteNr(const char* tabelle) {
        return Zahl(QByteArray("SELECT ifnull(max(nr), 0) FROM ") + tabelle);
    }

    // A new entry of a catalogue through the "Neu" button of a window: name and description
    // typed, "Hinzufügen". A name the dialog refuses is answered, then the replacement typed.
    // Checks the one new record in the file; leaves its name and number in name and nr.
    void Katalogeintrag(QAbstractButton* neu, int kind, const char* tabelle,
                        const QString& ersatz) {
        const Eingabetext& t = GetParam();
        const qint64 vorher = HöchsteNr(tabelle);
        const QList<int> bestand = db.Records();
        Click(neu);
        ASSERT_TRUE(KqNeu::IsLoaded());
        KqNeu& d = *KqNeu::Loaded();
        ASSERT_EQ(d.Kind(), kind);
        Type(d.EName(), t.text);
        Type(d.EBeschreibung(), t.text);
        name = Gekürzt(t.text, kNameGrenze);
        EXPECT_EQ(d.EName()->text(), name);
        if (t.alsNameAbgelehnt) {
            Click(d.BHinzufügen());
            Gemeldet(QStringLiteral("Bitte geben Sie einen Namen ein!"));
            EXPECT_EQ(db.Records(), bestand);
            // The dialog stays open with what was typed, for the name to be given.
            ASSERT_TRUE(KqNeu::IsLoaded());
            EXPECT_TRUE(QTest::qWaitFor([&d] { return d.EName()->hasFocus(); }));
            EXPECT_EQ(d.EBeschreibung()->text(), t.text);
            name = ersatz;
            Type(d.EName(), name);
        }
        Click(d.BHinzufügen());
        ASSERT_FALSE(KqNeu::IsLoaded());

        const bool zutat = kind == 2;
        const QList<QStringList> neue = Zeilen(
            *datei,
            QByteArray("SELECT nr, name, beschreibung, typeof(name) || typeof(beschreibung)") +
                (zutat ? ", alkohol, getränk" : "") + " FROM " + tabelle + " WHERE nr > " +
                QByteArray::number(vorher),
            zutat ? 6 : 4);
        ASSERT_EQ(neue.size(), 1);
        nr = neue.at(0).at(0).toLongLong();
        QStringList erwartet{neue.at(0).at(0), name, Gekürzt(t.text, kBeschreibungGrenze),
                             QStringLiteral("texttext")};
        if (zutat) erwartet << QStringLiteral("0") << QStringLiteral("1");
        EXPECT_EQ(neue.at(0), erwartet);
    }

    // The one message box shown since the last look: titled "Velkor", with OK alone.
    void Gemeldet(const QString& text) {
        EXPECT_EQ(meldungen,
                  QStringList{"Velkor|" + QString::number(toolkit::vbOKOnly) + u'|' + text});
        meldungen.clear();
    }

    // The amount cell of a line: the amount without blanks around it, one blank, the unit; an
    // empty amount leaves the unit alone.
    static QString Mengenzelle(const QString& menge, const QString& einheit) {
        const QString zahl = menge.trimmed(); // the texts hold no white space but blanks
        return zahl.isEmpty() ? einheit : zahl + u' ' + einheit;
    }

    // The sheet shows the recipe: the title first, and every line expected; short texts
    // line for line, long ones (broken over several lines) in their order without the blanks
    // at the breaks.
    static void BlattZeigt(const QStringList& erwartet) {
        const QStringList zeilen = KqRezepte::Instance().Ausgabe()->Lines();
        ASSERT_FALSE(zeilen.isEmpty());
        bool lang = false;
        for (const QString& zeile : erwartet)
            lang = lang || zeile.size() > 60;
        if (!lang) {
            EXPECT_EQ(zeilen, erwartet);
            return;
        }
        EXPECT_EQ(OhneLeerraum(zeilen.join(QString())), OhneLeerraum(erwartet.join(QString())));
    }

    std::shared_ptr<dao::Database> datei;
    // Every message box shown: its title, its buttons and its text.
    QStringList meldungen;
    QString name;
    qint64 nr = 0;
};

TEST_P(BadInputTest, StoredAsTypedOrRefusedAndFoundEverywhere) {
    const Eingabetext& t = GetParam();
    QElapsedTimer uhr;
    uhr.start();
    KqCocktailEingabe& w = Eingabe();

    // The group through "Neu" beside the group list, then chosen there.
    Katalogeintrag(w.BGruppeNeu(), 1, "cocktailgruppen", QStringLiteral("Ersatzgruppe"));
    if (HasFatalFailure()) return;
    const QString gruppe = name;
    const qint64 gruppeNr = nr;
    Wählen(w.CGruppe(), gruppe);

    // An ingredient line: its ingredient new through "Neu" of the line dialog, every other box
    // with the text, the variation an ingredient of the starter catalogue.
    Click(w.BZutatenNeu());
    ASSERT_TRUE(KqCocktailZutaten::IsLoaded());
    KqCocktailZutaten& zd = *KqCocktailZutaten::Loaded();
    Katalogeintrag(zd.BZutatNeu(), 2, "zutaten", QStringLiteral("Ersatzzutat"));
    if (HasFatalFailure()) return;
    const QString zutat = name;
    const qint64 zutatNr = nr;
    Wählen(zd.CZutat(), zutat);
    Type(zd.EZutatMenge(), t.text);
    Type(zd.CZutatEinheit(), t.text);
    Type(zd.CVariation(), QStringLiteral("Gin"));
    Type(zd.EVariationMenge(), t.text);
    Type(zd.EVariationEinheit(), t.text);
    Type(zd.EBeschreibung(), t.text);
    Click(zd.BHinzufügen());
    ASSERT_FALSE(KqCocktailZutaten::IsLoaded());
    const QString menge = Mengenzelle(t.text, t.text);
    EXPECT_EQ(Cells(TZutaten(), 1),
              (QStringList{"1", zutat, menge, "Gin", menge, "Pflicht", t.text}));

    // A decoration line, its decoration new through "Neu" of the line dialog.
    Click(w.BDekorationNeu());
    ASSERT_TRUE(KqCocktailDeko::IsLoaded());
    KqCocktailDeko& dd = *KqCocktailDeko::Loaded();
    Katalogeintrag(dd.BDekoNeu(), 3, "deko", QStringLiteral("Ersatzdeko"));
    if (HasFatalFailure()) return;
    const QString deko = name;
    const qint64 dekoNr = nr;
    Wählen(dd.CDeko(), deko);
    Type(dd.EBeschreibung(), t.text);
    Click(dd.BHinzufügen());
    ASSERT_FALSE(KqCocktailDeko::IsLoaded());
    EXPECT_EQ(Cells(TDekoration(), 1), (QStringList{"1", deko, t.text}));

    // The cocktail's own boxes, then "Hinzufügen". A refused name keeps the window with all that
    // was typed and stores nothing; then it gets another one.
    for (QWidget* box :
         std::initializer_list<QWidget*>{w.ECocktail(), w.EBeschreibung(), w.EZubereitung(),
                                         w.EBewertung(), w.EErfunden(), w.EAdresse()})
        Type(box, t.text);
    EXPECT_EQ(w.EZubereitung()->toPlainText(), t.text);
    const qint64 vorher = HöchsteNr("cocktails");
    QString cocktail = t.text;
    if (t.alsNameAbgelehnt) {
        const QList<int> bestand = db.Records();
        Click(w.BHinzufügen());
        Gemeldet(QStringLiteral("Bitte geben Sie einen Namen für den Cocktail ein!"));
        EXPECT_EQ(db.Records(), bestand);
        ASSERT_TRUE(KqCocktailEingabe::IsLoaded());
        EXPECT_TRUE(QTest::qWaitFor([&w] { return w.ECocktail()->hasFocus(); }));
        EXPECT_EQ(w.EAdresse()->text(), t.text);
        EXPECT_EQ(Cells(TZutaten(), 1).value(1), zutat);
        cocktail = QStringLiteral("Ersatzcocktail");
        Type(w.ECocktail(), cocktail);
    }
    Click(w.BHinzufügen());
    ASSERT_FALSE(KqCocktailEingabe::IsLoaded());

    // In the file: the record with every text, its group, its two lines.
    const QList<QStringList> neu = Zeilen(
        *datei,
        "SELECT nr, name, beschreibung, zubereitung, bewertung, erfinder, url, typeof(name) || "
        "typeof(beschreibung) || typeof(zubereitung) || typeof(bewertung) || typeof(erfinder) "
        "|| typeof(url) FROM cocktails WHERE nr > " +
            QByteArray::number(vorher),
        8);
    ASSERT_EQ(neu.size(), 1);
    const QByteArray c = neu.at(0).at(0).toUtf8();
    EXPECT_EQ(neu.at(0), (QStringList{neu.at(0).at(0), cocktail, t.text, t.text, t.text, t.text,
                                      t.text, QStringLiteral("text").repeated(6)}));
    const QString gin = QString::number(Zahl("SELECT nr FROM zutaten WHERE name = 'Gin'"));
    EXPECT_EQ(Zeilen(*datei,
                     "SELECT zutat, menge, variation, variationsmenge, pflicht, beschreibung "
                     "FROM zutatenliste WHERE cocktail = " +
                         c,
                     6),
              (QList<QStringList>{
                  {QString::number(zutatNr), menge, gin, menge, QStringLiteral("1"), t.text}}));
    EXPECT_EQ(Zeilen(*datei, "SELECT deko, beschreibung FROM dekoliste WHERE cocktail = " + c, 2),
              (QList<QStringList>{{QString::number(dekoNr), t.text}}));
    EXPECT_EQ(Zeilen(*datei, "SELECT gruppe FROM gruppenzugehörigkeit WHERE cocktail = " + c, 1),
              (QList<QStringList>{{QString::number(gruppeNr)}}));

    // The viewer lists it once; Start by its name, Anzeigen by its name in any case, and the
    // button after choosing it all draw its sheet.
    const QString notiz = t.text.isEmpty() ? QString() : " (" + t.text + ")";
    QStringList blatt{cocktail};
    if (!t.text.isEmpty()) blatt << t.text;
    blatt << "Zutaten" << menge + u' ' + zutat + " oder " + menge + " Gin" + notiz << "Dekoration"
          << deko + (t.text.isEmpty() ? QString() : notiz + u' ') << "Zubereitung";
    if (!t.text.isEmpty()) blatt << t.text << t.text << t.text << t.text;
    KqRezepte& v = KqRezepte::Instance();
    const QStringList liste = Entries(v.CCocktail());
    ASSERT_EQ(liste.count(cocktail), 1);
    v.Start(cocktail);
    EXPECT_EQ(v.CCocktail()->Text(), cocktail);
    BlattZeigt(blatt);
    for (const QString& anders : {cocktail.toUpper(), cocktail.toLower()}) {
        v.Ausgabe()->Cls();
        v.Anzeigen(anders);
        BlattZeigt(blatt);
    }
    v.CCocktail()->SetListIndex(liste.indexOf(cocktail) == 0 ? 1 : 0);
    Click(v.BAnzeigen());
    Wählen(v.CCocktail(), cocktail);
    Click(v.BAnzeigen());
    BlattZeigt(blatt);
    v.Unload();

    // The bar stock window: a new setup through "Neu", chosen in the setup list; the
    // ingredient chosen in the choice dialog, then once more in other case (passed over); the
    // cocktail is mixable. Details and a double click open it; "Entfernen" takes the
    // ingredient out again.
    KqZutaten& s = KqZutaten::Instance();
    s.Show();
    Katalogeintrag(s.BNeu(), 4, "zutatensetup", QStringLiteral("Ersatzsetup"));
    if (HasFatalFailure()) return;
    const QString setup = name;
    const QByteArray setupNr = QByteArray::number(nr);
    Wählen(s.CSetup(), setup);
    EXPECT_EQ(Entries(s.LZutaten()), QStringList{});
    EXPECT_EQ(Entries(s.LCocktails()).count(cocktail), 0);
    Click(s.BHinzufügen());
    ASSERT_TRUE(KqZutatenAuswahl::IsLoaded());
    KqZutatenAuswahl& a = *KqZutatenAuswahl::Loaded();
    Wählen(a.CZutat(), zutat);
    Click(a.BHinzufügen());
    s.Add(zutat.toUpper());
    s.Add(zutat.toLower());
    EXPECT_EQ(Zeilen(*datei, "SELECT zutat FROM zutatensetupvorrat WHERE setup = " + setupNr, 1),
              (QList<QStringList>{{QString::number(zutatNr)}}));
    EXPECT_EQ(Entries(s.LZutaten()), QStringList{zutat});
    const int mixbar = static_cast<int>(Entries(s.LCocktails()).indexOf(cocktail));
    ASSERT_GE(mixbar, 0);
    EXPECT_EQ(Entries(s.LCocktails()).count(cocktail), 1);
    Anklicken(s.LCocktails(), mixbar);
    Click(s.BDetails());
    ASSERT_TRUE(KqRezepte::IsLoaded());
    BlattZeigt(blatt);
    KqRezepte::Loaded()->Unload();
    Anklicken(s.LCocktails(), mixbar, true);
    ASSERT_TRUE(KqRezepte::IsLoaded());
    EXPECT_EQ(KqRezepte::Loaded()->CCocktail()->Text(), cocktail);
    BlattZeigt(blatt);
    Anklicken(s.LZutaten(), 0);
    Click(s.BEntfernen());
    EXPECT_EQ(Zahl("SELECT count(*) FROM zutatensetupvorrat WHERE setup = " + setupNr), 0);
    EXPECT_EQ(Entries(s.LZutaten()), QStringList{});
    EXPECT_EQ(Entries(s.LCocktails()).count(cocktail), 0);

    // No other message box on the way, and the program still running.
    EXPECT_EQ(meldungen, QStringList{});
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
