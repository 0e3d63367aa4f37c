#include "platform/Report.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

QString Report::resolvePath(const QString& path)
{
    if (QFileInfo::exists(path) || path.endsWith(QLatin1String(".rmf"), Qt::CaseInsensitive))
        return path;
    return path + QStringLiteral(".rmf");
}

bool Report::loadFromFile(const QString& path, QString* error)
{
    const QString file = resolvePath(path);
    const QString shown = QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath());
    QFile f(file);
    if (!QFileInfo(file).isFile()) {
        if (error)
            *error = QStringLiteral("报表模板文件不存在：%1").arg(shown);
        return false;
    }
    if (!f.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("报表模板文件无法打开：%1（%2）").arg(shown, f.errorString());
        return false;
    }
    ReportTemplate t;
    QString why;
    if (!t.fromXml(f.readAll(), &why)) {
        if (error)
            *error = QStringLiteral("报表模板文件格式错误：%1（%2）").arg(shown, why);
        return false;
    }
    m_template = t;
    m_fileName = file;
    return true;
}

bool Report::saveToFile(const QString& path, QString* error)
{
    const QString file = resolvePath(path);
    QSaveFile f(file);
    if (!f.open(QIODevice::WriteOnly) || f.write(m_template.toXml()) < 0 || !f.commit()) {
        if (error)
            *error = QStringLiteral("报表模板文件无法保存：%1（%2）")
                         .arg(QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath()),
                              f.errorString());
        return false;
    }
    m_fileName = file;
    return true;
}

bool Report::setMemoText(const QString& name, const QString& text, QString* error)
{
    ReportObject* o = m_template.findObject(name);
    if (!o) {
        if (error)
            *error = QStringLiteral("报表模板中没有对象“%1”：%2")
                         .arg(name, m_fileName.isEmpty() ? QStringLiteral("（未载入模板）")
                                                         : QDir::toNativeSeparators(m_fileName));
        return false;
    }
    o->text = text;
    return true;
}
