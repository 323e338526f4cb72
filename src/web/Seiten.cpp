#include "web/Seiten.h"

#include <QStringList>
#include <algorithm>
#include <cstring>

namespace web {

namespace {

const QString kOhneNamen = QStringLiteral("(ohne Namen)");

void Anhängen(QString& out, const QString& text) {
    out.reserve(out.size() + text.size() + 16);
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        switch (c) {
        case u'&':
            out += QLatin1StringView("&amp;");
            break;
        case u'<':
            out += QLatin1StringView("&lt;");
            break;
        case u'>':
            out += QLatin1StringView("&gt;");
            break;
        case u'"':
            out += QLatin1StringView("&quot;");
            break;
        case u'\'':
            out += QLatin1StringView("&#39;");
            break;
        default:
            if ((c < 0x20 && c != u'\t' && c != u'\n' && c != u'\r') || (c >= 0x7f && c < 0xa0) ||
                c == 0xfffe || c == 0xffff || (c >= 0xfdd0 && c <= 0xfdef))
                out += QChar(0xfffd);
            else
                out += ch;
        }
    }
}

// A name as it is shown: a missing one says so.
QString Anzeige(const QString& name) {
    return name.trimmed().isEmpty() ? kOhneNamen : name;
}

bool Leer(const QString& text) {
    return text.trimmed().isEmpty();
}

// The head of every page; `wurzel` leads from the page to the site's folder.
QString Kopf(const QString& titel, QLatin1StringView wurzel) {
    QString t;
    t.reserve(4096);
    t += QLatin1StringView("<!DOCTYPE html>\n<html lang=\"de\">\n<head>\n<meta charset=\"utf-8\">\n"
                           "<meta name=\"viewport\" content=\"width=device-width, "
                           "initial-scale=1\">\n<title>");
    Anhängen(t, titel);
    t += QLatin1StringView("</title>\n<link rel=\"stylesheet\" href=\"");
    t += wurzel;
    t += QLatin1StringView("stil.css\">\n</head>\n<body>\n<nav class=\"kopf\"><a href=\"");
    t += wurzel;
    t += QLatin1StringView("index.html\">Alle Cocktails</a> <a href=\"");
    t += wurzel;
    t += QLatin1StringView("gruppen.html\">Gruppen</a></nav>\n<main>\n");
    return t;
}

QByteArray Fuss(QString& t) {
    t += QLatin1StringView("</main>\n</body>\n</html>\n");
    return t.toUtf8();
}

void Absatz(QString& t, const QString& text, QLatin1StringView klasse) {
    if (Leer(text)) return;
    t += QLatin1StringView("<p class=\"");
    t += klasse;
    t += QLatin1StringView("\">");
    Anhängen(t, text);
    t += QLatin1StringView("</p>\n");
}

void Verweis(QString& t, QLatin1StringView ziel, qint64 nr, const QString& text) {
    t += QLatin1StringView("<a href=\"");
    t += ziel;
    t += QString::number(nr);
    t += QLatin1StringView(".html\">");
    Anhängen(t, text);
    t += QLatin1StringView("</a>");
}

// A cocktail by its position, linked from a page `wurzel` away from the site's folder.
void CocktailVerweis(QString& t, const Sammlung& s, int c, QLatin1StringView wurzel) {
    const Cocktail& cocktail = s.cocktails[static_cast<std::size_t>(c)];
    t += QLatin1StringView("<a href=\"");
    t += wurzel;
    t += QLatin1StringView("cocktail/");
    t += QString::number(cocktail.nr);
    t += QLatin1StringView(".html\">");
    Anhängen(t, Anzeige(cocktail.name));
    t += QLatin1StringView("</a>");
}

void ZutatVerweis(QString& t, const Sammlung& s, int z) {
    if (z < 0) return;
    const Zutat& zutat = s.zutaten[static_cast<std::size_t>(z)];
    if (zutat.seite)
        Verweis(t, QLatin1StringView("../zutat/"), zutat.nr, Anzeige(zutat.name));
    else
        Anhängen(t, zutat.name);
}

void CocktailListe(QString& t, const Sammlung& s, const std::vector<int>& cocktails,
                   QLatin1StringView wurzel, const QString& keiner) {
    if (cocktails.empty()) {
        Absatz(t, keiner, QLatin1StringView("leer"));
        return;
    }
    t += QLatin1StringView("<ul class=\"cocktails\">\n");
    for (const int c : cocktails) {
        t += QLatin1StringView("<li>");
        CocktailVerweis(t, s, c, wurzel);
        t += QLatin1StringView("</li>\n");
    }
    t += QLatin1StringView("</ul>\n");
}

void Überschrift(QString& t, QLatin1StringView ebene, const QString& text) {
    t += QLatin1StringView("<");
    t += ebene;
    t += QLatin1StringView(">");
    Anhängen(t, text);
    t += QLatin1StringView("</");
    t += ebene;
    t += QLatin1StringView(">\n");
}

// A web address is a link only with the scheme http or https; anything else is plain text.
void Adresse(QString& t, const QString& url) {
    const QString adresse = url.trimmed();
    t += QLatin1StringView("<p class=\"url\">");
    if (adresse.startsWith(QLatin1StringView("http://"), Qt::CaseInsensitive) ||
        adresse.startsWith(QLatin1StringView("https://"), Qt::CaseInsensitive)) {
        // Characters an address may not hold as they are, in UTF-8 with percent signs.
        QString ziel;
        for (const char b : adresse.toUtf8()) {
            const auto u = static_cast<unsigned char>(b);
            if (u <= 0x20 || u >= 0x7f || std::strchr("\"<>\\^`{|}", b))
                ziel += u'%' + QString::number(u, 16).rightJustified(2, u'0').toUpper();
            else
                ziel += QLatin1Char(b);
        }
        t += QLatin1StringView("<a href=\"");
        Anhängen(t, ziel);
        t += QLatin1StringView("\">");
        Anhängen(t, adresse);
        t += QLatin1StringView("</a>");
    } else {
        Anhängen(t, url);
    }
    t += QLatin1StringView("</p>\n");
}

} // namespace

