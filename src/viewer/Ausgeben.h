#pragma once
// Writing pieces of text onto the recipe sheet. A line of the sheet is built from one or more
// pieces; the last of them is written with ZeileAusgeben.
//
// Style of a piece: the font size is Größe + 8 points; Ausrichtung 1 centres the piece on the
// sheet, any other value writes it left-aligned from the cursor; Fett chooses the bold face.

#include <QString>

class Blatt;

// Writes Text at the cursor and leaves the cursor right behind the last line written, on that
// line. Left-aligned text is broken after the last character that still fits before the right
// edge (also inside a word); blanks at a break are dropped. A line break in Text starts a new
// line. An empty Text draws nothing and leaves the cursor where it stands.
void Ausgeben(Blatt& Ausgabe, const QString& Text, int Größe, int Ausrichtung, bool Fett);

// Ausgeben, then puts the cursor at the start of the next line (one line of the piece's font).
void ZeileAusgeben(Blatt& Ausgabe, const QString& Text, int Größe, int Ausrichtung, bool Fett);

// Rounds to the nearest whole number, halves to the even neighbour.
double RundeGerade(double value);
