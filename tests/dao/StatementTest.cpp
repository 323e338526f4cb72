// The statement dialect of the store: literals, names in any case, failures, German order,
// stored order and positional ORDER BY. Look-ups by name agreeing with reading every name, and
// statements of one shape translating alike whatever their values, the fuzz target checks over
// its kept inputs (tests/fuzz/corpus, tests/fuzz/regressions).

#include "Records.h"
#include "TempDatabase.h"

#include <gtest/gtest.h>

#include <random>

using records::Column;
using Statements = StoreTest;

TEST_F(Statements, LiteralsStayLiteralsNamesIgnoreCaseAndFailuresChangeNothing) {
    // A double-quoted token that spells a column is still text; a doubled quote stands for one.
    EXPECT_EQ(t.Count("SELECT * FROM zutaten WHERE ucase(name) = \"NAME\" "), 0);
    EXPECT_EQ(
        Column(db, "SELECT \"x\"\"y\" & 'it''s' & \"[kein Name]\" FROM cocktails WHERE nr = 1"),
        QStringList{"x\"yit's[kein Name]"});
    // A name with a double quote is stored and found through the quoting helper.
    const QString odd = QStringLiteral("Dr. \"Doc\" Sour");
    records::Cocktail(db, {odd});
    EXPECT_EQ(Column(db, "SELECT name FROM cocktails WHERE ucase(name) = " +
                             dao::Quoted(dao::UCase(odd))),
              QStringList{odd});
    // Upper-cased by the program in full: ß as SS, the capital ẞ too. Table names in any case,
    // with umlauts too.
    EXPECT_EQ(t.Count("SELECT * FROM zutaten WHERE Ucase(name) = \"WEISSER RUM\""), 1);
    EXPECT_EQ(t.Count("SELECT * FROM zutaten WHERE Ucase(name) = " +
                      dao::Quoted(dao::UCase(QStringLiteral("WEIẞER RUM")))),
              1);
    EXPECT_EQ(t.Count("SELECT * FROM GRUPPENZUGEHÖRIGKEIT"),
              t.Count("SELECT * FROM gruppenzugehörigkeit"));

    // A statement that is not whole is a syntax error and changes nothing. So is text the
    // engine would not read to its end: nothing but blanks or a comment, a NUL (the engine
    // stops there: a condition behind one went unseen), a lone half of a surrogate pair (it has
    // no UTF-8 form and reached the engine as a ?). A missing table or field has a number of
    // its own.
    const int before = t.Count("SELECT * FROM deko");
    for (const QString& text : {QStringLiteral("   "), QStringLiteral("-- nur ein Kommentar"),
                                QStringLiteral("DELETE FROM deko WHERE"),
                                QStringLiteral("DELETE FROM deko WHERE name = \"offen"),
                                "DELETE FROM deko" + QString(QChar(0)) + " WHERE nr = 0",
                                "DELETE FROM deko WHERE name = " + QString(QChar(0xD83C))})
        EXPECT_EQ(records::ErrorOf([&] { db.Execute(text); }), dao::errSyntax);
    EXPECT_EQ(t.Count("SELECT * FROM deko"), before);
    EXPECT_EQ(records::ErrorOf([&] { db.OpenRecordset("SELECT * FROM dek"); }), 3078);
    EXPECT_EQ(records::ErrorOf([&] { db.OpenRecordset("SELECT nam FROM deko"); }), 3265);
}

