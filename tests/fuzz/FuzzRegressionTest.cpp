// The fuzz target's entry function in the normal test suite: every kept input
// (tests/fuzz/regressions, one per fault the fuzzer found, and the seed corpus)
// runs through it, so a fault once fixed stays fixed. A broken check of the target
// aborts the test binary with its message on stderr. Beside them, each fault found
// stated directly against the store.

#include "dao/Dao.h"
#include "dao/Dialect.h"
#include "dao/Schema.h"
#include "dao/Text.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <thread>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

// Runs every file of a folder of tests/fuzz through the entry function; returns how many.
int RunFolder(const char* folder) {
    const QDir dir(QStringLiteral(VELKOR_FUZZ_DIR "/") + QString::fromUtf8(folder));
    int count = 0;
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray input = file.readAll();
        SCOPED_TRACE(name.toStdString());
        std::fprintf(stderr, "%s/%s\n", folder, name.toUtf8().constData());
        EXPECT_EQ(LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.constData()),
                                         static_cast<std::size_t>(input.size())),
                  0);
        ++count;
    }
    return count;
}

TEST(FuzzInputs, EveryRegressionRunsClean) {
    EXPECT_GE(RunFolder("regressions"), 6);
}

TEST(FuzzInputs, EverySeedRunsClean) {
    EXPECT_GE(RunFolder("corpus"), 10);
}

// A new, empty database with a few records.
class FuzzFindings : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        m_db = dao::CreateWorkspace({}, {}, {})
                   ->CreateDatabase(m_dir.filePath(QStringLiteral("Funde.mdb")),
                                    QStringLiteral(";pwd=x"));
        m_db->ExecuteScript(dao::SchemaScript());
        m_db->ExecuteScript("INSERT INTO deko (name) VALUES ('Minze'), ('Zitrone');");
    }
    int Count(const QString& statement) { return m_db->OpenRecordset(statement).RecordCount(); }
    static int Number(const std::function<void()>& f) {
        try {
            f();
        } catch (const dao::Error& e) {
            return e.Number();
        }
        return 0;
    }

    QTemporaryDir m_dir;
    std::shared_ptr<dao::Database> m_db;
};

// Text that holds no statement for the engine once prepared no statement at all; the
// store then lent out nothing and crashed putting it back.
TEST_F(FuzzFindings, TextWithoutStatementIsASyntaxError) {
    for (const char* text : {"", "   ", "-- nur ein Kommentar", ";", "/* */"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(Number([&] { m_db->OpenRecordset(QString::fromUtf8(text)); }), dao::errSyntax);
        EXPECT_EQ(Number([&] { m_db->Execute(QString::fromUtf8(text)); }), dao::errSyntax);
    }
    EXPECT_EQ(Count(QStringLiteral("SELECT * FROM deko")), 2);
}

// The engine reads a statement only up to a NUL: the rest was dropped unseen, so a
// condition behind one was not applied.
TEST_F(FuzzFindings, NulOutsideALiteralIsASyntaxError) {
    const QString deleteAll =
        QStringLiteral("DELETE FROM deko") + QChar(0) + QStringLiteral(" WHERE nr = 999");
    EXPECT_EQ(Number([&] { m_db->Execute(deleteAll); }), dao::errSyntax);
    EXPECT_EQ(Count(QStringLiteral("SELECT * FROM deko")), 2);
    EXPECT_EQ(Number([&] { m_db->OpenRecordset(QChar(0) + QStringLiteral("SELECT 1")); }),
              dao::errSyntax);

    // Inside a literal it is a letter like any other.
    const QString name = QStringLiteral("a") + QChar(0) + QStringLiteral("b");
    m_db->Execute(QStringLiteral("INSERT INTO deko (name) VALUES (") + dao::Quoted(name) +
                  QStringLiteral(")"));
    dao::Recordset rs = m_db->OpenRecordset(QStringLiteral("SELECT name FROM deko WHERE nr = 3"));
    EXPECT_EQ(rs.Fields(0).ToText(), name);
}

// A lone half of a surrogate pair has no UTF-8 form and reached the engine as ?: a
// parameter mark the statement did not write, which took the value of a literal behind a
// ; that the engine never reads.
TEST_F(FuzzFindings, UnpairedSurrogateOutsideALiteralIsASyntaxError) {
    const QChar high(0xD83C);
    const QChar low(0xDF78);
    for (const QString& text :
         {QStringLiteral("SELECT nr FROM deko WHERE name = ") + high +
              QStringLiteral("; \"Minze\""),
          QStringLiteral("SELECT nr FROM deko WHERE name = ") + low,
          QStringLiteral("SELECT [nr") + high + QStringLiteral("] FROM deko"),
          QStringLiteral("SELECT nr FROM [deko") + QChar(0) + QStringLiteral("x]")}) {
        EXPECT_EQ(Number([&] { m_db->OpenRecordset(text); }), dao::errSyntax);
    }
    // A whole pair is a letter like any other, and a literal is bound as it is.
    EXPECT_EQ(Count(QStringLiteral("SELECT nr AS [Glas") + high + low +
                    QStringLiteral("] FROM deko WHERE name <> \"") + high + QStringLiteral("\"")),
              2);
}

// The name indexes cannot hold a name with a NUL for certain (the engine's glob stops
// there), so a look-up of a value with one reads every name.
TEST_F(FuzzFindings, LookUpFindsNameWithNul) {
    for (const QString& name : {QStringLiteral("A") + QChar(0) + QStringLiteral("ı"),
                                QChar(0) + QStringLiteral("ß"), QStringLiteral("ﬀ") + QChar(0)}) {
        dao::Recordset rs = m_db->OpenRecordset(QStringLiteral("SELECT * FROM deko WHERE nr = 0"));
        rs.AddNew();
        const int nr = rs.Fields(QStringLiteral("nr")).ToInt();
        rs.Fields(QStringLiteral("name")) = name;
        rs.Update();
        dao::Recordset found =
            m_db->OpenRecordset(QStringLiteral("SELECT nr FROM deko WHERE ucase(name) = ") +
                                dao::Quoted(dao::UCase(name)));
        ASSERT_EQ(found.RecordCount(), 1) << name.toStdString();
        EXPECT_EQ(found.Fields(0).ToInt(), nr);
    }
}

// A ? written in the statement had the shape of a literal: the translation kept for a
// look-up by name was taken for the same text with a ?, and read a literal it did not have.
TEST_F(FuzzFindings, QuestionMarkInTextIsNotALiteral) {
    const QString lookUp = QStringLiteral("SELECT * FROM deko WHERE ucase(name) = \"MINZE\"");
    const QString mark = QStringLiteral("SELECT * FROM deko WHERE ucase(name) = ?");
    // Both on one thread, in this order, as the program would translate them.
    std::thread([&] {
        EXPECT_EQ(dao::Translate(lookUp, false).params.size(), 19u);
        const dao::Translation t = dao::Translate(mark, false);
        EXPECT_TRUE(t.params.empty());
        EXPECT_EQ(t.sql.count('?'), 1);
        EXPECT_EQ(dao::Translate(QStringLiteral("SELECT * FROM deko WHERE name = \\?"), false)
                      .sql.count('?'),
                  1);
    }).join();
    EXPECT_EQ(Count(lookUp), 1);
    EXPECT_EQ(Number([&] { m_db->OpenRecordset(mark); }), dao::errSyntax);
    EXPECT_EQ(Count(lookUp), 1);
}

} // namespace
