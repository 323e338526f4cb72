#include "viewer/Ausgeben.h"

#include "viewer/Blatt.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace {

// The text without leading and trailing blanks (other white space stays).
QStringView OhneLeerzeichen(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == u' ')
        ++begin;
    while (end > begin && text.at(end - 1) == u' ')
        --end;
    return text.mid(begin, end - begin);
}

// Length of the character starting at index: 2 for a surrogate pair, else 1.
qsizetype Zeichenlänge(QStringView text, qsizetype index) {
    return index + 1 < text.size() && text.at(index).isHighSurrogate() &&
                   text.at(index + 1).isLowSurrogate()
               ? 2
               : 1;
}

// The end of the character that index falls into: index itself, or one more when it lies
// between the two halves of a surrogate pair.
qsizetype ZeichenEnde(QStringView text, qsizetype index) {
    return index > 0 && index < text.size() && text.at(index - 1).isHighSurrogate() &&
                   text.at(index).isLowSurrogate()
               ? index + 1
               : index;
}

// Number of leading characters of text that fit on a line starting at x: one character more is
// taken while the text up to it ends strictly before the right edge. A text grows no narrower
// by another character, so the count is found by doubling and then halving the part measured:
// a paragraph of thousands of characters costs a few measurements per line, not one per
// character.
qsizetype Passend(const Blatt& Ausgabe, QStringView text, double x) {
    const double W = Ausgabe.ScaleWidth();
    const auto passt = [&](qsizetype n) {
        return x + Ausgabe.TextWidth(text.left(n).toString()) < W;
    };
    // gut fits (nothing always counts as fitting), schlecht does not; both end a character.
    qsizetype gut = 0;
    qsizetype schlecht = -1;
    for (qsizetype schritt = 1; schlecht < 0; schritt *= 2) {
        const qsizetype probe = ZeichenEnde(text, std::min(gut + schritt, text.size()));
        if (probe <= gut) return gut; // the whole text fits
        if (passt(probe))
            gut = probe;
        else
            schlecht = probe;
    }
    for (;;) {
        const qsizetype mitte =
            ZeichenEnde(text, gut + std::max<qsizetype>(1, (schlecht - gut) / 2));
        if (mitte >= schlecht) return gut;
        if (passt(mitte))
            gut = mitte;
        else
            schlecht = mitte;
    }
}

// The lines a text takes when its first line starts at x and the others at the left edge.
// The rest after a break loses its leading and trailing blanks; the first line keeps its own.
// A line at the left edge holds at least one character, so even a surface narrower than one
// character comes to an end.
QStringList Umbrechen(const Blatt& Ausgabe, QStringView text, double x) {
    QStringList zeilen;
    do {
        qsizetype n = Passend(Ausgabe, text, x);
        if (n == 0 && x <= 0 && !text.isEmpty()) n = Zeichenlänge(text, 0);
        zeilen.append(text.left(n).toString());
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
