#pragma once
// The recipe sheet for screen readers: its drawn lines, top to bottom, as read-only text.

#include <QString>

class Blatt;

// Lets every Blatt answer screen readers with its text (installs itself once).
void InstallBlattAccessibility();

// Tells screen readers that the text of the sheet changed from before to now.
void NotifyBlattChanged(Blatt* blatt, const QString& before, const QString& now);
