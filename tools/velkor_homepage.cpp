// Writes the web site of a Cocktails.mdb into a folder, as the window does, and says how long it
// took: for measurements on large catalogues.
//
//   velkor_homepage <Cocktails.mdb> <Ordner>

#include "web/Homepage.h"

#include <QElapsedTimer>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "Aufruf: %s <Cocktails.mdb> <Ordner>\n", argv[0]);
        return 2;
    }
    QElapsedTimer uhr;
    uhr.start();
    try {
        const web::Ergebnis e = web::HomepageErzeugen(QString::fromLocal8Bit(argv[1]),
                                                      QString::fromLocal8Bit(argv[2]), {});
        std::printf("%d Seiten in %lld ms: %s\n", e.seiten, static_cast<long long>(uhr.elapsed()),
                    e.startseite.toUtf8().constData());
    } catch (const web::Fehler& f) {
        std::fprintf(stderr, "%s\n", f.Meldung().toUtf8().constData());
        return 1;
    }
    return 0;
}
