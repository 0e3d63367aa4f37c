#include "app/DataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
QString& folder()
{
    static QString f;
    return f;
}
} // namespace

QString DataFolder::resolve(const QString& commandLineDir)
{
    if (!commandLineDir.isEmpty())
        return QDir::cleanPath(QDir(commandLineDir).absolutePath());
    const QString env = qEnvironmentVariable("QUENLO_DATA_DIR");
    if (!env.isEmpty())
        return QDir::cleanPath(QDir(env).absolutePath());
    const QString programDir = QCoreApplication::applicationDirPath();
    if (!programDir.isEmpty() && QFileInfo(programDir).isWritable())
        return QDir::cleanPath(programDir);
    QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
    if (xdg.isEmpty())
        xdg = QDir::homePath() + QStringLiteral("/.local/share");
    return QDir::cleanPath(xdg + QStringLiteral("/quenlo"));
}

void DataFolder::setCurrent(const QString& f)
{
    folder() = QDir::cleanPath(f);
    QDir().mkpath(folder());
}

QString DataFolder::current()
{
    return folder();
}

QString DataFolder::filePath(const QString& fileName)
{
    return folder() + QLatin1Char('/') + fileName;
}

QString DataFolder::databaseFile()
{
    return filePath(QStringLiteral("js.db"));
}
