#include "platform/ReportTemplates.h"

#include "app/DataFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

// Q_INIT_RESOURCE declares a function of the global namespace, so this one lives there
static void initResources()
{
    // the resources live in a static library: referencing them keeps them linked
    static const bool once = [] {
        Q_INIT_RESOURCE(reports);
        return true;
    }();
    Q_UNUSED(once);
}

QStringList ReportTemplates::shippedNames()
{
    return {QStringLiteral("报销单据.rmf"),     QStringLiteral("报销单据加明细.rmf"),
            QStringLiteral("门诊单据.rmf"),     QStringLiteral("门诊单据2.rmf"),
            QStringLiteral("历年帐户情况.rmf"), QStringLiteral("人员帐户信息.rmf")};
}

QByteArray ReportTemplates::shippedText(const QString& fileName)
{
    initResources();
    QFile f(QStringLiteral(":/reports/") + fileName);
    if (!shippedNames().contains(fileName) || !f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QStringList ReportTemplates::installMissing(const QString& folder, QString* error)
{
    QStringList copied;
    QStringList failed;
    if (!QDir().mkpath(folder)) {
        if (error)
            *error = QStringLiteral("无法建立报表文件夹：%1").arg(QDir::toNativeSeparators(folder));
        return copied;
    }
    for (const QString& name : shippedNames()) {
        const QString target = QDir(folder).filePath(name);
        if (QFileInfo::exists(target))
            continue;
        QSaveFile f(target);
        if (f.open(QIODevice::WriteOnly) && f.write(shippedText(name)) >= 0 && f.commit())
            copied << name;
        else
            failed << QDir::toNativeSeparators(target);
    }
    if (error)
        *error =
            failed.isEmpty()
                ? QString()
                : QStringLiteral("无法复制报表模板：%1").arg(failed.join(QStringLiteral("，")));
    return copied;
}

QString ReportTemplates::folder()
{
    const QString f = DataFolder::filePath(QStringLiteral("reports"));
    installMissing(f);
    return f;
}

QString ReportTemplates::path(const QString& fileName)
{
    return QDir(folder()).filePath(fileName);
}
