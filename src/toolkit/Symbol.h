#pragma once
// The program's symbol: a cocktail glass with a slice of lime on the windows' pale yellow. It is
// the window icon and, written as PNG files at build time, the icon of the desktop entry.

#include <QIcon>
#include <QImage>

namespace toolkit {

// The symbol drawn at size × size pixels, with a transparent surround.
QImage Symbol(int size);

// The symbol in the usual icon sizes, for the program's windows.
QIcon SymbolIcon();

} // namespace toolkit
