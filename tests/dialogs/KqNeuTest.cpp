// The catalogue dialog: relabelling by kind, its limits, the refused name, what is stored, and
// the refill of the window that opened it. Its captions and boxes as it opens are the
// accessibility test's; names of every kind go through it in BadInputTest.

#include "dialogs/KqNeu.h"
#include "../entry/EntryTest.h"
#include "MsgBoxExpect.h"
#include "dao/Text.h"

#include <QLabel>

using KqNeuTest = EntryTest;

TEST_F(KqNeuTest, RefusesAKnownNameStoresANewOneAsTypedAndRefillsItsCaller) {
    KqCocktailZutaten& zutaten = KqCocktailZutaten::Instance();
    zutaten.Show();
    Click(zutaten.BZutatNeu());
    KqNeu& d = *KqNeu::Loaded();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
    // At most 50 and 128 characters; another kind relabels and keeps what is typed.
    Keys(d.EName(), QString(60, u'x'));
    Keys(d.EBeschreibung(), QString(140, u'y'));
    d.Start(KqNeu::Setup);
    EXPECT_EQ(d.EName()->accessibleName(), QStringLiteral("Setup-Name"));
    EXPECT_TRUE(d.AAlkohol()->isHidden() && d.AGetränk()->isHidden());
    EXPECT_EQ(d.EName()->text() + d.EBeschreibung()->text(),
              QString(50, u'x') + QString(128, u'y'));

    // A known name in other case is refused, by kind; nothing is stored, the dialog closes.
    const QList<int> vorher = db.Records();
    {
        MsgBoxExpect boxes;
        boxes.Expect("Eine Setup-Name unter diesem Namen ist bereits vorhanden!", toolkit::vbOK);
        boxes.Expect("Eine Zutat unter diesem Namen ist bereits vorhanden!", toolkit::vbOK);
        Type(d.EName(), QStringLiteral("hAUSBAR"));
        Click(d.BHinzufügen());
        Click(zutaten.BZutatNeu());
        Type(KqNeu::Loaded()->EName(), QStringLiteral("gIN"));
        Click(KqNeu::Loaded()->BHinzufügen());
    }
    EXPECT_FALSE(KqNeu::IsLoaded());
    EXPECT_EQ(db.Records(), vorher);

    // Stored as typed, blanks included, both boxes by their position; the line dialog offers it
    // in name order and keeps the line typed so far.
    Type(zutaten.CZutat(), QStringLiteral("Gi"));
    const QString name = QStringLiteral("  Brombeergeist  ");
    Click(zutaten.BZutatNeu());
    Type(KqNeu::Loaded()->EName(), name);
    for (QCheckBox* box : {KqNeu::Loaded()->AAlkohol(), KqNeu::Loaded()->AGetränk()})
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    Click(KqNeu::Loaded()->BHinzufügen());
    EXPECT_EQ(HauptModul::ErstesFeld("SELECT alkohol || getränk FROM zutaten WHERE name = " +
                                     dao::Quoted(name)),
              QStringList{"10"});
    EXPECT_EQ(Entries(zutaten.CZutat()),
              HauptModul::ErstesFeld("SELECT name FROM zutaten ORDER BY name"));
    EXPECT_EQ(zutaten.CZutat()->Text(), QStringLiteral("Gi"));
}
