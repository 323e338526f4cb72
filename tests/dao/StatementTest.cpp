// The statements the windows send, on the starter catalogue: they run, and
// their fields sit at the positions the windows read.

#include "TempDatabase.h"
#include "dao/Text.h"

#include <gtest/gtest.h>

using dao::Recordset;

namespace {

QStringList Column(dao::Database& db, const QString& sql, int field = 0) {
    QStringList out;
    Recordset rs = db.OpenRecordset(sql);
    if (!rs.Eof()) rs.MoveFirst();
    while (!rs.Eof()) {
        out << rs.Fields(field).ToText();
        rs.MoveNext();
    }
    rs.Close();
    return out;
}

int NumberOf(dao::Database& db, const QString& table, const QString& name) {
    Recordset rs = db.OpenRecordset(QStringLiteral("SELECT nr FROM ") + table +
                                    QStringLiteral(" WHERE ucase(name) = ") +
                                    dao::Quoted(dao::UCase(name)) + QStringLiteral(" "));
    EXPECT_FALSE(rs.Eof()) << name.toStdString();
    return rs.Eof() ? 0 : rs.Fields(0).ToInt();
}

} // namespace

TEST(Statements, RecipeSheetJoinsGiveFieldsAtTheirPositions) {
    TempDatabase t;
    auto& db = t.Db();
    Recordset cocktail =
        db.OpenRecordset(QStringLiteral("SELECT * FROM cocktails WHERE ucase(name) = \"MOJITO\" "));
    ASSERT_FALSE(cocktail.Eof());
    cocktail.MoveFirst();
    ASSERT_EQ(cocktail.FieldCount(), 7);
    EXPECT_EQ(cocktail.Fields(1).ToText(), QStringLiteral("Mojito"));
    EXPECT_FALSE(cocktail.Fields(3).ToText().isEmpty()); // zubereitung
    const int nr = cocktail.Fields(0).ToInt();
    ASSERT_GT(nr, 0);
    EXPECT_EQ(cocktail.Fields(QStringLiteral("NR")).ToInt(), nr); // names in any case
    cocktail.Close();

    Recordset lines = db.OpenRecordset(
        QStringLiteral("SELECT * FROM zutaten a INNER JOIN zutatenliste b ON a.nr = b.zutat ") +
        QStringLiteral("WHERE b.cocktail = ") + QString::number(nr));
    ASSERT_FALSE(lines.Eof());
    lines.MoveFirst();
    ASSERT_EQ(lines.FieldCount(), 12);
    int count = 0;
    while (!lines.Eof()) {
        EXPECT_EQ(lines.Fields(5).ToInt(), nr);                      // zutatenliste.cocktail
        EXPECT_EQ(lines.Fields(6).ToInt(), lines.Fields(0).ToInt()); // zutat = zutaten.nr
        EXPECT_TRUE(lines.Fields(7).Get().IsText());                 // menge
        EXPECT_TRUE(lines.Fields(8).Get().IsInt());                  // variation
        EXPECT_TRUE(lines.Fields(10).Get().IsBool());                // pflicht
        EXPECT_FALSE(lines.Fields(1).ToText().isEmpty());            // ingredient name
        ++count;
        lines.MoveNext();
    }
    EXPECT_GE(count, 2);

    Recordset deko = db.OpenRecordset(
        QStringLiteral("SELECT * FROM deko a INNER JOIN dekoliste b ON a.nr = b.deko ") +
        QStringLiteral("WHERE b.cocktail = ") + QString::number(nr));
    ASSERT_FALSE(deko.Eof());
    ASSERT_EQ(deko.FieldCount(), 6);
    EXPECT_EQ(deko.Fields(3).ToInt(), nr);
    EXPECT_TRUE(deko.Fields(5).Get().IsText() || deko.Fields(5).IsNull());
}

