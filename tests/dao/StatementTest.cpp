// The statement dialect of the store: literals, brackets, umlauts, names in any case, German
// order, statements of one shape, stored order and positional ORDER BY.

#include "Records.h"
#include "TempDatabase.h"

#include <gtest/gtest.h>

#include <algorithm>

using dao::Recordset;

using records::Column;
using Statements = StoreTest;

TEST_F(Statements, LiteralsStayLiteralsAndNamesIgnoreCase) {
    // A double-quoted token that spells a column is still text.
    EXPECT_EQ(t.Count(QStringLiteral("SELECT * FROM zutaten WHERE ucase(name) = \"NAME\" ")), 0);
    EXPECT_EQ(t.Count(QStringLiteral("SELECT * FROM zutaten WHERE name = \"nr\"")), 0);
    Recordset literal = db.OpenRecordset(QStringLiteral("SELECT \"NR\", \"x\"\"y\" FROM zutaten"));
    ASSERT_FALSE(literal.Eof());
    EXPECT_EQ(literal.Fields(0).ToText(), QStringLiteral("NR"));
    EXPECT_EQ(literal.Fields(1).ToText(), QStringLiteral("x\"y"));

    // A name with a double quote is stored and found through the quoting helper.
    const QString odd = QStringLiteral("Dr. \"Doc\" Sour");
    records::Cocktail(db, {odd});
    EXPECT_EQ(Column(db, "SELECT name FROM cocktails WHERE ucase(name) = " +
                             dao::Quoted(dao::UCase(odd))),
              QStringList{odd});

    // Umlauts: upper-cased by the program, matched through ucase/Ucase.
    EXPECT_EQ(Column(db,
                     "SELECT * FROM zutaten WHERE ucase(name) = " +
                         dao::Quoted(dao::UCase(QStringLiteral("orangenlikör"))),
                     1),
              QStringList{"Orangenlikör"});
    EXPECT_EQ(t.Count(QStringLiteral("SELECT * FROM zutaten WHERE Ucase(name) = \"WEISSER RUM\"")),
              1);

    // Table and field names in any case, umlaut names unquoted.
    EXPECT_EQ(t.Count(QStringLiteral("SELECT * FROM GRUPPENZUGEHÖRIGKEIT")),
              t.Count(QStringLiteral("SELECT * FROM gruppenzugehörigkeit")));
    EXPECT_GT(t.Count(QStringLiteral("SELECT NAME, Getränk FROM ZUTATEN WHERE GETRÄNK = true")), 0);
}

TEST_F(Statements, TextSortsInGermanDictionaryOrder) {
    t.MakeEmpty();
    int n = 0;
    for (const char* text : {"zitrone", "Äpfel", "Apfel", "Orange", "ölig", "Ob", "apfel", "Ähre",
                             "Straße", "Strasse", "Strauch", "Ürzig", "Uhu"})
        records::Insert(db, "deko", {{"name", QString::number(++n)}, {"beschreibung", text}});
    const QStringList sorted =
        Column(db, QStringLiteral("SELECT beschreibung FROM deko ORDER BY beschreibung"));
    const QStringList expected = {"Ähre", "Apfel",  "apfel",   "Äpfel",  "Ob",
                                  "ölig", "Orange", "Strasse", "Straße", "Strauch",
                                  "Uhu",  "Ürzig",  "zitrone"};
    EXPECT_EQ(sorted, expected);
    // By position and descending; in a sub-select, whose first three are kept in stored order.
    QStringList reversed = expected;
    std::reverse(reversed.begin(), reversed.end());
    EXPECT_EQ(Column(db, QStringLiteral("SELECT beschreibung FROM deko ORDER BY 1 DESC")),
              reversed);
    EXPECT_EQ(Column(db, QStringLiteral("SELECT beschreibung FROM deko WHERE nr IN (SELECT nr "
                                        "FROM deko ORDER BY beschreibung LIMIT 3)")),
              (QStringList{"Apfel", "apfel", "Ähre"}));

    // The list of all names of a catalogue, read through the name index: the same order, a
    // missing name first; its records can still be deleted one by one.
    db.Execute(QStringLiteral("UPDATE deko SET name = beschreibung"));
    records::Insert(db, "deko", {{"beschreibung", "ohne Namen"}});
    EXPECT_EQ(Column(db, QStringLiteral("SELECT name FROM deko ORDER BY name")),
              QStringList{QString()} + expected);
    Recordset names = db.OpenRecordset(QStringLiteral("SELECT name FROM deko ORDER BY name"));
    names.MoveNext();
    names.MoveNext();
    ASSERT_EQ(names.Fields(0).ToText(), QStringLiteral("Apfel"));
    names.Delete();
    names.Close();
    EXPECT_EQ(Column(db, QStringLiteral("SELECT beschreibung FROM deko WHERE name = \"Apfel\"")),
              QStringList{});
    EXPECT_EQ(t.Count(QStringLiteral("SELECT * FROM deko WHERE ucase(name) = \"APFEL\"")), 1);
}

