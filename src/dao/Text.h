#pragma once
// The store's text rules, shared by the program: upper-casing for name
// look-ups, the German dictionary order for sorting, and quoting of text
// values put into statements.

#include <QString>
#include <cstddef>

namespace dao {

// Full Unicode upper-casing (ä → Ä, ß → SS). The statement function ucase()
// uses exactly this, so a value upper-cased by the program matches ucase(name).
QString UCase(const QString& text);

// German dictionary order without regard to case: umlauts sort with their base
// letter (ä as a, ö as o, ü as u), ß as ss, accents are ignored. Texts that are
// equal under these rules are ordered by their exact characters, so the order
// is total and only identical texts compare equal. Returns <0, 0 or >0.
int CompareGerman(const char* a, std::size_t aLen, const char* b, std::size_t bLen);
int CompareGerman(const QString& a, const QString& b);

// A text value as a literal of the statement dialect: between double quotes,
// an embedded double quote doubled.
QString Quoted(const QString& text);

// A table or field name as an engine identifier: between double quotes, an
// embedded double quote doubled.
QString QuoteIdentifier(const QString& name);

} // namespace dao
