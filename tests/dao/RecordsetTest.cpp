// Cursor rules, adding and deleting records, and the failures each raises.

#include "Records.h"
#include "RoheDatei.h"
#include "TempDatabase.h"

#include <gtest/gtest.h>

using dao::Recordset;
using records::ErrorOf;
using RecordsetTest = StoreTest;

TEST_F(RecordsetTest, CursorRulesOnEmptyAndFilledSets) {

    Recordset empty = db.OpenRecordset(QStringLiteral("SELECT * FROM cocktails WHERE nr = -5"));
    EXPECT_TRUE(empty.Eof());
    EXPECT_TRUE(empty.Bof());
    EXPECT_EQ(ErrorOf([&] { empty.MoveFirst(); }), 3021);
    EXPECT_EQ(ErrorOf([&] { empty.MoveNext(); }), 3021);
    EXPECT_EQ(ErrorOf([&] { empty.MovePrevious(); }), 3021);
    EXPECT_EQ(ErrorOf([&] { empty.Fields(0).Get(); }), 3021);

    Recordset three =
        db.OpenRecordset(QStringLiteral("SELECT nr FROM cocktails WHERE nr <= 3 ORDER BY nr"));
    ASSERT_EQ(three.RecordCount(), 3);
    EXPECT_EQ(three.Fields(0).ToInt(), 1); // positioned on the first row when opened
    three.MoveNext();
    three.MoveNext();
    EXPECT_EQ(three.Fields(0).ToInt(), 3);
    three.MoveNext();
    EXPECT_TRUE(three.Eof());
    EXPECT_EQ(ErrorOf([&] { three.Fields(0).Get(); }), 3021);
    EXPECT_EQ(ErrorOf([&] { three.MoveNext(); }), 3021);
    three.MovePrevious(); // from past-the-end back to the last row
    EXPECT_FALSE(three.Eof());
    EXPECT_EQ(three.Fields(0).ToInt(), 3);
    three.MoveFirst();
    three.MovePrevious();
    EXPECT_TRUE(three.Bof());
    EXPECT_EQ(ErrorOf([&] { three.MovePrevious(); }), 3021);

    EXPECT_EQ(ErrorOf([&] { three.Fields(QStringLiteral("nix")); }), 3265);
    EXPECT_EQ(ErrorOf([&] { three.Fields(1); }), 3265);
    three.Close();
    EXPECT_NE(ErrorOf([&] { three.MoveFirst(); }), 0);
}

TEST_F(RecordsetTest, AddNewGivesTheCounterBeforeUpdate) {
    Recordset last = db.OpenRecordset(QStringLiteral("SELECT nr FROM cocktails ORDER BY nr desc"));
    const int highest = last.Fields(0).ToInt();

    Recordset rs =
        db.OpenRecordset(QStringLiteral("SELECT * FROM cocktails WHERE ucase(name) = \"NEU\" "));
    EXPECT_EQ(ErrorOf([&] { rs.Update(); }), 3020);
    EXPECT_EQ(ErrorOf([&] { rs.Fields(1) = QStringLiteral("x"); }), 3020);
    rs.AddNew();
    const int nr = rs.Fields(QStringLiteral("nr")).ToInt();
    EXPECT_EQ(nr, highest + 1);
    rs.Fields(1) = QStringLiteral("Neu");
    rs.Fields(2) = QStringLiteral("Beschreibung");
    rs.Update();
    rs.Close();

    Recordset back = db.OpenRecordset(QStringLiteral("SELECT * FROM cocktails WHERE nr = ") +
                                      QString::number(nr));
    ASSERT_FALSE(back.Eof());
    EXPECT_EQ(back.Fields(1).ToText(), QStringLiteral("Neu"));
    EXPECT_TRUE(back.Fields(3).IsNull()); // not written: Null

    // A deleted newest record does not give its number out again.
    back.Delete();
    Recordset again = db.OpenRecordset(QStringLiteral("SELECT * FROM cocktails"));
    again.AddNew();
    EXPECT_EQ(again.Fields(0).ToInt(), nr + 1);
    again.CancelUpdate();

    // Join and grouping record sets are read-only.
    Recordset join = db.OpenRecordset(
        QStringLiteral("SELECT * FROM zutaten a INNER JOIN zutatenliste b ON a.nr = b.zutat"));
    EXPECT_EQ(ErrorOf([&] { join.AddNew(); }), 3027);
    EXPECT_EQ(ErrorOf([&] { join.Delete(); }), 3027);
}

TEST_F(RecordsetTest, DuplicateStockPairIsRefusedAndOneRowStays) {
    const QString stock =
        QStringLiteral("SELECT * FROM zutatensetupvorrat WHERE setup = 1 AND zutat = 2");
    const int before = t.Count(stock);
    for (int attempt = 0; attempt < 2; ++attempt)
        EXPECT_EQ(ErrorOf([&] {
                      records::Insert(db, "zutatensetupvorrat", {{"setup", 1}, {"zutat", 2}});
                  }),
                  (attempt == 0 && before == 0) ? 0 : 3022)
            << "attempt " << attempt;
    EXPECT_EQ(t.Count(stock), 1);
}

