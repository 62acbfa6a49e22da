#pragma once

class QApplication;

// Readies the toolkit for the screens: font substitutes and the screen factory.
// The tests call it too, so they see the screens as the program shows them.
void prepareScreens();

// Starts the program with its splash screen and runs it until no screen is loaded.
int runProgram(int argc, char** argv);
