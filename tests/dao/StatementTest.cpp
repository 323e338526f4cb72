// The statement dialect of the store: literals, brackets, umlauts, names in any case, German
// order, stored order and positional ORDER BY. That statements of one shape translate alike
// whatever their values, the fuzz target checks against translating each afresh.

#include "Records.h"
#include "TempDatabase.h"

#include <gtest/gtest.h>

#include <algorithm>

using dao::Recordset;
using records::Column;
using Statements = StoreTest;

TEST_F(Statements, LiteralsStayLiteralsAndNamesIgnoreCase) {
    // A double-quoted token that spells a column is still text; a doubled quote stands for one.
    EXPECT_EQ(t.Count("SELECT * FROM zutaten WHERE ucase(name) = \"NAME\" "), 0);
    Recordset literal = db.OpenRecordset(QStringLiteral(
        "SELECT \"NR\", \"x\"\"y\", 'it''s', nr + 1, \"[kein Name]\" FROM cocktails WHERE nr = 1"));
    QStringList fields;
    for (int i = 0; i < literal.FieldCount(); ++i)
        fields << literal.Fields(i).ToText();
    EXPECT_EQ(fields, (QStringList{"NR", "x\"y", "it's", "2", "[kein Name]"}));

    // A name with a double quote is stored and found through the quoting helper.
    const QString odd = QStringLiteral("Dr. \"Doc\" Sour");
    records::Cocktail(db, {odd});
    EXPECT_EQ(Column(db, "SELECT name FROM cocktails WHERE ucase(name) = " +
                             dao::Quoted(dao::UCase(odd))),
              QStringList{odd});

    // Upper-cased by the program in full: ß as SS.
    EXPECT_EQ(t.Count("SELECT * FROM zutaten WHERE Ucase(name) = \"WEISSER RUM\""), 1);

    // Table and field names in any case, umlaut names unquoted.
    EXPECT_EQ(t.Count("SELECT * FROM GRUPPENZUGEHÖRIGKEIT"),
              t.Count("SELECT * FROM gruppenzugehörigkeit"));
    EXPECT_GT(t.Count("SELECT NAME, Getränk FROM ZUTATEN WHERE GETRÄNK = true"), 0);
}

// A statement that is not whole is a syntax error and changes nothing. So is text the engine
// would not read to its end: nothing but blanks or a comment, a NUL (the engine stops there: a
// condition behind one went unseen), a lone half of a surrogate pair (it has no UTF-8 form and
// reached the engine as a ?). Inside a literal, and as a whole pair, they are letters like any
// other. A missing table or field has a number of its own.
TEST_F(Statements, FailuresHaveTheirNumbersAndChangeNothing) {
    const QString nul(QChar(0)), high(QChar(0xD83C)), low(QChar(0xDF78));
    const int before = t.Count("SELECT * FROM deko");
    for (const QString& text :
         {QString(), QStringLiteral("   "), QStringLiteral("-- nur ein Kommentar"),
          QStringLiteral(";"), QStringLiteral("/* */"), QStringLiteral("DELETE FROM deko WHERE"),
          QStringLiteral("DELETE FROM deko WHERE name = \"offen"),
          "DELETE FROM deko" + nul + " WHERE nr = 0", nul + "SELECT 1",
          "SELECT nr FROM deko WHERE name = " + high + "; \"Minze\"",
          "SELECT nr FROM deko WHERE name = " + low, "SELECT [nr" + high + "] FROM deko",
          "SELECT nr FROM [deko" + nul + "x]"}) {
        EXPECT_EQ(records::ErrorOf([&] { db.OpenRecordset(text); }), dao::errSyntax);
        EXPECT_EQ(records::ErrorOf([&] { db.Execute(text); }), dao::errSyntax);
    }
    EXPECT_EQ(t.Count("SELECT * FROM deko"), before);
    const QString name = "a" + nul + "b" + high + low;
    db.Execute("INSERT INTO deko (name) VALUES (" + dao::Quoted(name) + ")");
    EXPECT_EQ(Column(db, "SELECT name AS [Glas" + high + low + "] FROM deko WHERE name = " +
                             dao::Quoted(name) + " AND name <> \"" + high + "\""),
              QStringList{name});
    EXPECT_EQ(records::ErrorOf([&] { db.OpenRecordset("SELECT * FROM dek"); }), 3078);
    EXPECT_EQ(records::ErrorOf([&] { db.OpenRecordset("SELECT nam FROM deko"); }), 3265);
}

