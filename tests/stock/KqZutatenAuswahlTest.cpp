// The ingredient choice dialog: the catalogue in name order, and adding with the
// button and with Enter.

#include "stock/KqZutatenAuswahl.h"
#include "MsgBoxExpect.h"
#include "StockTest.h"

using namespace records;

#include <QPushButton>

using KqZutatenAuswahlTest = StockTest;

TEST_F(KqZutatenAuswahlTest, ListsTheCatalogueAndAddsOneAfterAnother) {
    db.MakeEmpty();
    for (const char* name : {"Zitrone", "apfelsaft", "Ägäis-Ouzo", "Bitter"})
        Zutat(d, QString::fromUtf8(name), true);
    Zutatensetup(d, QStringLiteral("Bar"), {});
    KqZutaten::Instance().Show();

    KqZutatenAuswahl& a = KqZutatenAuswahl::Instance();
    a.Show();
    EXPECT_EQ(Entries(a.CZutat()), (QStringList{"Ägäis-Ouzo", "apfelsaft", "Bitter", "Zitrone"}));
    EXPECT_EQ(a.CZutat()->ListIndex(), -1);

    // Nothing chosen: the trap of adding reports it; Ignore stores nothing.
    {
        MsgBoxExpect boxes;
        boxes.Expect(QStringLiteral("Nummer: 3021"), toolkit::vbIgnore, QStringLiteral("Fehler!"));
        QTest::mouseClick(a.BHinzufügen(), Qt::LeftButton);
    }
    EXPECT_EQ(Vorrat(QStringLiteral("Bar")), 0);

    // Three in a row, by button and by Enter; each lands at its place in the stock list.
    MsgBoxExpect boxes;
    KqZutaten& w = *KqZutaten::Loaded();
    a.CZutat()->SetText(QStringLiteral("Zitrone"));
    QTest::mouseClick(a.BHinzufügen(), Qt::LeftButton);
    a.CZutat()->SetText(QStringLiteral("apfelsaft"));
    QTest::keyClick(a.CZutat(), Qt::Key_Return);
    EXPECT_EQ(Entries(w.LZutaten()), (QStringList{"apfelsaft", "Zitrone"}));
    a.CZutat()->SetText(QStringLiteral("Bitter"));
    QTest::keyClick(a.CZutat(), Qt::Key_Enter);
    EXPECT_EQ(Entries(w.LZutaten()), (QStringList{"apfelsaft", "Bitter", "Zitrone"}));
    // Enter on one the setup holds already: nothing happens.
    QTest::keyClick(a.CZutat(), Qt::Key_Return);
    EXPECT_EQ(Vorrat(QStringLiteral("Bar")), 3);
    EXPECT_EQ(a.CZutat()->Text(), QStringLiteral("Bitter"));

    QTest::mouseClick(a.BAbbrechen(), Qt::LeftButton);
    EXPECT_FALSE(KqZutatenAuswahl::IsLoaded());
}