QString Html(const QString& text) {
    QString out;
    Anhängen(out, text);
    return out;
}

QChar Buchstabe(const QString& name) {
    if (name.isEmpty()) return u'#';
    QChar c = name.front();
    if (c == u'ß') return u'S';
    if (c.decompositionTag() == QChar::Canonical) c = c.decomposition().front();
    c = c.toUpper();
    return c >= u'A' && c <= u'Z' ? c : QChar(u'#');
}

QByteArray Startseite(const Sammlung& s) {
    QString t = Kopf(QStringLiteral("Cocktails"), QLatin1StringView(""));
    t.reserve(static_cast<qsizetype>(s.cocktails.size()) * 64 + 4096);
    Überschrift(t, QLatin1StringView("h1"), QStringLiteral("Cocktails"));
    // The letters in the order their names come; each heading once, where its first name is.
    std::vector<QChar> buchstaben;
    std::vector<QChar> jeCocktail;
    jeCocktail.reserve(s.cocktails.size());
    for (const Cocktail& c : s.cocktails) {
        const QChar b = Buchstabe(c.name.trimmed());
        jeCocktail.push_back(b);
        if (std::find(buchstaben.begin(), buchstaben.end(), b) == buchstaben.end())
            buchstaben.push_back(b);
    }
    const auto anker = [](QChar b) {
        return b == u'#' ? QStringLiteral("b-0") : QStringLiteral("b-") + b;
    };
    if (!buchstaben.empty()) {
        t += QLatin1StringView("<nav class=\"sprung\">");
        for (const QChar b : buchstaben)
            t += QStringLiteral("<a href=\"#%1\">%2</a> ").arg(anker(b), b);
        t += QLatin1StringView("</nav>\n");
    } else {
        Absatz(t, QStringLiteral("Die Sammlung enthält noch keinen Cocktail."),
               QLatin1StringView("leer"));
    }
    std::vector<QChar> gezeigt;
    for (std::size_t i = 0; i < s.cocktails.size(); ++i) {
        const QChar b = jeCocktail[i];
        if (i == 0 || b != jeCocktail[i - 1]) {
            if (i > 0) t += QLatin1StringView("</ul>\n");
            if (std::find(gezeigt.begin(), gezeigt.end(), b) == gezeigt.end()) {
                gezeigt.push_back(b);
                t += QStringLiteral("<h2 id=\"%1\">%2</h2>\n").arg(anker(b), b);
            } else {
                t += QStringLiteral("<h2>%1</h2>\n").arg(b);
            }
            t += QLatin1StringView("<ul class=\"cocktails\">\n");
        }
        t += QLatin1StringView("<li>");
        CocktailVerweis(t, s, static_cast<int>(i), QLatin1StringView(""));
        t += QLatin1StringView("</li>\n");
    }
    if (!s.cocktails.empty()) t += QLatin1StringView("</ul>\n");
    if (!s.setups.empty()) {
        Überschrift(t, QLatin1StringView("h2"), QStringLiteral("Setups"));
        t += QLatin1StringView("<ul class=\"setups\">\n");
        for (const Setup& setup : s.setups) {
            t += QLatin1StringView("<li>");
            Verweis(t, QLatin1StringView("setup/"), setup.nr, Anzeige(setup.name));
            t += QLatin1StringView("</li>\n");
        }
        t += QLatin1StringView("</ul>\n");
    }
    return Fuss(t);
}

