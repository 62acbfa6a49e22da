#include "app/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace ProgramFolder {

namespace {
QString& overridden()
{
    static QString folder;
    return folder;
}
} // namespace

QString path()
{
    return overridden().isEmpty() ? QCoreApplication::applicationDirPath() : overridden();
}

QString file(const QString& fileName)
{
    // QDir joins with exactly one separator, whatever the folder path ends in.
    return QDir(path()).filePath(fileName);
}

void overrideForTesting(const QString& folder)
{
    overridden() = folder;
}

} // namespace ProgramFolder
