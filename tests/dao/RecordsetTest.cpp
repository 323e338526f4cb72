// Cursor rules, adding and deleting records, transactions, and the failures each raises. The
// fuzz target checks the rest of the record-set rules on random operations: a deleted record
// neither reads nor deletes again (3167), a closed set fails with 3420, every move lands on a
// record that reads.

#include "Records.h"
#include "RoheDatei.h"
#include "TempDatabase.h"

#include <gtest/gtest.h>

using dao::Recordset;
using records::ErrorOf;
using RecordsetTest = StoreTest;

TEST_F(RecordsetTest, CursorRulesOnEmptyAndFilledSets) {
    Recordset empty = db.OpenRecordset("SELECT * FROM cocktails WHERE nr = -5");
    EXPECT_TRUE(empty.Eof() && empty.Bof());
    for (auto move : {&Recordset::MoveFirst, &Recordset::MoveNext, &Recordset::MovePrevious})
        EXPECT_EQ(ErrorOf([&] { (empty.*move)(); }), 3021);
    EXPECT_EQ(ErrorOf([&] { empty.Fields(0).Get(); }), 3021);

    Recordset three = db.OpenRecordset("SELECT nr FROM cocktails WHERE nr <= 3 ORDER BY nr");
    ASSERT_EQ(three.RecordCount(), 3);
    EXPECT_EQ(three.Fields(0).ToInt(), 1); // positioned on the first row when opened
    for (int i = 0; i < 3; ++i)
        three.MoveNext();
    EXPECT_TRUE(three.Eof());
    EXPECT_EQ(ErrorOf([&] { three.Fields(0).Get(); }), 3021);
    EXPECT_EQ(ErrorOf([&] { three.MoveNext(); }), 3021);
    three.MovePrevious(); // from past-the-end back to the last row
    EXPECT_EQ(three.Fields(0).ToInt(), 3);
    three.MoveFirst();
    three.MovePrevious();
    EXPECT_TRUE(three.Bof());
    EXPECT_EQ(ErrorOf([&] { three.MovePrevious(); }), 3021);
    EXPECT_EQ(ErrorOf([&] { three.Fields("nix"); }), 3265);
    EXPECT_EQ(ErrorOf([&] { three.Fields(1); }), 3265);
}

TEST_F(RecordsetTest, AddNewGivesTheCounterBeforeUpdate) {
    const int highest = records::Column(db, "SELECT nr FROM cocktails ORDER BY nr desc")[0].toInt();
    Recordset rs = db.OpenRecordset("SELECT * FROM cocktails WHERE ucase(name) = \"NEU\" ");
    EXPECT_EQ(ErrorOf([&] { rs.Update(); }), 3020);
    EXPECT_EQ(ErrorOf([&] { rs.Fields(1) = QStringLiteral("x"); }), 3020);
    rs.AddNew();
    const int nr = rs.Fields("nr").ToInt();
    EXPECT_EQ(nr, highest + 1);
    rs.Fields(1) = QStringLiteral("Neu");
    rs.Update();

    Recordset back = db.OpenRecordset("SELECT * FROM cocktails WHERE nr = " + QString::number(nr));
    EXPECT_EQ(back.Fields(1).ToText(), QStringLiteral("Neu"));
    EXPECT_TRUE(back.Fields(3).IsNull()); // not written: Null
    // A deleted newest record does not give its number out again.
    back.Delete();
    rs.AddNew();
    EXPECT_EQ(rs.Fields(0).ToInt(), nr + 1);
    rs.CancelUpdate();

    // Join record sets are read-only.
    Recordset join =
        db.OpenRecordset("SELECT * FROM zutaten a INNER JOIN zutatenliste b ON a.nr = b.zutat");
    EXPECT_EQ(ErrorOf([&] { join.AddNew(); }), 3027);
    EXPECT_EQ(ErrorOf([&] { join.Delete(); }), 3027);
    // A stock pair is kept once.
    EXPECT_EQ(ErrorOf([&] { records::Zutatensetup(db, "Doppelt", {2, 2}); }), 3022);
    EXPECT_EQ(t.Count("SELECT * FROM zutatensetupvorrat WHERE setup = (SELECT max(nr) FROM "
                      "zutatensetup)"),
              1);
}

