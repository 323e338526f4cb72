#pragma once
// The pages of the site as UTF-8 text. Every text from the file is escaped; links are built from
// record numbers only.

#include "web/Sammlung.h"

#include <QByteArray>
#include <QString>

namespace web {

// The text with &, <, >, " and ' as character references, and characters HTML does not allow
// (control characters other than tab and line breaks, non-characters) as U+FFFD.
QString Html(const QString& text);

QByteArray Startseite(const Sammlung& s);
QByteArray Gruppenseite(const Sammlung& s);
QByteArray Cocktailseite(const Sammlung& s, const Cocktail& c);
QByteArray Zutatseite(const Sammlung& s, const Zutat& z);
QByteArray Setupseite(const Sammlung& s, const Setup& setup);
QByteArray Stil();

// The letter a name is found under in the index: A to Z, umlauts and accented letters under
// their base letter, anything else under "#".
QChar Buchstabe(const QString& name);

} // namespace web
