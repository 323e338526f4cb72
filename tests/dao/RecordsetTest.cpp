// Cursor rules, adding records, yes/no fields and transactions. The fuzz target checks the rest
// of the record-set rules on random operations: a deleted record neither reads nor deletes
// again (3167) and moves skip it, a closed set fails with 3420, every move lands on a record
// that reads, a number given by AddNew is the stored record's.

#include "Records.h"
#include "RoheDatei.h"
#include "TempDatabase.h"

#include <gtest/gtest.h>

using records::ErrorOf;
using RecordsetTest = StoreTest;

TEST_F(RecordsetTest, MovesBeyondEitherEndFailWith3021AndComeBack) {
    dao::Recordset rs = db.OpenRecordset("SELECT nr FROM cocktails WHERE nr <= 3 ORDER BY nr");
    rs.MoveLast();
    rs.MoveNext();
    EXPECT_EQ(ErrorOf([&] { rs.Fields(0).Get(); }), 3021);
    EXPECT_EQ(ErrorOf([&] { rs.MoveNext(); }), 3021);
    rs.MovePrevious(); // from past the end back to the last record
    EXPECT_EQ(rs.Fields(0).ToInt(), 3);
    rs.MoveFirst();
    rs.MovePrevious();
    EXPECT_EQ(ErrorOf([&] { rs.MovePrevious(); }), 3021);
    EXPECT_EQ(ErrorOf([&] { rs.Fields("nix"); }), 3265);
}

TEST_F(RecordsetTest, AddNewNumbersYesNoFieldsReadOnlyJoinsAndDuplicateKeys) {
    dao::Recordset rs = db.OpenRecordset("SELECT * FROM zutaten WHERE ucase(name) = \"NEU\" ");
    EXPECT_EQ(ErrorOf([&] { rs.Update(); }), 3020);
    rs.AddNew();
    const int nr = rs.Fields("nr").ToInt();
    rs.Fields("name") = QStringLiteral("Neu");
    rs.Fields("getränk") = 5; // any number but 0 is yes
    rs.Update();
    records::Insert(db, "zutaten", {{"name", "Neu"}, {"alkohol", 0}, {"getränk", -1}});
    dao::Recordset back =
        db.OpenRecordset("SELECT nr, alkohol, getränk FROM zutaten WHERE getränk = true AND "
                         "ucase(name) = \"NEU\"");
    ASSERT_EQ(back.RecordCount(), 2);
    EXPECT_TRUE(back.Fields(1).IsNull()); // not written: Null
    EXPECT_EQ(back.Fields(2).Get(), dao::Value(true));
    back.MoveNext();
    EXPECT_EQ(back.Fields(1).Get(), dao::Value(false));
    // A deleted newest record does not give its number out again.
    back.Delete();
    rs.AddNew();
    EXPECT_EQ(rs.Fields(0).ToInt(), nr + 2);

    dao::Recordset join =
        db.OpenRecordset("SELECT * FROM zutaten a INNER JOIN zutatenliste b ON a.nr = b.zutat");
    EXPECT_EQ(ErrorOf([&] { join.AddNew(); }), 3027);
    // A stock pair is kept once.
    EXPECT_EQ(ErrorOf([&] { records::Zutatensetup(db, "Doppelt", {2, 2}); }), 3022);
}

TEST_F(RecordsetTest, TransactionsTakeTheLockAtOnceAndRollBackOnlyTheirOwnWrites) {
    {
        dao::Transaction outer(db);
        records::Insert(db, "deko", {{"name", "Außen"}});
        dao::Transaction inner(db);
        records::Insert(db, "deko", {{"name", "Innen"}});
        inner.Rollback();
        outer.Commit();
        dao::Transaction notCommitted(db);
        // The write lock is taken when a transaction begins, before it writes: another
        // program cannot begin writing in between.
        EXPECT_EQ(RoheDatei(t.Path()).Exec("BEGIN IMMEDIATE"), SQLITE_BUSY);
        records::Insert(db, "deko", {{"name", "Wunderkerze"}});
    }
    EXPECT_EQ(records::Column(db, "SELECT name FROM deko WHERE name IN (\"Wunderkerze\", "
                                  "\"Außen\", \"Innen\")"),
              QStringList{"Außen"});
}