TEST(Statements, ListsAndLookUpsOfTheWindows) {
    TempDatabase t;
    auto& db = t.Db();

    const QStringList cocktails =
        Column(db, QStringLiteral("SELECT name FROM cocktails ORDER BY name"));
    ASSERT_GE(cocktails.size(), 40);
    for (int i = 1; i < cocktails.size(); ++i)
        EXPECT_LT(dao::CompareGerman(cocktails[i - 1], cocktails[i]), 0)
            << cocktails[i - 1].toStdString() << " / " << cocktails[i].toStdString();

    const QStringList groups =
        Column(db, QStringLiteral("SELECT name FROM cocktailgruppen ORDER BY nr"));
    EXPECT_GE(groups.size(), 3);
    EXPECT_GE(Column(db, QStringLiteral("SELECT name FROM zutaten ORDER BY name")).size(), 40);
    EXPECT_GE(Column(db, QStringLiteral("SELECT name FROM deko ORDER BY name")).size(), 5);
    const QStringList setups =
        Column(db, QStringLiteral("SELECT name FROM zutatensetup ORDER BY name"));
    ASSERT_GE(setups.size(), 2);

    // The setup look-ups, exact and through the mixed-case table name.
    Recordset setup =
        db.OpenRecordset(QStringLiteral("SELECT nr, name FROM zutatensetup WHERE name = ") +
                         dao::Quoted(setups[0]) + QStringLiteral(" "));
    ASSERT_FALSE(setup.Eof());
    const int setupNr = setup.Fields(0).ToInt();
    Recordset mixed = db.OpenRecordset(QStringLiteral("SELECT * FROM ZutatenSetup WHERE name = ") +
                                       dao::Quoted(setups[0]));
    ASSERT_FALSE(mixed.Eof());
    EXPECT_EQ(mixed.Fields(QStringLiteral("Nr")).ToInt(), setupNr);

    const QStringList stock = Column(
        db, QStringLiteral(
                "SELECT b.name FROM zutatensetupvorrat a INNER JOIN zutaten b ON a.zutat = b.nr ") +
                QStringLiteral("WHERE a.setup = ") + QString::number(setupNr) +
                QStringLiteral(" ORDER BY b.name "));
    ASSERT_FALSE(stock.isEmpty());
    const int zutat = NumberOf(db, QStringLiteral("zutaten"), stock[0]);

    // The stock test of the mixable-cocktail search, with bracketed names.
    Recordset inStock = db.OpenRecordset(
        QStringLiteral("SELECT b.nr as [nr], b.name as [name] FROM zutatensetupvorrat a INNER JOIN "
                       "zutaten b ON a.zutat = b.nr WHERE a.setup = ") +
        QString::number(setupNr) + QStringLiteral(" AND b.nr = ") + QString::number(zutat));
    ASSERT_FALSE(inStock.Eof());
    EXPECT_EQ(inStock.Fields(QStringLiteral("name")).ToText(), stock[0]);
    EXPECT_EQ(inStock.Fields(QStringLiteral("NR")).ToInt(), zutat);

    Recordset drink = db.OpenRecordset(QStringLiteral("SELECT getränk FROM zutaten WHERE nr = ") +
                                       QString::number(zutat));
    ASSERT_FALSE(drink.Eof());
    EXPECT_TRUE(drink.Fields(0).Get().IsBool() || drink.Fields(0).IsNull());

    // The whole join of the search: every line of every cocktail.
    Recordset join =
        db.OpenRecordset(QStringLiteral("SELECT c.nr, c.name, d.zutat FROM cocktails c INNER JOIN "
                                        "zutatenliste d ON c.nr = d.cocktail "));
    EXPECT_EQ(join.RecordCount(), t.Count(QStringLiteral("SELECT * FROM zutatenliste")));
    EXPECT_EQ(join.FieldCount(), 3);

    // The ideal ingredient: counts per name, most used first.
    Recordset ideal = db.OpenRecordset(QStringLiteral(
        "SELECT count(b.name), b.name FROM zutatenliste a INNER JOIN zutaten b ON a.zutat = b.nr "
        "GROUP BY b.name ORDER BY count(b.name) desc "));
    ASSERT_FALSE(ideal.Eof());
    int previous = ideal.Fields(0).ToInt();
    int total = 0;
    while (!ideal.Eof()) {
        EXPECT_LE(ideal.Fields(0).ToInt(), previous);
        previous = ideal.Fields(0).ToInt();
        total += previous;
        ideal.MoveNext();
    }
    EXPECT_EQ(total, join.RecordCount());
    ideal.MovePrevious(); // back from past-the-end to the last row
    EXPECT_EQ(ideal.Fields(0).ToInt(), previous);

    // The look-ups of storing a cocktail.
    Recordset group =
        db.OpenRecordset(QStringLiteral("SELECT nr FROM cocktailgruppen WHERE Ucase(name) = ") +
                         dao::Quoted(dao::UCase(groups[0])) + QStringLiteral(" "));
    EXPECT_FALSE(group.Eof());
    // The catalogue dialog's duplicate check, on each of its four tables.
    for (const QString& head :
         {QStringLiteral("SELECT * FROM cocktailgruppen "),
          QStringLiteral("SELECT * FROM zutaten "), QStringLiteral("SELECT * FROM deko "),
          QStringLiteral("SELECT * FROM zutatensetup ")}) {
        Recordset rs =
            db.OpenRecordset(head + QStringLiteral("WHERE ucase(name) = \"NEUER EINTRAG\" "));
        EXPECT_TRUE(rs.Eof()) << head.toStdString();
        EXPECT_EQ(rs.FieldCount(), head.contains(QLatin1String("zutaten ")) ? 5 : 3);
    }
    Recordset deko = db.OpenRecordset(
        QStringLiteral("SELECT * FROM deko WHERE Ucase(name) = \"") +
        dao::UCase(Column(db, QStringLiteral("SELECT name FROM deko ORDER BY name"))[0]) +
        QStringLiteral("\" "));
    EXPECT_FALSE(deko.Eof());
    for (const QString& table :
         {QStringLiteral("gruppenzugehörigkeit WHERE gruppe = 1 AND cocktail = 1"),
          QStringLiteral("zutatenliste WHERE cocktail = 1 AND zutat = 1"),
          QStringLiteral("dekoliste WHERE cocktail = 1 AND deko = 1"),
          QStringLiteral("zutatensetupvorrat WHERE setup = 1 AND zutat = 1")})
        EXPECT_NO_THROW(db.OpenRecordset(QStringLiteral("SELECT * FROM ") + table))
            << table.toStdString();
}

