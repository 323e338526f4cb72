#pragma once
// Fixture for the cocktail entry window and its line dialogs: the database open as the
// program's, and helpers that click and type the way the user does.

#include "ProgramTest.h"
#include "Records.h"
#include "dialogs/KqCocktailDeko.h"
#include "dialogs/KqCocktailZutaten.h"
#include "entry/KqCocktailEingabe.h"
#include "toolkit/Controls.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>

// One ingredient line as typed into the dialog's input boxes, in their order (ingredient,
// amount, unit, variation, its amount and unit, description); boxes beyond the texts keep what
// they hold.
struct Zutatenzeile {
    QStringList texte;
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
        KqCocktailEingabe::Instance().Show();
        return KqCocktailEingabe::Instance();
    }

    // Clicks a button, which makes its window the active one, as a click of the user does.
    static void Click(QAbstractButton* button) {
        button->window()->activateWindow();
        QTest::mouseClick(button, Qt::LeftButton);
    }

    // Replaces what a box holds the way the user does: all of it selected and deleted, then the
    // text typed.
    static void Type(QWidget* box, const QString& text) {
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Delete);
        Keys(box, text);
    }
    // Types text key by key, umlauts included, a character beyond the 16-bit range as one key;
    // a text longer than 200 characters is pasted.
    static void Keys(QWidget* box, const QString& text) {
        if (text.size() > 200) {
            QGuiApplication::clipboard()->setText(text);
            return QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        }
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text.at(i);
            const qsizetype n = c.isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
            const auto key = n == 2 ? Qt::Key_unknown : static_cast<Qt::Key>(c.toUpper().unicode());
            QTest::sendKeyEvent(QTest::Click, box, key, text.mid(i, n), Qt::NoModifier);
            i += n - 1;
        }
    }

    // A cocktail as stored, in text: its record, its lines one field after another with the
    // ingredient and the decoration by name, then its groups.
    static QStringList Gespeichert(const QString& cocktail) {
        QStringList out;
        for (const char* sql :
             {"SELECT name || '|' || beschreibung || '|' || zubereitung || '|' || bewertung || "
              "'|' || erfinder || '|' || url FROM cocktails WHERE nr = %1",
              "SELECT z.name || '|' || l.menge || '|' || l.variation || '|' || l.variationsmenge "
              "|| '|' || l.pflicht || '|' || l.beschreibung FROM zutatenliste l INNER JOIN "
              "zutaten z ON z.nr = l.zutat WHERE l.cocktail = %1 ORDER BY l.rowid",
              "SELECT d.name || '|' || l.beschreibung FROM dekoliste l INNER JOIN deko d ON "
              "d.nr = l.deko WHERE l.cocktail = %1 ORDER BY l.rowid",
              "SELECT g.name FROM gruppenzugehörigkeit l INNER JOIN cocktailgruppen g ON g.nr = "
              "l.gruppe WHERE l.cocktail = %1"})
            out += HauptModul::ErstesFeld(QString::fromUtf8(sql).arg(
                "(SELECT nr FROM cocktails WHERE name = " + dao::Quoted(cocktail) + ")"));
        return out;
    }

    // Makes a row current by clicking its second cell.
    static void ClickRow(toolkit::LineGrid& grid, int row) {
        const QRect cell = grid.visualRect(grid.model()->index(row, 1));
        ASSERT_TRUE(cell.isValid()) << "row " << row << " is not on screen";
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
        ASSERT_EQ(grid.Row(), row);
    }

    // The cells of a row; Names: column 1 of every row.
    static QStringList Cells(const toolkit::LineGrid& grid, int row) {
        QStringList cells;
        for (int col = 0; col < grid.Cols(); ++col)
            cells << grid.TextAt(row, col);
        return cells;
    }
    static QStringList Names(const toolkit::LineGrid& grid) {
        QStringList names;
        for (int row = 0; row < grid.Rows(); ++row)
            names << grid.TextAt(row, 1);
        return names;
    }

    // The ingredient dialog's input boxes in tab order.
    static std::vector<QWidget*> Boxes(KqCocktailZutaten& d) {
        return {d.CZutat(),          d.EZutatMenge(),       d.CZutatEinheit(), d.CVariation(),
                d.EVariationMenge(), d.EVariationEinheit(), d.EBeschreibung()};
    }
    static void Fill(KqCocktailZutaten& d, const Zutatenzeile& z) {
        for (qsizetype i = 0; i < z.texte.size(); ++i)
            Type(Boxes(d).at(i), z.texte.at(i));
        if (d.APflicht()->isChecked() != z.pflicht) Click(d.APflicht());
    }

    // Adds an ingredient line (by default 2 cl of it): "Neu", the boxes typed, "Hinzufügen".
    static void AddZutat(const Zutatenzeile& z) {
        Click(Eingabe().BZutatenNeu());
        ASSERT_TRUE(KqCocktailZutaten::IsLoaded());
        Fill(*KqCocktailZutaten::Loaded(), z);
        Click(KqCocktailZutaten::Loaded()->BHinzufügen());
        ASSERT_FALSE(KqCocktailZutaten::IsLoaded());
    }
    static void AddZutat(const QString& zutat) { AddZutat({{zutat, QStringLiteral("2")}}); }

    // Adds a decoration line: "Neu", its name typed, "Hinzufügen".
    static void AddDeko(const QString& deko) {
        Click(Eingabe().BDekorationNeu());
        ASSERT_TRUE(KqCocktailDeko::IsLoaded());
        Type(KqCocktailDeko::Loaded()->CDeko(), deko);
        Click(KqCocktailDeko::Loaded()->BHinzufügen());
        ASSERT_FALSE(KqCocktailDeko::IsLoaded());
    }
};
