// The catalogue dialog: relabelling by kind, the refused name, what is stored, and the refill of
// the window that opened it, also when that window was closed meanwhile.

#include "dialogs/KqNeu.h"
#include "../entry/EntryTest.h"
#include "MsgBoxExpect.h"
#include "dao/Text.h"
#include "stock/KqZutaten.h"

#include <QLabel>

namespace {

using KqNeuTest = EntryTest;

QStringList Entries(const QComboBox& box) {
    QStringList entries;
    for (int i = 0; i < box.count(); ++i)
        entries << box.itemText(i);
    return entries;
}

} // namespace

TEST_F(KqNeuTest, AddsAnIngredientOnceAndRefillsTheLineDialog) {
    KqCocktailZutaten& zutaten = KqCocktailZutaten::Instance();
    zutaten.Show();
    Click(zutaten.BZutatNeu());
    KqNeu& d = *KqNeu::Loaded();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Hinzufügen"));
    EXPECT_EQ(d.size(), QSize(321, 156));
    EXPECT_EQ(d.AName()->text(), QStringLiteral("Zutat"));
    EXPECT_TRUE(d.AAlkohol()->isVisible() && d.AGetränk()->isVisible());
    EXPECT_TRUE(!d.AAlkohol()->isChecked() && d.AGetränk()->isChecked());

    // At most 50 and 128 characters; another kind relabels and keeps what is typed.
    Keys(d.EName(), QString(60, u'x'));
    Keys(d.EBeschreibung(), QString(140, u'y'));
    EXPECT_EQ(d.EName()->text(), QString(50, u'x'));
    EXPECT_EQ(d.EBeschreibung()->text(), QString(128, u'y'));
    d.Start(4);
    EXPECT_EQ(d.AName()->text(), QStringLiteral("Setup-Name"));
    EXPECT_TRUE(d.AAlkohol()->isHidden() && d.AGetränk()->isHidden());
    EXPECT_EQ(d.EName()->text(), QString(50, u'x'));
    d.Start(2);
    EXPECT_FALSE(d.AGetränk()->isHidden());

    // A name in other case is refused; the dialog closes.
    const int vorher = db.Count("SELECT * FROM zutaten");
    {
        MsgBoxExpect boxes;
        boxes.Expect("Eine Zutat unter diesem Namen ist bereits vorhanden!", toolkit::vbOK);
        Type(d.EName(), QStringLiteral("gIN"));
        Click(d.BHinzufügen());
    }
    EXPECT_FALSE(KqNeu::IsLoaded());
    EXPECT_EQ(db.Count("SELECT * FROM zutaten"), vorher);

    // Stored as typed, blanks and quotes included; both boxes by their position; the line
    // dialog offers it in name order and keeps the line typed so far.
    Type(zutaten.CZutat(), QStringLiteral("Gi"));
    const QString name = QStringLiteral("  Brombeer \"Geist\"  ");
    Click(zutaten.BZutatNeu());
    Type(KqNeu::Loaded()->EName(), name);
    for (QCheckBox* box : {KqNeu::Loaded()->AAlkohol(), KqNeu::Loaded()->AGetränk()})
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    Click(KqNeu::Loaded()->BHinzufügen());
    EXPECT_EQ(HauptModul::ErstesFeld("SELECT alkohol || getränk FROM zutaten WHERE name = " +
                                     dao::Quoted(name)),
              QStringList{"10"});
    EXPECT_EQ(Entries(*zutaten.CZutat()),
              HauptModul::ErstesFeld("SELECT name FROM zutaten ORDER BY name"));
    EXPECT_TRUE(Entries(*zutaten.CZutat()).contains(name));
    EXPECT_EQ(zutaten.CZutat()->Text(), QStringLiteral("Gi"));
}

TEST_F(KqNeuTest, RefillsItsCallerAlsoWhenItWasClosedAndRefusesAKnownSetup) {
    // The decoration dialog closed meanwhile: loaded again, hidden, with the new name.
    Click(Eingabe().BDekorationNeu());
    Click(KqCocktailDeko::Loaded()->BDekoNeu());
    KqNeu& d = *KqNeu::Loaded();
    EXPECT_EQ(d.AName()->text(), QStringLiteral("Deko"));
    EXPECT_TRUE(d.AAlkohol()->isHidden());
    Click(KqCocktailDeko::Loaded()->BAbbrechen());
    ASSERT_FALSE(KqCocktailDeko::IsLoaded());
    Type(d.EName(), QStringLiteral("Zimtstange"));
    Type(d.EBeschreibung(), QStringLiteral("ganz"));
    Click(d.BHinzufügen());
    ASSERT_TRUE(KqCocktailDeko::IsLoaded());
    EXPECT_FALSE(KqCocktailDeko::Loaded()->isVisible());
    EXPECT_GE(KqCocktailDeko::Loaded()->CDeko()->findText(QStringLiteral("Zimtstange")), 0);
    EXPECT_EQ(HauptModul::ErstesFeld("SELECT beschreibung FROM deko WHERE name = 'Zimtstange'"),
              QStringList{"ganz"});

    // "Abbrechen" stores nothing; a setup of a known name is refused with the kind word.
    KqZutaten& vorrat = KqZutaten::Instance();
    vorrat.Show();
    const int setups = db.Count("SELECT * FROM zutatensetup");
    Click(vorrat.BNeu());
    Type(KqNeu::Loaded()->EName(), QStringLiteral("Neu"));
    Click(KqNeu::Loaded()->BAbbrechen());
    ASSERT_FALSE(KqNeu::IsLoaded());
    Click(vorrat.BNeu());
    Type(KqNeu::Loaded()->EName(), QStringLiteral("hausbar"));
    MsgBoxExpect boxes;
    boxes.Expect("Eine Setup-Name unter diesem Namen ist bereits vorhanden!", toolkit::vbOK);
    Click(KqNeu::Loaded()->BHinzufügen());
    EXPECT_EQ(db.Count("SELECT * FROM zutatensetup"), setups);

    // The bar stock window closed meanwhile: loaded hidden, the new setup listed.
    vorrat.Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    KqNeu::Instance().Start(4);
    Type(KqNeu::Loaded()->EName(), QStringLiteral("Ausflug"));
    Click(KqNeu::Loaded()->BHinzufügen());
    ASSERT_TRUE(KqZutaten::IsLoaded());
    EXPECT_FALSE(KqZutaten::Loaded()->isVisible());
    EXPECT_EQ(Entries(*KqZutaten::Loaded()->CSetup()),
              HauptModul::ErstesFeld("SELECT name FROM zutatensetup ORDER BY name"));
    EXPECT_EQ(db.Count("SELECT * FROM zutatensetup"), setups + 1);
}
