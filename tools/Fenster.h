#pragma once
// Opens every window of the program with the content a user typically has in it: the recipes
// of one cocktail, the bar stock, a cocktail chosen to be changed, a cocktail half entered with its
// line dialogs and the catalogue dialog open. The screenshots and the look test show and measure
// the same windows.

namespace fenster {

// Needs the program started (HauptModul::Main) with the menu shown.
void AlleÖffnen();

} // namespace fenster
