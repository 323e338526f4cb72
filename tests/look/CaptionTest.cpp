// Every caption of every window fits its control, measured with the control's own font and the
// style's margins at the scale the test runs at. ctest runs this binary at QT_SCALE_FACTOR 1,
// 1.5 and 2 (a desktop at 144 dpi gets 1.5 as well), since letters are hinted and rounded
// differently at each scale.

#include "Fenster.h"
#include "MsgBoxExpect.h"
#include "ProgramTest.h"
#include "dialogs/KqNeu.h"
#include "menu/KqMenue.h"
#include "menu/ZebKnopf.h"
#include "toolkit/Look.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTableWidget>
#include <set>

namespace {

// The style option a button paints itself with (set up by a protected member).
template <class Button> QStyleOptionButton OptionOf(const Button* button) {
    struct Open : Button {
        using Button::initStyleOption;
    };
    QStyleOptionButton option;
    (button->*&Open::initStyleOption)(&option);
    return option;
}

// Fails for each caption on window that needs more room than its control gives it.
void ExpectCaptionsFit(QWidget* window) {
    const auto expectFits = [window](const QString& what, const QString& text, QSizeF needed,
                                     QSizeF room) {
        EXPECT_TRUE(needed.width() <= room.width() && needed.height() <= room.height())
            << qPrintable(window->objectName()) << ' ' << qPrintable(what) << " \""
            << qPrintable(text) << "\" needs " << needed.width() << " x " << needed.height()
            << " px, has " << room.width() << " x " << room.height() << " px at scale "
            << window->devicePixelRatioF();
    };
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window)) continue;
        const QFontMetricsF fm(w->font(), w);
        const QString name = w->objectName();
        if (auto* label = qobject_cast<QLabel*>(w)) {
            const int m = label->margin();
            const QSizeF room = label->contentsRect().adjusted(m, m, -m, -m).size();
            if (label->wordWrap())
                expectFits(name, label->text(), {0, qreal(label->heightForWidth(label->width()))},
                           label->size());
            else
                expectFits(name, label->text(),
                           fm.size(label->buddy() ? Qt::TextShowMnemonic : 0, label->text()), room);
        } else if (auto* button = qobject_cast<QPushButton*>(w)) {
            const QStyleOptionButton option = OptionOf(button);
            expectFits(
                name, button->text(), fm.size(Qt::TextShowMnemonic, button->text()),
                w->style()->subElementRect(QStyle::SE_PushButtonContents, &option, w).size());
        } else if (auto* box = qobject_cast<QCheckBox*>(w)) {
            const QStyleOptionButton option = OptionOf(box);
            expectFits(name, box->text(), fm.size(Qt::TextShowMnemonic, box->text()),
                       w->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, w).size());
        } else if (auto* knopf = qobject_cast<ZebKnopf*>(w)) {
            // Its caption is drawn into the picture, which is shown at its own size.
            expectFits(name, knopf->accessibleName(), knopf->Picture().deviceIndependentSize(),
                       knopf->size());
        } else if (auto* grid = qobject_cast<QTableWidget*>(w)) {
            // The fixed cells (first row and column) are the grid's captions.
            const int margins = 2 * (w->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
            for (int row = 0; row < grid->rowCount(); ++row)
                for (int col = 0; col < (row == 0 ? grid->columnCount() : 1); ++col)
                    if (const QTableWidgetItem* cell = grid->item(row, col);
                        cell && !cell->text().isEmpty())
                        expectFits(name + QStringLiteral(" %1,%2").arg(row).arg(col), cell->text(),
                                   {fm.horizontalAdvance(cell->text()) + margins, fm.height()},
                                   QSizeF(grid->columnWidth(col), grid->rowHeight(row)));
        } else if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QGroupBox*>(w)) {
            ADD_FAILURE() << qPrintable(name) << ": no measure for a "
                          << w->metaObject()->className();
        }
    }
}

} // namespace

TEST_F(ProgramTest, EveryCaptionFitsItsControl) {
    MsgBoxExpect boxes;
    Start();
    // The scale ctest asks for is the one the windows have.
    EXPECT_EQ(KqMenü::Instance().devicePixelRatioF(),
              qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble());
    fenster::AlleÖffnen();
    QWidgetList windows;
    std::set<QString> names;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && qobject_cast<toolkit::Form*>(window)) {
            windows.append(window);
            names.insert(window->objectName());
        }
    EXPECT_EQ(names, (std::set<QString>{"KqMenü", "KqRezepte", "KqZutaten", "KqZutatenAuswahl",
                                        "KqCocktailÄndern", "KqCocktailEingabe",
                                        "KqCocktailZutaten", "KqCocktailDeko", "KqNeu"}));
    // In the font found here, then in DejaVu Sans, which a system without the others gets.
    for (const QString& family : {toolkit::WindowFont().family(), QStringLiteral("DejaVu Sans")}) {
        SCOPED_TRACE(family.toStdString());
        for (QWidget* window : windows) {
            for (QWidget* control : window->findChildren<QWidget*>())
                control->setFont(toolkit::WindowFont(family));
            ExpectCaptionsFit(window);
        }
        // The catalogue dialog names its first box after what it adds.
        for (KqNeu::Katalog kind : {KqNeu::Gruppe, KqNeu::Zutat, KqNeu::Deko, KqNeu::Setup}) {
            KqNeu::Instance().Start(kind);
            ExpectCaptionsFit(&KqNeu::Instance());
        }
    }
}
