#pragma once

#include <QString>

// The folder that holds the program's executable, where its two pictures stand.
namespace ProgramFolder {

QString path();

// The full path of a file beside the program, e.g. file("Ut1.jpg").
QString file(const QString& fileName);

// Lets the tests put the pictures somewhere else; an empty path restores the real folder.
void overrideForTesting(const QString& folder);

} // namespace ProgramFolder
