#include "app/DataFolder.h"
#include "cli/CliCommand.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <unistd.h>
#include <cstdio>

namespace {
void usage()
{
    QString text = QStringLiteral("usage: quenloctl [--data-dir DIR] COMMAND [ARGS]\ncommands:\n");
    for (const auto& c : CliCommand::all())
        text += QStringLiteral("  ") + c.usage + QLatin1Char('\n');
    std::fputs(text.toUtf8().constData(), stderr);
}
} // namespace

int main(int argc, char** argv)
{
    // Printing and PDF need a GUI application; no window is ever shown.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform wants a private runtime folder; cron and ssh sessions have none.
    if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) {
        const QByteArray dir = QDir::tempPath().toLocal8Bit() + "/quenloctl-runtime-" +
                               QByteArray::number(uint(getuid()));
        QDir().mkpath(QString::fromLocal8Bit(dir));
        QFile::setPermissions(QString::fromLocal8Bit(dir),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", dir);
    }
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString dataDir;
    while (!args.isEmpty() && args.first().startsWith(QLatin1String("--"))) {
        const QString opt = args.takeFirst();
        if (opt == QLatin1String("--data-dir") && !args.isEmpty()) {
            dataDir = args.takeFirst();
        } else if (opt.startsWith(QLatin1String("--data-dir="))) {
            dataDir = opt.mid(11);
        } else if (opt == QLatin1String("--help")) {
            usage();
            return 0;
        } else {
            CliCommand::error(QStringLiteral("unknown option %1").arg(opt));
            usage();
            return 2;
        }
    }
    if (args.isEmpty()) {
        usage();
        return 2;
    }
    const QString name = args.takeFirst();
    for (const auto& c : CliCommand::all()) {
        if (c.name == name) {
            DataFolder::setCurrent(DataFolder::resolve(dataDir));
            return c.run(args);
        }
    }
    CliCommand::error(QStringLiteral("unknown command %1").arg(name));
    usage();
    return 2;
}