TEST_F(RecordsetTest, DeleteRemovesTheCurrentRowAndMovesSkipIt) {
    const QString sql = QStringLiteral("SELECT * FROM zutatensetupvorrat WHERE setup = 1");
    const int before = t.Count(sql);
    ASSERT_GE(before, 3);
    Recordset rs = db.OpenRecordset(sql);
    rs.MoveNext(); // the second row
    const int zutat = rs.Fields(1).ToInt();
    rs.Delete();
    EXPECT_FALSE(rs.Eof());
    rs.MoveNext(); // moves on to the next row that is not deleted
    EXPECT_NE(rs.Fields(1).ToInt(), zutat);
    rs.MovePrevious(); // skips the deleted row
    rs.MoveNext();
    EXPECT_NE(rs.Fields(1).ToInt(), zutat);
    EXPECT_EQ(t.Count(sql), before - 1);
    EXPECT_EQ(t.Count(sql + QStringLiteral(" AND zutat = %1").arg(zutat)), 0);
}

TEST_F(RecordsetTest, YesNoFieldsStoreAnyNonZeroAsTrue) {
    records::Insert(db, "zutaten", {{"name", "Testsaft"}, {"alkohol", 0}, {"getränk", -1}});
    records::Insert(db, "zutaten", {{"name", "Testsirup"}, {"getränk", 5}});
    Recordset back = db.OpenRecordset(
        "SELECT alkohol, getränk FROM zutaten WHERE getränk = true AND name LIKE \"Test%\"");
    ASSERT_EQ(back.RecordCount(), 2);
    EXPECT_EQ(back.Fields(0).Get(), dao::Value(false));
    EXPECT_EQ(back.Fields(1).Get(), dao::Value(true));
    back.MoveNext();
    EXPECT_TRUE(back.Fields(0).IsNull()); // never written: Null, neither true nor false
}

TEST_F(RecordsetTest, TransactionsRollBackUnlessCommitted) {
    {
        dao::Transaction tx(db);
        records::Insert(db, "deko", {{"name", "Wunderkerze"}});
    } // not committed
    EXPECT_EQ(db.TransactionDepth(), 0);
    // A rolled-back inner transaction takes back only its own writes.
    {
        dao::Transaction outer(db);
        records::Insert(db, "deko", {{"name", "Außen"}});
        dao::Transaction inner(db);
        records::Insert(db, "deko", {{"name", "Innen"}});
        inner.Rollback();
        outer.Commit();
    }
    EXPECT_EQ(records::Column(db, "SELECT name FROM deko WHERE name IN (\"Wunderkerze\", "
                                  "\"Außen\", \"Innen\")"),
              QStringList{"Außen"});
    // The write lock is taken when a transaction begins, before it writes: another program
    // cannot begin writing in between.
    dao::Transaction leer(db);
    EXPECT_EQ(RoheDatei(t.Path()).Exec("BEGIN IMMEDIATE"), SQLITE_BUSY);
}

TEST_F(RecordsetTest, RepeatedLookUpsReuseOnePreparedStatement) {
    const auto open = [&](int nr) {
        return db.OpenRecordset(
            QStringLiteral("SELECT getränk FROM zutaten WHERE nr = %1").arg(nr));
    };
    EXPECT_EQ(open(1).RecordCount(), 1);
    const int prepared = db.PreparedStatementCount();
    const int reused = db.StatementReuseCount();
    for (int nr = 2; nr <= 50; ++nr)
        EXPECT_EQ(open(nr).RecordCount(), 1) << nr;
    EXPECT_EQ(db.PreparedStatementCount(), prepared); // the number is bound, not pasted
    EXPECT_EQ(db.StatementReuseCount(), reused + 49);
}
