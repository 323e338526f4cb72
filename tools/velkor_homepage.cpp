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
        // "einsetzen" on its own line once every page is written and they are put in place
        // (the kill test waits for it).
        bool gesagt = false;
        const web::Ergebnis e =
            web::HomepageErzeugen(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]),
                                  [&gesagt](int fertig, int alle) {
                                      if (!gesagt && alle > 0 && fertig == alle) {
                                          gesagt = true;
                                          std::puts("einsetzen");
                                          std::fflush(stdout);
                                      }
                                      return true;
                                  });
        std::printf("%d Seiten in %lld ms: %s\n", e.seiten, static_cast<long long>(uhr.elapsed()),
                    e.startseite.toUtf8().constData());
    } catch (const web::Fehler& f) {
        std::fprintf(stderr, "%s\n", f.Meldung().toUtf8().constData());
        return 1;
    }
    return 0;
}