TEST(Statements, LiteralsStayLiteralsAndNamesIgnoreCase) {
    TempDatabase t;
    auto& db = t.Db();
    // A double-quoted token that spells a column is still text.
    EXPECT_EQ(t.Count(QStringLiteral("SELECT * FROM zutaten WHERE ucase(name) = \"NAME\" ")), 0);
    EXPECT_EQ(t.Count(QStringLiteral("SELECT * FROM zutaten WHERE name = \"nr\"")), 0);
    Recordset literal = db.OpenRecordset(QStringLiteral("SELECT \"NR\", \"x\"\"y\" FROM zutaten"));
    ASSERT_FALSE(literal.Eof());
    EXPECT_EQ(literal.Fields(0).ToText(), QStringLiteral("NR"));
    EXPECT_EQ(literal.Fields(1).ToText(), QStringLiteral("x\"y"));

    // A name with a double quote is stored and found through the quoting helper.
    const QString odd = QStringLiteral("Dr. \"Doc\" Sour");
    Recordset add =
        db.OpenRecordset(QStringLiteral("SELECT * FROM cocktails WHERE ucase(name) = ") +
                         dao::Quoted(dao::UCase(odd)) + QStringLiteral(" "));
    EXPECT_TRUE(add.Eof());
    add.AddNew();
    add.Fields(1) = odd;
    add.Update();
    Recordset found =
        db.OpenRecordset(QStringLiteral("SELECT name FROM cocktails WHERE ucase(name) = ") +
                         dao::Quoted(dao::UCase(odd)));
    ASSERT_FALSE(found.Eof());
    EXPECT_EQ(found.Fields(0).ToText(), odd);

    // Umlauts: upper-cased by the program, matched through ucase/Ucase.
    Recordset umlaut =
        db.OpenRecordset(QStringLiteral("SELECT * FROM zutaten WHERE ucase(name) = ") +
                         dao::Quoted(dao::UCase(QStringLiteral("orangenlikör"))));
    ASSERT_FALSE(umlaut.Eof());
    EXPECT_EQ(umlaut.Fields(1).ToText(), QStringLiteral("Orangenlikör"));
    EXPECT_EQ(dao::UCase(QStringLiteral("weißer rum")), QStringLiteral("WEISSER RUM"));
    EXPECT_EQ(t.Count(QStringLiteral("SELECT * FROM zutaten WHERE Ucase(name) = \"WEISSER RUM\"")),
              1);

    // Table and field names in any case, umlaut names unquoted.
    EXPECT_EQ(t.Count(QStringLiteral("SELECT * FROM GRUPPENZUGEHÖRIGKEIT")),
              t.Count(QStringLiteral("SELECT * FROM gruppenzugehörigkeit")));
    EXPECT_GT(t.Count(QStringLiteral("SELECT NAME, Getränk FROM ZUTATEN WHERE GETRÄNK = true")), 0);
}