QByteArray Gruppenseite(const Sammlung& s) {
    QString t = Kopf(QStringLiteral("Gruppen"), QLatin1StringView(""));
    Überschrift(t, QLatin1StringView("h1"), QStringLiteral("Gruppen"));
    if (s.gruppen.empty())
        Absatz(t, QStringLiteral("Es gibt noch keine Gruppe."), QLatin1StringView("leer"));
    for (std::size_t g = 0; g < s.gruppen.size(); ++g) {
        const Gruppe& gruppe = s.gruppen[g];
        t += QStringLiteral("<section id=\"g%1\">\n").arg(g + 1);
        Überschrift(t, QLatin1StringView("h2"), Anzeige(gruppe.name));
        Absatz(t, gruppe.beschreibung, QLatin1StringView("text"));
        CocktailListe(t, s, gruppe.cocktails, QLatin1StringView(""),
                      QStringLiteral("Kein Cocktail gehört zu dieser Gruppe."));
        t += QLatin1StringView("</section>\n");
    }
    return Fuss(t);
}

QByteArray Cocktailseite(const Sammlung& s, const Cocktail& c) {
    QString t = Kopf(Anzeige(c.name), QLatin1StringView("../"));
    t += QLatin1StringView("<article class=\"rezept\">\n");
    Überschrift(t, QLatin1StringView("h1"), Anzeige(c.name));
    Absatz(t, c.beschreibung, QLatin1StringView("text beschreibung"));

    Überschrift(t, QLatin1StringView("h2"), QStringLiteral("Zutaten"));
    if (c.zeilen.empty())
        Absatz(t, QStringLiteral("Keine."), QLatin1StringView("leer"));
    else {
        t += QLatin1StringView("<ul class=\"zutaten\">\n");
        for (const Zeile& z : c.zeilen) {
            t += QLatin1StringView("<li>");
            Anhängen(t, z.menge);
            t += u' ';
            ZutatVerweis(t, s, z.zutat);
            if (z.variation) {
                t += QLatin1StringView(" oder ");
                Anhängen(t, z.variationsmenge);
                t += u' ';
                ZutatVerweis(t, s, z.variationZutat);
            }
            if (!z.beschreibung.isEmpty()) {
                t += QLatin1StringView(" (");
                Anhängen(t, z.beschreibung);
                t += u')';
            }
            t += QLatin1StringView("</li>\n");
        }
        t += QLatin1StringView("</ul>\n");
    }

    Überschrift(t, QLatin1StringView("h2"), QStringLiteral("Dekoration"));
    if (c.deko.empty())
        Absatz(t, QStringLiteral("Keine."), QLatin1StringView("leer"));
    else {
        t += QLatin1StringView("<ul class=\"deko\">\n");
        for (const Dekozeile& d : c.deko) {
            t += QLatin1StringView("<li>");
            Anhängen(t, Anzeige(d.name));
            if (!d.beschreibung.isEmpty()) {
                t += QLatin1StringView(" (");
                Anhängen(t, d.beschreibung);
                t += u')';
            }
            t += QLatin1StringView("</li>\n");
        }
        t += QLatin1StringView("</ul>\n");
    }

    Überschrift(t, QLatin1StringView("h2"), QStringLiteral("Zubereitung"));
    Absatz(t, c.zubereitung, QLatin1StringView("text zubereitung"));
    if (c.bewertung)
        Absatz(t, QStringLiteral("Bewertung: ") + *c.bewertung, QLatin1StringView("bewertung"));
    if (c.erfinder)
        Absatz(t, QStringLiteral("Erfunden: ") + *c.erfinder, QLatin1StringView("erfinder"));
    if (c.url && !Leer(*c.url)) Adresse(t, *c.url);
    if (!c.gruppen.empty()) {
        t += QLatin1StringView(c.gruppen.size() == 1 ? "<p class=\"gruppen\">Gruppe: "
                                                     : "<p class=\"gruppen\">Gruppen: ");
        for (std::size_t i = 0; i < c.gruppen.size(); ++i) {
            if (i > 0) t += QLatin1StringView(", ");
            t += QStringLiteral("<a href=\"../gruppen.html#g%1\">").arg(c.gruppen[i] + 1);
            Anhängen(t, Anzeige(s.gruppen[static_cast<std::size_t>(c.gruppen[i])].name));
            t += QLatin1StringView("</a>");
        }
        t += QLatin1StringView("</p>\n");
    }
    t += QLatin1StringView("</article>\n");
    return Fuss(t);
}