TEST_F(Statements, StatementsOfOneShapeKeepTheirOwnValues) {
    // The same statement shape with other values, one after another: each
    // finds its own record, also with quotes, brackets and umlauts in values.
    for (const QString& name : {QStringLiteral("Mojito"), QStringLiteral("Planter's Punch"),
                                QStringLiteral("Cuba Libre"), QStringLiteral("Mojito")}) {
        Recordset rs = db.OpenRecordset(
            QStringLiteral("SELECT nr, name as [x] FROM cocktails WHERE ucase(name) = ") +
            dao::Quoted(dao::UCase(name)) + QStringLiteral(" "));
        ASSERT_FALSE(rs.Eof()) << name.toStdString();
        EXPECT_EQ(rs.Fields(QStringLiteral("x")).ToText(), name);
        const int nr = rs.Fields(0).ToInt();
        EXPECT_EQ(Column(db, "SELECT name FROM cocktails WHERE nr = " + QString::number(nr)),
                  QStringList{name});
    }
    // A number that is not compared stays part of the statement.
    Recordset two = db.OpenRecordset(
        QStringLiteral("SELECT nr + 1, \"[kein Name]\" FROM cocktails WHERE nr = 1"));
    Recordset three = db.OpenRecordset(
        QStringLiteral("SELECT nr + 2, \"[kein Name]\" FROM cocktails WHERE nr = 1"));
    EXPECT_EQ(two.Fields(0).ToInt(), 2);
    EXPECT_EQ(three.Fields(0).ToInt(), 3);
    EXPECT_EQ(three.Fields(1).ToText(), QStringLiteral("[kein Name]"));
    Recordset quoted = db.OpenRecordset(
        QStringLiteral("SELECT 'it''s', \"say \"\"hi\"\"\" FROM cocktails WHERE nr = 1"));
    EXPECT_EQ(quoted.Fields(0).ToText(), QStringLiteral("it's"));
    EXPECT_EQ(quoted.Fields(1).ToText(), QStringLiteral("say \"hi\""));
}

TEST_F(Statements, RecordsComeInStoredOrderAndPositionsKeepTheirMeaning) {
    t.MakeEmpty();
    // Lines stored against the order of their ingredient numbers, which the
    // engine's indexes would otherwise yield.
    QList<int> nr;
    for (const char* name : {"Dattel", "Birne", "Chili", "Apfel"})
        nr << records::Zutat(db, name);
    for (int zutat : {4, 2, 3, 1})
        db.Execute(
            QStringLiteral("INSERT INTO zutatenliste (cocktail, zutat, menge) VALUES (7, %1, "
                           "\"%2 cl\")")
                .arg(nr[zutat - 1])
                .arg(zutat));
    db.Execute(
        QStringLiteral("INSERT INTO zutatenliste (cocktail, zutat, menge) VALUES (8, %1, \"x\")")
            .arg(nr[0]));
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
    EXPECT_EQ(Column(db, QStringLiteral("SELECT menge FROM zutatenliste WHERE cocktail = 7 "
                                        "ORDER BY zutat")),
              (QStringList{"1 cl", "2 cl", "3 cl", "4 cl"}));
    EXPECT_EQ(Column(db, QStringLiteral("SELECT name FROM zutaten ORDER BY 1 desc")),
              (QStringList{"Dattel", "Chili", "Birne", "Apfel"}));
    EXPECT_EQ(Column(db, QStringLiteral("SELECT menge, zutat FROM zutatenliste ORDER BY 2, 1")),
              (QStringList{"1 cl", "x", "2 cl", "3 cl", "4 cl"}));
    EXPECT_EQ(Column(db,
                     QStringLiteral("SELECT zutat, count(*) FROM zutatenliste GROUP BY 1 "
                                    "ORDER BY 2 desc, 1"),
                     1),
              (QStringList{"2", "1", "1", "1"}));

    // A record set ordered by position still deletes the record it stands on.
    Recordset rs = db.OpenRecordset(QStringLiteral("SELECT name FROM zutaten ORDER BY 1"));
    ASSERT_EQ(rs.Fields(0).ToText(), QStringLiteral("Apfel"));
    rs.Delete();
    EXPECT_EQ(Column(db, QStringLiteral("SELECT name FROM zutaten")),
              (QStringList{"Dattel", "Birne", "Chili"}));
}
