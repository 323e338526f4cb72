#include "toolkit/Look.h"

#include <QCoreApplication>
#include <QFontInfo>
#include <QLibraryInfo>
#include <QPalette>
#include <QTranslator>
#include <QWidget>
#include <cmath>

namespace toolkit {

int px(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

QColor Background() {
    return QColor(255, 255, 223);
}

QColor FixedCellBackground() {
    return QColor(192, 192, 192);
}

QFont WindowFont() {
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("DejaVu Sans")});
    font.setBold(true);
    return WindowFont(QFontInfo(font).family());
}

QFont WindowFont(const QString& family) {
    QFont font(family);
    font.setPointSizeF(family == QLatin1String("DejaVu Sans") ? 9 : 9.75);
    font.setBold(true);
    return font;
}

void ApplyLook(QWidget* widget) {
    if (!widget) return;
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Background());
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
    widget->setFont(WindowFont());
}

bool InstallGermanTranslation(QCoreApplication& app) {
    auto* translator = new QTranslator(&app);
    const QString name = QStringLiteral("qtbase_de");
    if (!translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        !translator->load(name, QStringLiteral("/usr/share/qt6/translations"))) {
        delete translator;
        return false;
    }
    if (!QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

} // namespace toolkit
