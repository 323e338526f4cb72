// Writes a made-up catalogue of a given size as a new Cocktails.mdb.
//
//   velkor_katalog <Ziel.mdb> <Cocktails> [Zufallskeim]

#include "Katalog.h"

#include "dao/Error.h"

#include <QFile>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 3 || std::atoi(argv[2]) < 1) {
        std::fprintf(stderr, "Aufruf: %s <Ziel.mdb> <Cocktails> [Zufallskeim]\n", argv[0]);
        return 2;
    }
    const QString ziel = QString::fromLocal8Bit(argv[1]);
    katalog::Umfang umfang;
    umfang.cocktails = std::atoi(argv[2]);
    if (argc > 3) umfang.seed = static_cast<unsigned>(std::strtoul(argv[3], nullptr, 10));
    // Written under another name first, so that an interrupted run leaves no half file behind.
    const QString teil = ziel + QStringLiteral(".neu");
    QFile::remove(teil);
    try {
        const katalog::Inhalt inhalt = katalog::Schreiben(teil, umfang);
        QFile::remove(ziel);
        if (!QFile::rename(teil, ziel)) {
            std::fprintf(stderr, "%s kann nicht geschrieben werden.\n", argv[1]);
            return 1;
        }
        std::printf("%s: %d Cocktails, %d Zutaten, %d Zutatenzeilen\n", argv[1], inhalt.cocktails,
                    inhalt.zutaten, inhalt.zeilen);
    } catch (const dao::Error& e) {
        QFile::remove(teil);
        std::fprintf(stderr, "Fehler %d: %s\n", e.Number(), e.Description().toUtf8().constData());
        return 1;
    }
    return 0;
}
