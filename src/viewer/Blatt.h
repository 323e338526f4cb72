#pragma once
// A white text surface measured in twips: a drawing cursor, a current font (the window font's
// face, with a size and boldness of its own), and text operations in the manner of a picture
// box (Cls, TextWidth, TextHeight, Print). Everything printed is kept as a list of pieces; the
// surface paints itself from that list, so it keeps its drawing when covered and uncovered and
// draws crisply at any pixel density. A sheet taller than the surface can be scrolled.

#include <QFont>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <vector>

class QScrollBar;

class Blatt : public QWidget {
    Q_OBJECT
public:
    // How the surface measures text, in twips, for a font size in points and a boldness.
    // width gets one line of text (no line breaks); lineHeight is the height of one line.
    struct Metrics {
        std::function<double(const QString& text, double points, bool bold)> width;
        std::function<double(double points, bool bold)> lineHeight;
    };

    // One printed text with its place and font, in twips from the sheet's top-left corner.
    struct Piece {
        QString text;
        double x = 0;
        double y = 0;
        double size = 0; // points
        bool bold = false;
        bool centred = false;
        double height = 0; // one line of its font
    };

    explicit Blatt(QWidget* parent = nullptr);

    // Replaces the measurement (the default measures the font as it is drawn).
    void SetMetrics(Metrics metrics);

    double CurrentX() const { return m_x; }
    double CurrentY() const { return m_y; }
    void SetCurrentX(double twips) { m_x = twips; }
    void SetCurrentY(double twips) { m_y = twips; }

    double FontSize() const { return m_size; }
    bool FontBold() const { return m_bold; }
    void SetFontSize(double points) { m_size = points; }
    void SetFontBold(bool bold) { m_bold = bold; }
    // The font of a piece: the window font's face at that size and boldness.
    static QFont SheetFont(double points, bool bold);

    // Width of the drawing area (without the scroll bar when it is shown) and its visible height.
    double ScaleWidth() const;
    double ScaleHeight() const;

    // Erases the sheet, puts the cursor at 0,0 and scrolls back to the top.
    void Cls();
    // Extent of a text in the current font: the widest of its lines, and one line height per
    // line (the empty text is one line high).
    double TextWidth(const QString& text) const;
    double TextHeight(const QString& text) const;
    // Draws text at the cursor in the current font and puts the cursor at x 0 one line lower
    // (one line per line of text). centred marks a piece its writer placed centred.
    void Print(const QString& text, bool centred = false);

    const std::vector<Piece>& Pieces() const { return m_pieces; }
    // The text of the sheet as it reads: one entry per drawn line, top to bottom, the pieces of
    // a line joined from left to right.
    QStringList Lines() const;

    // The line a reader is on (the caret of the read-only text the sheet is for screen
    // readers): the arrow keys, Page Up/Down, Home and End move it and scroll it into view.
    // Its first character's offset in Lines() joined with line breaks.
    int CurrentLine() const { return m_line; }
    int CursorOffset() const;
    // Makes the line holding that offset the current one.
    void SetCursorOffset(int offset);

    // Bottom of the lowest piece, in twips.
    double ContentHeight() const;
    // True when the sheet reaches below the visible area.
    bool Overflows() const { return ContentHeight() > ScaleHeight(); }

    // Shows or hides the vertical scroll bar; while it is shown it takes its room from the
    // drawing area. The sheet scrolls with the wheel and the keys either way.
    void SetScrollBarShown(bool shown);
    bool ScrollBarShown() const { return m_barShown; }
    QScrollBar* ScrollBar() const { return m_bar; }
    // Scroll position in twips (the sheet's y shown at the top edge).
    double ScrollTop() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Changed();
    void UpdateScrollRange();
    void NotifyReaders();
    struct Line {
        QString text;
        double top = 0;
        double height = 0;
    };
    std::vector<Line> DrawnLines() const;
    // Makes line the current one (bounded to the drawn lines), shows it and tells readers.
    void GoToLine(int line);
    int BarWidth() const;

    Metrics m_metrics;
    std::vector<Piece> m_pieces;
    double m_x = 0;
    double m_y = 0;
    double m_size = 9.75;
    bool m_bold = true;
    QScrollBar* m_bar = nullptr;
    bool m_barShown = false;
    bool m_notifyPending = false;
    int m_line = 0;
    QString m_reported; // the text readers were last told of
};
