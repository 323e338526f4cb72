#pragma once
// Geometry and appearance shared by every window: positions in twips, the pale yellow
// background and the bold window font.

#include <QColor>
#include <QFont>

class QCoreApplication;
class QWidget;

namespace toolkit {

// 15 twips make one pixel at 96 dpi.
constexpr int kTwipsPerPixel = 15;

// Twips to pixels, rounded to the nearest pixel.
int px(int twips);

// Background of every form.
QColor Background();

// Background of the fixed (header) cells of a grid.
QColor FixedCellBackground();

// The font of every form and control: WindowFont(family) for the first installed of
// "MS Sans Serif", "Liberation Sans" and "DejaVu Sans".
QFont WindowFont();

// The window font in one family: bold 9.75 pt, at which every caption fits its control in
// Liberation Sans. DejaVu Sans is about a seventh wider and is taken at 9 pt, so that the
// captions fit there too.
QFont WindowFont(const QString& family);

// Gives a widget the form background and the window font.
void ApplyLook(QWidget* widget);

// Loads Qt's German translation so standard buttons read "OK", "Abbrechen", "Wiederholen" ...
// Returns false when the translation file cannot be found or loaded.
bool InstallGermanTranslation(QCoreApplication& app);

} // namespace toolkit
