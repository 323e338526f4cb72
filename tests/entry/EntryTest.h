#pragma once
// Fixture for the cocktail entry window and its line dialogs: the database open as the
// program's, and helpers that click and type the way the user does.

#include "ProgramTest.h"
#include "Records.h"
#include "dialogs/KqCocktailDeko.h"
#include "dialogs/KqCocktailZutaten.h"
#include "entry/KqCocktailEingabe.h"
#include "toolkit/Controls.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

// One ingredient line as typed into the dialog.
struct Zutatenzeile {
    QString zutat{};
    QString menge{};
    QString einheit = QStringLiteral("cl");
    QString variation{};
    QString variationsmenge{};
    QString variationseinheit{};
    QString beschreibung{};
    bool pflicht = true;
};

class EntryTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        HauptModul::Datenbank = db.Shared();
    }

    // The entry window, shown.
    static KqCocktailEingabe& Eingabe() {
        KqCocktailEingabe& form = KqCocktailEingabe::Instance();
        form.Show();
        return form;
    }
    static toolkit::LineGrid& TZutaten() { return *Eingabe().TZutaten(); }
    static toolkit::LineGrid& TDekoration() { return *Eingabe().TDekoration(); }

    static void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    // Types text key by key, umlauts included, a character beyond the 16-bit range as one key;
    // a text longer than 200 characters is pasted.
    static void Keys(QWidget* w, const QString& text) {
        if (text.size() > 200) {
            QGuiApplication::clipboard()->setText(text);
            QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
            return;
        }
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text.at(i);
            const qsizetype n = c.isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
            const auto key = n == 2 ? Qt::Key_unknown : static_cast<Qt::Key>(c.toUpper().unicode());
            QTest::sendKeyEvent(QTest::Click, w, key, text.mid(i, n), Qt::NoModifier);
            i += n - 1;
        }
    }
    // Replaces what a box holds the way the user does: all of it selected and deleted, then the
    // text typed.
    static void Type(QWidget* box, const QString& text) {
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Delete);
        Keys(box, text);
    }

    // Makes a row current by clicking its second cell.
    static void ClickRow(toolkit::LineGrid& grid, int row) {
        const QRect cell = grid.visualRect(grid.model()->index(row, 1));
        ASSERT_TRUE(cell.isValid()) << "row " << row << " is not on screen";
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
        ASSERT_EQ(grid.Row(), row);
    }

    static QStringList Cells(const toolkit::LineGrid& grid, int row) {
        QStringList cells;
        for (int col = 0; col < grid.Cols(); ++col)
            cells << grid.TextAt(row, col);
        return cells;
    }
    // Column 1 of every row.
    static QStringList Names(const toolkit::LineGrid& grid) {
        QStringList names;
        for (int row = 0; row < grid.Rows(); ++row)
            names << grid.TextAt(row, 1);
        return names;
    }

    // Fills the open ingredient dialog by typing.
    static void Fill(KqCocktailZutaten& d, const Zutatenzeile& z) {
        Type(d.CZutat(), z.zutat);
        Type(d.EZutatMenge(), z.menge);
        Type(d.CZutatEinheit(), z.einheit);
        Type(d.CVariation(), z.variation);
        Type(d.EVariationMenge(), z.variationsmenge);
        Type(d.EVariationEinheit(), z.variationseinheit);
        Type(d.EBeschreibung(), z.beschreibung);
        if (d.APflicht()->isChecked() != z.pflicht) Click(d.APflicht());
    }

    // Adds an ingredient line: "Neu", the boxes typed, "Hinzufügen".
    static void AddZutat(const Zutatenzeile& z) {
        Click(Eingabe().BZutatenNeu());
        ASSERT_TRUE(KqCocktailZutaten::IsLoaded());
        KqCocktailZutaten& d = *KqCocktailZutaten::Loaded();
        Fill(d, z);
        Click(d.BHinzufügen());
        ASSERT_FALSE(KqCocktailZutaten::IsLoaded());
    }
    static void AddZutat(const QString& zutat) {
        AddZutat(Zutatenzeile{zutat, QStringLiteral("2")});
    }

    // Adds a decoration line: "Neu", name and description typed, "Hinzufügen".
    static void AddDeko(const QString& deko, const QString& beschreibung = {}) {
        Click(Eingabe().BDekorationNeu());
        ASSERT_TRUE(KqCocktailDeko::IsLoaded());
        KqCocktailDeko& d = *KqCocktailDeko::Loaded();
        Type(d.CDeko(), deko);
        Type(d.EBeschreibung(), beschreibung);
        Click(d.BHinzufügen());
        ASSERT_FALSE(KqCocktailDeko::IsLoaded());
    }
};