TEST_F(Statements, TextSortsInGermanDictionaryOrder) {
    t.MakeEmpty();
    for (const char* text : {"zitrone", "Äpfel", "Apfel", "Orange", "ölig", "Ob", "apfel", "Ähre",
                             "Straße", "Strasse", "Strauch", "Ürzig", "Uhu"})
        records::Insert(db, "deko", {{"name", text}, {"beschreibung", text}});
    const QStringList expected = {"Ähre", "Apfel",  "apfel",   "Äpfel",  "Ob",
                                  "ölig", "Orange", "Strasse", "Straße", "Strauch",
                                  "Uhu",  "Ürzig",  "zitrone"};
    EXPECT_EQ(Column(db, "SELECT beschreibung FROM deko ORDER BY beschreibung"), expected);
    // By position and descending; in a sub-select, whose first three are kept in stored order.
    QStringList reversed = expected;
    std::reverse(reversed.begin(), reversed.end());
    EXPECT_EQ(Column(db, "SELECT beschreibung FROM deko ORDER BY 1 DESC"), reversed);
    EXPECT_EQ(Column(db, "SELECT beschreibung FROM deko WHERE nr IN (SELECT nr FROM deko ORDER "
                         "BY beschreibung LIMIT 3)"),
              (QStringList{"Apfel", "apfel", "Ähre"}));

    // The list of all names of a catalogue, read through the name index: the same order, a
    // missing name first; its records can still be deleted one by one.
    records::Insert(db, "deko", {{"beschreibung", "ohne Namen"}});
    EXPECT_EQ(Column(db, "SELECT name FROM deko ORDER BY name"), QStringList{QString()} + expected);
    Recordset names = db.OpenRecordset("SELECT name FROM deko ORDER BY name");
    names.MoveNext();
    names.MoveNext();
    ASSERT_EQ(names.Fields(0).ToText(), QStringLiteral("Apfel"));
    names.Delete();
    EXPECT_EQ(Column(db, "SELECT beschreibung FROM deko WHERE ucase(name) = \"APFEL\""),
              QStringList{"apfel"});
}

TEST_F(Statements, RecordsComeInStoredOrderAndPositionsKeepTheirMeaning) {
    t.MakeEmpty();
    // Lines stored against the order of their ingredient numbers, which the
    // engine's indexes would otherwise yield.
    QList<int> nr;
    for (const char* name : {"Dattel", "Birne", "Chili", "Apfel"})
        nr << records::Zutat(db, name);
    for (int zutat : {4, 2, 3, 1})
        records::Insert(db, "zutatenliste",
                        {{"cocktail", 7},
                         {"zutat", nr[zutat - 1]},
                         {"menge", QStringLiteral("%1 cl").arg(zutat)}});
    records::Insert(db, "zutatenliste", {{"cocktail", 8}, {"zutat", nr[0]}, {"menge", "x"}});
    const std::pair<const char*, int> plain[] = {
        {"SELECT * FROM zutatenliste WHERE cocktail = 7", 2},
        {"SELECT menge FROM zutatenliste WHERE cocktail = 7 AND zutat > 0", 0},
        {"SELECT * FROM zutaten a INNER JOIN zutatenliste b ON a.nr = b.zutat WHERE b.cocktail = 7",
         7},
        {"SELECT b.menge FROM zutaten a INNER JOIN zutatenliste b ON a.nr = b.zutat WHERE "
         "b.cocktail = 7;",
         0}};
    for (const auto& [sql, field] : plain)
        EXPECT_EQ(Column(db, QString::fromUtf8(sql), field),
                  (QStringList{"4 cl", "2 cl", "3 cl", "1 cl"}))
            << sql;
    // An order of its own is kept, by name or by position, and so is grouping by position.
    EXPECT_EQ(Column(db, "SELECT menge FROM zutatenliste WHERE cocktail = 7 ORDER BY zutat"),
              (QStringList{"1 cl", "2 cl", "3 cl", "4 cl"}));
    EXPECT_EQ(Column(db, "SELECT name FROM zutaten ORDER BY 1 desc"),
              (QStringList{"Dattel", "Chili", "Birne", "Apfel"}));
    EXPECT_EQ(Column(db, "SELECT menge, zutat FROM zutatenliste ORDER BY 2, 1"),
              (QStringList{"1 cl", "x", "2 cl", "3 cl", "4 cl"}));
    EXPECT_EQ(
        Column(db, "SELECT zutat, count(*) FROM zutatenliste GROUP BY 1 ORDER BY 2 desc, 1", 1),
        (QStringList{"2", "1", "1", "1"}));

    // A record set ordered by position still deletes the record it stands on.
    Recordset rs = db.OpenRecordset("SELECT name FROM zutaten ORDER BY 1");
    ASSERT_EQ(rs.Fields(0).ToText(), QStringLiteral("Apfel"));
    rs.Delete();
    EXPECT_EQ(Column(db, "SELECT name FROM zutaten"), (QStringList{"Dattel", "Birne", "Chili"}));
}
