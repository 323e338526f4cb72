// Draws the ten pictures of the main menu's image buttons: each label in black
// bold letters on a pale yellow rounded face (at rest) and on an orange face
// (pressed), 99 x 42 pixels, saved as JPEG.
//
//   velkor_knopfbilder <folder>

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

const char* const kLabels[] = {"Velkor", "Zutatenliste", "Erfassen", "Ändern",
                               "Homepage-\nerzeugen"};

QImage Draw(const QString& label, const QColor& face) {
    QImage image(99, 42, QImage::Format_RGB32);
    image.fill(QColor(255, 255, 223)); // the menu's background around the face
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QPainterPath rounded;
    rounded.addRoundedRect(QRectF(1.5, 1.5, 96, 39), 9, 9);
    p.fillPath(rounded, face);
    p.setPen(QPen(QColor(120, 100, 40), 1.5));
    p.drawPath(rounded);

    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setBold(true);
    font.setPixelSize(label.contains(QLatin1Char('\n')) ? 13 : 14);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRect(2, 2, 95, 38), Qt::AlignCenter, label);
    return image;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: %s <Ordner>\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    for (int i = 0; i < 5; ++i) {
        const QString label = QString::fromUtf8(kLabels[i]);
        const QString rest = QStringLiteral("%1/knopf%2.jpg").arg(folder).arg(i);
        const QString pressed = QStringLiteral("%1/knopf%2_gedrueckt.jpg").arg(folder).arg(i);
        if (!Draw(label, QColor(255, 246, 160)).save(rest, "JPG", 95) ||
            !Draw(label, QColor(255, 160, 40)).save(pressed, "JPG", 95)) {
            std::fprintf(stderr, "Bild %d kann nicht geschrieben werden\n", i);
            return 1;
        }
    }
    return 0;
}
