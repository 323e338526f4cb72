#pragma once
// The program's start, shared by main.cpp and the start-up measurement of the bench.

class QApplication;

// Names the application for the desktop, gives its windows the program's symbol and the German
// standard texts, and runs HauptModul::Main, which begins opening the database and shows the
// menu. False when the program cannot go on: the ending was replaced and returned.
bool StarteProgramm(QApplication& app);
