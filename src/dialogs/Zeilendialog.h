#pragma once
// What the two line dialogs (KqCocktailZutaten, KqCocktailDeko) share: the window whose grids
// they fill, which they know only as a Zeilenziel, and their mode.

#include <QString>
#include <QStringList>
#include <functional>

class QPushButton;

namespace toolkit {
class LineGrid;
} // namespace toolkit

// The window that holds the grids of the cocktail's lines. The dialogs read the line they change
// from its grid and hand it the line confirmed; they know nothing else of it.
class Zeilenziel {
public:
    // The grid of ingredient lines and the grid of decoration lines.
    virtual toolkit::LineGrid* TZutaten() const = 0;
    virtual toolkit::LineGrid* TDekoration() const = 0;
    // Writes a line into one of the two grids and returns its row. Row 0, or a row that holds
    // no line, adds the line instead.
    virtual int Schreiben(toolkit::LineGrid& grid, int row, const QStringList& zellen) = 0;

protected:
    ~Zeilenziel() = default;
};

class Zeilendialog {
public:
    // The window is built on the dialogs, not the other way round, so it hands itself in here
    // (from its constructor), as a look-up that loads it, hidden, when it was closed meanwhile.
    // The dialogs look it up each time they read or write a line.
    static void SetzeZiel(std::function<Zeilenziel&()> ziel);

protected:
    static Zeilenziel& Ziel();

    // The mode is the caption of the button BHinzufügen: "Hinzufügen" adds a line at the bottom
    // of the grid, "Ändern" rewrites the row m_row.
    inline static const QString kHinzufügen = QStringLiteral("Hinzufügen");
    // Whether the dialog changes a line rather than adding one.
    bool Ändert() const;
    // Captions the button for changing the line in m_row, or for adding one.
    void SetzeÄndern(bool ändern);

    QPushButton* m_bHinzufügen = nullptr;
    // The grid row the dialog fills.
    int m_row = 0;
};
