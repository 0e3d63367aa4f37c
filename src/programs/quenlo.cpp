#include "app/DataFolder.h"
#include "app/ui/Screens.h"
#include "app/ui/Startup.h"
#include "app/ui/TMain.h"
#include "ui/QtPrompter.h"

#include <QApplication>
#include <QFontDatabase>
#include <cstdio>

namespace {
// The CJK font for screens and printouts, when installed.
void useCjkFont()
{
    for (const char* path : {"/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc",
                             "/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc"}) {
        const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(path));
        if (id >= 0) {
            const QStringList families = QFontDatabase::applicationFontFamilies(id);
            if (!families.isEmpty()) {
                QFont f(families.first());
                f.setPointSize(10);
                QApplication::setFont(f);
            }
            return;
        }
    }
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quenlo"));
    QString dataDir;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--data-dir") && i + 1 < args.size()) {
            dataDir = args.at(++i);
        } else if (args.at(i).startsWith(QLatin1String("--data-dir="))) {
            dataDir = args.at(i).mid(11);
        } else {
            std::fprintf(stderr, "usage: quenlo [--data-dir DIR]\n");
            return 2;
        }
    }
    useCjkFont();
    DataFolder::setCurrent(DataFolder::resolve(dataDir));
    QtPrompter prompter;
    Prompter::install(&prompter);

    RegisterScreens();
    Startup startup;
    if (!startup.run())
        return 0;
    std::unique_ptr<TMain> main = startup.takeMainWindow();
    QObject::connect(main.get(), &TMain::fatalError, &app, [] { QApplication::exit(1); });
    const int status = app.exec();
    Prompter::install(nullptr);
    return status;
}
