#pragma once
// Stores the cocktail entered in the entry window: its record, its group link, one ingredient
// line record per row of TZutaten and one decoration line record per row of TDekoration, each
// name resolved to its number without regard to case.
//
// All of it is one transaction. A failure shows "Fehler!" with the position reached, the
// failure's number and text: Retry runs the failed operation again, Ignore goes on without it
// (a record whose number could not be looked up is left out), Abort takes back everything of
// this save and ends the program. When the failure has taken back the transaction itself (the
// file took no writes, the disk is full), Retry runs the whole save again from its beginning
// and Ignore leaves it unstored.

class KqCocktailEingabe;

// True when the cocktail was stored; false when nothing was stored (it has no name but blanks,
// its name exists, the user aborted, or its own record could not be written).
bool CocktailSpeichern(KqCocktailEingabe& eingabe);