TEST_F(Statements, TextSortsInGermanOrderAndRecordsComeInStoredOrder) {
    t.MakeEmpty();
    for (const char* text : {"zitrone", "Äpfel", "Apfel", "Orange", "ölig", "Ob", "apfel", "Ähre",
                             "Straße", "Strasse", "Strauch", "Ürzig", "Uhu"})
        records::Insert(db, "deko", {{"name", text}, {"beschreibung", text}});
    const QStringList expected = {"Ähre", "Apfel",  "apfel",   "Äpfel",  "Ob",
                                  "ölig", "Orange", "Strasse", "Straße", "Strauch",
                                  "Uhu",  "Ürzig",  "zitrone"};
    EXPECT_EQ(Column(db, "SELECT beschreibung FROM deko ORDER BY 1"), expected); // by position
    // The list of all names of a catalogue, read through the name index: the same order, a
    // missing name first.
    records::Insert(db, "deko", {{"beschreibung", "ohne Namen"}});
    EXPECT_EQ(Column(db, "SELECT name FROM deko ORDER BY name"), QStringList{QString()} + expected);

    // Lines stored against the order of their ingredient numbers, which the engine's indexes
    // would otherwise yield.
    QList<int> nr;
    for (const char* name : {"Apfel", "Birne", "Chili", "Dattel"})
        nr << records::Zutat(db, name);
    for (int i : {3, 1, 2, 0})
        records::Insert(
            db, "zutatenliste",
            {{"cocktail", 7}, {"zutat", nr[i]}, {"menge", QStringLiteral("%1 cl").arg(i)}});
    records::Insert(db, "zutatenliste", {{"cocktail", 8}, {"zutat", nr[0]}, {"menge", "x"}});
    const QStringList stored = {"3 cl", "1 cl", "2 cl", "0 cl"};
    EXPECT_EQ(Column(db, "SELECT menge FROM zutatenliste WHERE cocktail = 7 AND zutat > 0"),
              stored);
    EXPECT_EQ(Column(db,
                     "SELECT * FROM zutaten a INNER JOIN zutatenliste b ON a.nr = b.zutat "
                     "WHERE b.cocktail = 7;",
                     7),
              stored);
    // An order of its own is kept, by name or by position, and so is grouping by position.
    EXPECT_EQ(Column(db, "SELECT menge FROM zutatenliste WHERE cocktail = 7 ORDER BY zutat"),
              (QStringList{"0 cl", "1 cl", "2 cl", "3 cl"}));
    EXPECT_EQ(
        Column(db, "SELECT zutat, count(*) FROM zutatenliste GROUP BY 1 ORDER BY 2 desc, 1", 1),
        (QStringList{"2", "1", "1", "1"}));
    // A record set ordered by position still deletes the record it stands on.
    dao::Recordset rs = db.OpenRecordset("SELECT name FROM zutaten ORDER BY 1 DESC");
    ASSERT_EQ(rs.Fields(0).ToText(), QStringLiteral("Dattel"));
    rs.Delete();
    EXPECT_EQ(Column(db, "SELECT name FROM zutaten"), (QStringList{"Apfel", "Birne", "Chili"}));
}

// Names built at random from letters whose upper case is longer, plain ASCII or shared with
// another letter (ß and ẞ as SS, ſ as S, ı as I, the ligatures, ü and Ü): the look-up by name finds
// exactly the records that reading every name finds, whether the names that upper-case alike
// are few (looked up one by one) or many (the special names read in their index).
TEST_F(Statements, LookUpByNameFindsWhatReadingEveryNameFinds) {
    t.MakeEmpty();
    const QStringList letters = {"s", "S", "ſ", "ß", "ẞ", "t", "ﬆ", "ﬅ", "i", "I", "ı",
                                 "f", "ﬀ", "ﬁ", "ﬃ", "l", "ü", "Ü", "ΐ", "ϊ", "ʼ"};
    std::mt19937 zufall(20261207);
    QStringList namen;
    for (int i = 0; i < 400; ++i) {
        QString name;
        for (int n = 1 + static_cast<int>(zufall() % 6); n > 0; --n)
            name += letters.at(static_cast<qsizetype>(zufall() % letters.size()));
        namen << name;
        records::Insert(db, "deko", {{"name", name}});
    }
    for (const QString& name : namen) {
        const QString wert = dao::Quoted(dao::UCase(name));
        const QStringList gesucht = Column(db, "SELECT nr FROM deko WHERE ucase(name) = " + wert);
        ASSERT_EQ(gesucht, Column(db, "SELECT nr FROM deko WHERE " + wert + " = ucase(name)"))
            << name.toStdString();
        ASSERT_TRUE(gesucht.size() >= 1);
    }
}