TEST_F(RecordsetTest, DeleteRemovesTheCurrentRowWhichThenReadsAsDeleted) {
    Recordset setups = db.OpenRecordset(QStringLiteral("SELECT nr FROM zutatensetup ORDER BY nr"));
    const int setup = setups.Fields(0).ToInt();
    const QString sql =
        QStringLiteral("SELECT * FROM zutatensetupvorrat WHERE setup = ") + QString::number(setup);
    const int before = t.Count(sql);
    ASSERT_GE(before, 3);

    Recordset rs = db.OpenRecordset(sql);
    rs.MoveNext(); // the second row
    const int zutat = rs.Fields(1).ToInt();
    rs.Delete();
    EXPECT_FALSE(rs.Eof());
    EXPECT_EQ(ErrorOf([&] { rs.Fields(1).Get(); }), 3167);
    EXPECT_EQ(ErrorOf([&] { rs.Delete(); }), 3167);
    rs.MoveNext(); // moves on to the next row that is not deleted
    EXPECT_NE(rs.Fields(1).ToInt(), zutat);
    rs.MovePrevious(); // skips the deleted row
    rs.MoveNext();
    EXPECT_NE(rs.Fields(1).ToInt(), zutat);
    rs.Close();

    EXPECT_EQ(t.Count(sql), before - 1);
    EXPECT_EQ(t.Count(sql + QStringLiteral(" AND zutat = ") + QString::number(zutat)), 0);
}

TEST_F(RecordsetTest, YesNoFieldsStoreAnyNonZeroAsTrue) {
    const int nr =
        records::Insert(db, "zutaten", {{"name", "Testsaft"}, {"alkohol", 0}, {"getränk", 1}});
    records::Insert(db, "zutaten", {{"name", "Testsirup"}, {"getränk", -1}});
    Recordset back = db.OpenRecordset(
        QStringLiteral("SELECT alkohol, getränk FROM zutaten WHERE nr = ") + QString::number(nr));
    EXPECT_EQ(back.Fields(0).Get(), dao::Value(false));
    EXPECT_EQ(back.Fields(1).Get(), dao::Value(true));
    Recordset sirup = db.OpenRecordset(QStringLiteral(
        "SELECT alkohol FROM zutaten WHERE getränk = true AND ucase(name) = \"TESTSIRUP\""));
    ASSERT_FALSE(sirup.Eof());
    EXPECT_TRUE(sirup.Fields(0).IsNull()); // never written: Null, neither true nor false
}

TEST_F(RecordsetTest, StatementsAreFailuresWithTheirNumbers) {
    EXPECT_EQ(ErrorOf([&] { db.OpenRecordset(QStringLiteral("SELECT * FROM zutatn")); }), 3078);
    EXPECT_EQ(ErrorOf([&] { db.OpenRecordset(QStringLiteral("SELECT nam FROM zutaten")); }), 3265);
    EXPECT_EQ(ErrorOf([&] { db.OpenRecordset(QStringLiteral("SELECT * FROM zutaten WHERE")); }),
              3075);
    EXPECT_EQ(ErrorOf([&] {
                  db.OpenRecordset(QStringLiteral("SELECT * FROM zutaten WHERE name = \"offen"));
              }),
              3075);
}

TEST_F(RecordsetTest, TransactionsRollBackUnlessCommitted) {
    const QString deko = QStringLiteral("SELECT * FROM deko");
    const int before = t.Count(deko);
    {
        dao::Transaction tx(db);
        records::Insert(db, "deko", {{"name", "Wunderkerze"}});
        EXPECT_EQ(t.Count(deko), before + 1);
    } // not committed
    EXPECT_EQ(t.Count(deko), before);
    EXPECT_EQ(db.TransactionDepth(), 0);
    {
        dao::Transaction tx(db);
        db.Execute(QStringLiteral("INSERT INTO deko (name) VALUES (\"Wunderkerze\")"));
        tx.Commit();
    }
    EXPECT_EQ(t.Count(deko), before + 1);
    // Within one, a rolled-back inner transaction takes back only its own writes.
    {
        dao::Transaction outer(db);
        records::Insert(db, "deko", {{"name", "Außen"}});
        {
            dao::Transaction inner(db);
            records::Insert(db, "deko", {{"name", "Innen"}});
            inner.Rollback();
        }
        outer.Commit();
    }
    EXPECT_EQ(t.Count(deko), before + 2);
    EXPECT_EQ(t.Count(QStringLiteral("SELECT * FROM deko WHERE name = \"Innen\"")), 0);
    // The write lock is taken when a transaction begins, before it writes: another program
    // cannot begin writing in between.
    dao::Transaction leer(db);
    EXPECT_EQ(RoheDatei(t.Path()).Exec("BEGIN IMMEDIATE"), SQLITE_BUSY);
}

TEST_F(RecordsetTest, RepeatedLookUpsReuseOnePreparedStatement) {
    int prepared = 0;
    int reused = 0;
    for (int nr = 1; nr <= 50; ++nr) {
        Recordset rs = db.OpenRecordset(QStringLiteral("SELECT getränk FROM zutaten WHERE nr = ") +
                                        QString::number(nr));
        EXPECT_EQ(rs.RecordCount(), 1) << nr;
        if (nr == 1) {
            prepared = db.PreparedStatementCount();
            reused = db.StatementReuseCount();
        }
    }
    EXPECT_EQ(db.PreparedStatementCount(), prepared); // the number is bound, not pasted
    EXPECT_EQ(db.StatementReuseCount(), reused + 49);
}
