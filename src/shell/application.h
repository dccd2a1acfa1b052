#pragma once
// The application object: Qt's application with the number formatting the data files need, and the
// start of the program (main window sized from the configuration, then the first document).

#include <QApplication>
#include <QIcon>
#include <memory>

namespace tellmark::shell {

// QApplication takes the locale from the environment; the data files need a decimal point in every
// "%12.2f", so LC_NUMERIC goes back to "C" at once. Every window gets the program's icon.
std::unique_ptr<QApplication> createApplication(int& argc, char** argv);

// The program's own icon (drawn from its SVG; null when Qt cannot read SVG).
QIcon programIcon();

// Runs the program until "&Beenden". With "--screenshot DIR" every dialog is saved as a picture into DIR
// and answered with its default button, then the main window is saved and the program ends.
int runProgram(int& argc, char** argv);

}  // namespace tellmark::shell
