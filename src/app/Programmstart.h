#pragma once
// The program's start, shared by main.cpp and the start-up measurement of the bench.

class QApplication;

// Names the application for the desktop, gives its windows the program's symbol and the German
// standard texts, and runs HauptModul::Main, which opens the database and shows the menu. False
// when no database is open afterwards: the ending was replaced and returned.
bool StarteProgramm(QApplication& app);