TEST(Statements, TextSortsInGermanDictionaryOrder) {
    TempDatabase t;
    auto& db = t.Db();
    t.MakeEmpty();
    // Descriptions, since names that differ only in case may not both exist.
    int n = 0;
    for (const char* text : {"zitrone", "Äpfel", "Apfel", "Orange", "ölig", "Ob", "apfel", "Ähre",
                             "Straße", "Strasse", "Strauch", "Ürzig", "Uhu"}) {
        Recordset rs = db.OpenRecordset(QStringLiteral("SELECT * FROM deko"));
        rs.AddNew();
        rs.Fields(QStringLiteral("name")) = QStringLiteral("Deko %1").arg(++n);
        rs.Fields(QStringLiteral("beschreibung")) = QString::fromUtf8(text);
        rs.Update();
    }
    const QStringList sorted =
        Column(db, QStringLiteral("SELECT beschreibung FROM deko ORDER BY beschreibung"));
    const QStringList expected = {"Ähre", "Apfel",  "apfel",   "Äpfel",  "Ob",
                                  "ölig", "Orange", "Strasse", "Straße", "Strauch",
                                  "Uhu",  "Ürzig",  "zitrone"};
    EXPECT_EQ(sorted, expected);
}

TEST(Statements, StatementsOfOneShapeKeepTheirOwnValues) {
    TempDatabase t;
    auto& db = t.Db();
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
        Recordset byNumber = db.OpenRecordset(
            QStringLiteral("SELECT name FROM cocktails WHERE nr = ") + QString::number(nr));
        EXPECT_EQ(byNumber.Fields(0).ToText(), name);
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

TEST(Statements, RecordsComeInStoredOrderAndPositionsKeepTheirMeaning) {
    TempDatabase t;
    auto& db = t.Db();
    t.MakeEmpty();
    // Lines stored against the order of their ingredient numbers, which the
    // engine's indexes would otherwise yield.
    QList<int> nr;
    for (const char* name : {"Dattel", "Birne", "Chili", "Apfel"}) {
        db.Execute(QStringLiteral("INSERT INTO zutaten (name) VALUES (\"%1\")").arg(name));
        nr << NumberOf(db, QStringLiteral("zutaten"), QString::fromUtf8(name));
    }
    for (int zutat : {4, 2, 3, 1})
        db.Execute(
            QStringLiteral("INSERT INTO zutatenliste (cocktail, zutat, menge) VALUES (7, %1, "
                           "\"%2 cl\")")
                .arg(nr[zutat - 1])
                .arg(zutat));
    db.Execute(
        QStringLiteral("INSERT INTO zutatenliste (cocktail, zutat, menge) VALUES (8, %1, \"x\")")
            .arg(nr[0]));
    const QStringList stored = {"4 cl", "2 cl", "3 cl", "1 cl"};
    EXPECT_EQ(Column(db, QStringLiteral("SELECT * FROM zutatenliste WHERE cocktail = 7"), 2),
              stored);
    EXPECT_EQ(Column(db, QStringLiteral("SELECT menge FROM zutatenliste WHERE cocktail = 7 "
                                        "AND zutat > 0")),
              stored);
    EXPECT_EQ(Column(db,
                     QStringLiteral("SELECT * FROM zutaten a INNER JOIN zutatenliste b ON "
                                    "a.nr = b.zutat WHERE b.cocktail = 7"),
                     7),
              stored);
    EXPECT_EQ(
        Column(db, QStringLiteral("SELECT b.menge FROM zutaten a INNER JOIN zutatenliste b ON "
                                  "a.nr = b.zutat WHERE b.cocktail = 7;")),
        stored);
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
