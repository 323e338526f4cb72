// The fuzz target's entry function in the normal test suite: every kept input
// (tests/fuzz/regressions, one per fault the fuzzer found, and the seed corpus)
// runs through it, so a fault once fixed stays fixed. A broken check of the target
// aborts the test binary with its message on stderr, behind the name of the input.
// Faults the target's checks cannot tell by themselves (a statement cut short at a NUL,
// say) are stated directly against the store in tests/dao.

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

TEST(FuzzInputs, EveryKeptInputRunsClean) {
    for (const char* folder : {"regressions", "corpus"}) {
        const QDir dir(QStringLiteral(VELKOR_FUZZ_DIR "/") + QString::fromUtf8(folder));
        const QStringList names = dir.entryList(QDir::Files, QDir::Name);
        EXPECT_GE(names.size(), 7) << folder; // each holds at least that many today
        for (const QString& name : names) {
            QFile file(dir.filePath(name));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
            const QByteArray input = file.readAll();
            std::fprintf(stderr, "%s/%s\n", folder, qPrintable(name));
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.constData()),
                                   static_cast<std::size_t>(input.size()));
        }
    }
}
