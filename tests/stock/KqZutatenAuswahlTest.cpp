// The ingredient choice dialog: the catalogue in name order, and adding with the
// button and with Enter.

#include "stock/KqZutatenAuswahl.h"
#include "MsgBoxExpect.h"
#include "StockTest.h"

#include <QPushButton>

using KqZutatenAuswahlTest = StockTest;

TEST_F(KqZutatenAuswahlTest, ListsTheCatalogueAndAddsOneAfterAnother) {
    db.MakeEmpty();
    for (const char* name : {"Zitrone", "apfelsaft", "Ägäis-Ouzo", "Bitter"})
        Zutat(QString::fromUtf8(name), true);
    Setup(QStringLiteral("Bar"), {});
    KqZutaten::Instance().Show();

    KqZutatenAuswahl& d = KqZutatenAuswahl::Instance();
    d.Show();
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Zutaten Hinzufügen"));
    EXPECT_EQ(d.size(), QSize(393, 73));
    EXPECT_EQ(d.BAbbrechen()->text(), QStringLiteral("Fertig"));
    EXPECT_EQ(Entries(d.CZutat()), (QStringList{"Ägäis-Ouzo", "apfelsaft", "Bitter", "Zitrone"}));
    EXPECT_EQ(d.CZutat()->ListIndex(), -1);

    // Nothing chosen: the trap of adding reports it; Ignore stores nothing.
    {
        MsgBoxExpect boxes;
        boxes.Expect(QStringLiteral("Nummer: 3021"), toolkit::vbIgnore, QStringLiteral("Fehler!"));
        QTest::mouseClick(d.BHinzufügen(), Qt::LeftButton);
    }
    EXPECT_EQ(Vorrat(QStringLiteral("Bar")), 0);

    // Three in a row, by button and by Enter; each lands at its place in the stock list.
    MsgBoxExpect boxes;
    KqZutaten& w = *KqZutaten::Loaded();
    d.CZutat()->SetText(QStringLiteral("Zitrone"));
    QTest::mouseClick(d.BHinzufügen(), Qt::LeftButton);
    d.CZutat()->SetText(QStringLiteral("apfelsaft"));
    QTest::keyClick(d.CZutat(), Qt::Key_Return);
    EXPECT_EQ(Entries(w.LZutaten()), (QStringList{"apfelsaft", "Zitrone"}));
    d.CZutat()->SetText(QStringLiteral("Bitter"));
    QTest::keyClick(d.CZutat(), Qt::Key_Enter);
    EXPECT_EQ(Entries(w.LZutaten()), (QStringList{"apfelsaft", "Bitter", "Zitrone"}));
    // Enter on one the setup holds already: nothing happens.
    QTest::keyClick(d.CZutat(), Qt::Key_Return);
    EXPECT_EQ(Vorrat(QStringLiteral("Bar")), 3);
    EXPECT_EQ(d.CZutat()->Text(), QStringLiteral("Bitter"));

    QTest::mouseClick(d.BAbbrechen(), Qt::LeftButton);
    EXPECT_FALSE(KqZutatenAuswahl::IsLoaded());
}
