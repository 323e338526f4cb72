#pragma once
// Stores the cocktail entered in the entry window, or the stored one it changes: its record, its
// group link, one ingredient line record per row of TZutaten and one decoration line record per row
// of TDekoration, each name resolved to its number without regard to case.
//
// All of it is one transaction. A failure shows "Fehler!" with the position reached, the
// failure's number and text: Retry runs the failed operation again, Ignore goes on without it
// (a record whose number could not be looked up is left out), Abort takes back everything of
// this save and ends the program. When the failure has taken back the transaction itself (the
// file took no writes, the disk is full), Retry runs the whole save again from its beginning
// and Ignore leaves it unstored.
//
// A changed cocktail keeps its number and may keep its name in any case; its group link and
// its lines are replaced by the window's, in the grids' order. Removing the old ones counts to
// the position of the new ones (4, 100, 600); when that fails and is ignored, the old ones stay.

class KqCocktailEingabe;

// True when the cocktail was stored; false when nothing was stored (it has no name but blanks,
// its name exists, the user aborted, or its own record could not be written).
bool CocktailSpeichern(KqCocktailEingabe& eingabe);

// Deletes the stored cocktail of number nr with its group links and its lines, in one
// transaction, nothing else. A failure shows "Fehler!" as storing does, with the position 1 to 4
// (group links, ingredient lines, decoration lines, the cocktail); Ignore takes everything back.
// True when it was deleted.
bool CocktailLöschen(int nr);
