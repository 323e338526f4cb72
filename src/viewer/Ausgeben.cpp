#include "viewer/Ausgeben.h"

#include "viewer/Blatt.h"

#include <QRegularExpression>
#include <QStringList>
#include <cmath>

namespace {

// The text without leading and trailing blanks (other white space stays).
QString OhneLeerzeichen(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == u' ')
        ++begin;
    while (end > begin && text.at(end - 1) == u' ')
        --end;
    return text.mid(begin, end - begin);
}

// Length of the character starting at index: 2 for a surrogate pair, else 1.
qsizetype Zeichenlänge(const QString& text, qsizetype index) {
    return index + 1 < text.size() && text.at(index).isHighSurrogate() &&
                   text.at(index + 1).isLowSurrogate()
               ? 2
               : 1;
}

// Number of leading characters of text that fit on a line starting at x: one character more is
// taken while the text up to it ends strictly before the right edge.
qsizetype Passend(const Blatt& Ausgabe, const QString& text, double x) {
    const double W = Ausgabe.ScaleWidth();
    qsizetype n = 0;
    while (n < text.size()) {
        const qsizetype next = n + Zeichenlänge(text, n);
        if (!(x + Ausgabe.TextWidth(text.left(next)) < W)) break;
        n = next;
    }
    return n;
}

// The lines a text takes when its first line starts at x and the others at the left edge.
// The rest after a break loses its leading and trailing blanks; the first line keeps its own.
// A line at the left edge holds at least one character, so even a surface narrower than one
// character comes to an end.
QStringList Umbrechen(const Blatt& Ausgabe, QString text, double x) {
    QStringList zeilen;
    do {
        qsizetype n = Passend(Ausgabe, text, x);
        if (n == 0 && x <= 0 && !text.isEmpty()) n = Zeichenlänge(text, 0);
        zeilen.append(text.left(n));
        text = OhneLeerzeichen(text.mid(n));
        x = 0;
    } while (!text.isEmpty());
    return zeilen;
}

} // namespace

double RundeGerade(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5) return below + 1;
    if (fraction < 0.5) return below;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

void Ausgeben(Blatt& Ausgabe, const QString& Text, int Größe, int Ausrichtung, bool Fett) {
    const double startX = Ausgabe.CurrentX();
    double x0 = RundeGerade(startX);
    double y = RundeGerade(Ausgabe.CurrentY());
    Ausgabe.SetFontSize(Größe + 8);
    Ausgabe.SetFontBold(Fett);
    const double W = Ausgabe.ScaleWidth();
    const double zeilenhöhe = Ausgabe.TextHeight(QString());

    // The last line drawn and where it starts: the cursor ends up right behind it.
    QString Last;
    double lastX = x0;
    bool ersteZeile = true;
    auto zeichne = [&](const QString& zeile, double x, bool zentriert) {
        if (!ersteZeile) y += zeilenhöhe;
        ersteZeile = false;
        Ausgabe.SetCurrentX(x);
        Ausgabe.SetCurrentY(y);
        Ausgabe.Print(zeile, zentriert);
        Last = zeile;
        lastX = x;
    };

    if (!Text.isEmpty()) {
        static const QRegularExpression umbruch(QStringLiteral("\r\n|\r|\n"));
        const QStringList absätze = Text.split(umbruch);
        for (qsizetype i = 0; i < absätze.size(); ++i) {
            const QString& absatz = absätze.at(i);
            const double cursor = i == 0 ? startX : 0;
            if (Ausrichtung == 1) {
                // Centred between the cursor and the right edge; a line wider than the sheet is
                // broken like left-aligned text, each part centred on its own.
                if (Passend(Ausgabe, absatz, 0) == absatz.size()) {
                    zeichne(absatz, RundeGerade((W - cursor - Ausgabe.TextWidth(absatz)) / 2),
                            true);
                } else {
                    for (const QString& zeile : Umbrechen(Ausgabe, absatz, 0))
                        zeichne(zeile, RundeGerade((W - Ausgabe.TextWidth(zeile)) / 2), true);
                }
            } else {
                double x = i == 0 ? x0 : 0;
                for (const QString& zeile : Umbrechen(Ausgabe, absatz, x)) {
                    zeichne(zeile, x, false);
                    x = 0;
                }
            }
        }
    }

    Ausgabe.SetCurrentX(lastX + Ausgabe.TextWidth(Last));
    Ausgabe.SetCurrentY(y);
}

void ZeileAusgeben(Blatt& Ausgabe, const QString& Text, int Größe, int Ausrichtung, bool Fett) {
    Ausgeben(Ausgabe, Text, Größe, Ausrichtung, Fett);
    Ausgabe.SetCurrentY(Ausgabe.CurrentY() + Ausgabe.TextHeight(QString()));
    Ausgabe.SetCurrentX(0);
}