QByteArray Zutatseite(const Sammlung& s, const Zutat& z) {
    QString t = Kopf(Anzeige(z.name), QLatin1StringView("../"));
    Überschrift(t, QLatin1StringView("h1"), Anzeige(z.name));
    Absatz(t, z.beschreibung, QLatin1StringView("text beschreibung"));
    QStringList art;
    art << (z.alkohol ? QStringLiteral("alkoholisch") : QStringLiteral("alkoholfrei"));
    if (z.getränk) art << QStringLiteral("ein Getränk");
    Absatz(t, art.join(QStringLiteral(", ")), QLatin1StringView("art"));
    Überschrift(t, QLatin1StringView("h2"), QStringLiteral("Verwendet in"));
    CocktailListe(t, s, z.cocktails, QLatin1StringView("../"),
                  QStringLiteral("Kein Cocktail verwendet diese Zutat."));
    return Fuss(t);
}

QByteArray Setupseite(const Sammlung& s, const Setup& setup) {
    QString t = Kopf(Anzeige(setup.name), QLatin1StringView("../"));
    Überschrift(t, QLatin1StringView("h1"), Anzeige(setup.name));
    Absatz(t, setup.beschreibung, QLatin1StringView("text beschreibung"));
    Überschrift(t, QLatin1StringView("h2"), QStringLiteral("Vorrat"));
    if (setup.vorrat.empty())
        Absatz(t, QStringLiteral("Der Vorrat ist leer."), QLatin1StringView("leer"));
    else {
        t += QLatin1StringView("<ul class=\"vorrat\">\n");
        for (const int z : setup.vorrat) {
            t += QLatin1StringView("<li>");
            ZutatVerweis(t, s, z);
            t += QLatin1StringView("</li>\n");
        }
        t += QLatin1StringView("</ul>\n");
    }
    const auto mixbar = [&](const QString& titel, const std::vector<QString>& namen,
                            const std::vector<int>& seiten) {
        Überschrift(t, QLatin1StringView("h2"), titel);
        if (namen.empty()) {
            Absatz(t, QStringLiteral("Kein Cocktail."), QLatin1StringView("leer"));
            return;
        }
        t += QLatin1StringView("<ul class=\"cocktails\">\n");
        for (std::size_t i = 0; i < namen.size(); ++i) {
            t += QLatin1StringView("<li>");
            if (seiten[i] >= 0)
                CocktailVerweis(t, s, seiten[i], QLatin1StringView("../"));
            else
                Anhängen(t, namen[i]);
            t += QLatin1StringView("</li>\n");
        }
        t += QLatin1StringView("</ul>\n");
    };
    mixbar(QStringLiteral("Mixbar, nur Getränke beachtet"), setup.nurGetränke,
           setup.nurGetränkeSeite);
    mixbar(QStringLiteral("Mixbar, alle Zutaten beachtet"), setup.alle, setup.alleSeite);
    return Fuss(t);
}

QByteArray Stil() {
    return QByteArrayLiteral(
        "/* Velkor-DB: the recipe collection, readable on a phone and printed one recipe a page. "
        "*/\n"
        "html { -webkit-text-size-adjust: 100%; }\n"
        "body { font-family: Georgia, \"DejaVu Serif\", serif; line-height: 1.5; color: #222;\n"
        "       background: #fffdf8; max-width: 40em; margin: 0 auto; padding: 0 1em 2em; }\n"
        "h1 { font-size: 1.8em; text-align: center; margin: 0.6em 0; }\n"
        "h2 { font-size: 1.25em; margin: 1.2em 0 0.3em; border-bottom: 1px solid #ddd; }\n"
        "a { color: #8a2b06; }\n"
        "nav.kopf { display: flex; gap: 1.2em; padding: 0.6em 0; border-bottom: 1px solid #ddd; }\n"
        "nav.sprung { display: flex; flex-wrap: wrap; gap: 0.3em 0.8em; margin: 0.5em 0; }\n"
        "nav.sprung a { display: inline-block; min-width: 1.6em; text-align: center;\n"
        "               padding: 0.2em; }\n"
        "ul { padding-left: 1.2em; }\n"
        "li { margin: 0.25em 0; }\n"
        ".text { white-space: pre-line; }\n"
        ".beschreibung { font-style: italic; }\n"
        ".leer { color: #777; }\n"
        ".url { overflow-wrap: anywhere; }\n"
        "@media (max-width: 30em) { body { font-size: 1.05em; } h1 { font-size: 1.5em; } }\n"
        "@media print {\n"
        "  body { background: none; color: #000; max-width: none; font-size: 11pt; }\n"
        "  nav { display: none; }\n"
        "  a { color: inherit; text-decoration: none; }\n"
        "  .rezept { break-after: page; page-break-after: always; }\n"
        "  h2, li { break-inside: avoid; page-break-inside: avoid; }\n"
        "  h2 { break-after: avoid; page-break-after: avoid; }\n"
        "}\n");
}

} // namespace web
