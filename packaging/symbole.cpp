// Writes the program's symbol as PNG files in the usual icon sizes, laid out as an icon theme
// folder: <folder>/<size>x<size>/apps/velkor.png.
//
//   velkor_symbole <folder>

#include "toolkit/Symbol.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: velkor_symbole <Ordner>\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
        const QString file = dir + QStringLiteral("/velkor.png");
        if (!QDir().mkpath(dir) || !toolkit::Symbol(size).save(file)) {
            std::fprintf(stderr, "%s kann nicht geschrieben werden\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
