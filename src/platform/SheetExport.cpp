#include "platform/SheetExport.h"

#include "data/Database.h"
#include "data/Money.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSqlRecord>
#include <QTemporaryFile>
#include <cstdio>
#include <sys/stat.h>
#include <xlsxwriter.h>

namespace {

bool fail(QString* error, const QString& text)
{
    if (error)
        *error = text;
    return false;
}

// Dates are stored as text; a date column's value of exactly that shape goes out as a
// spreadsheet date.
std::optional<QDateTime> storedDate(const QVariant& v)
{
    static const QRegularExpression shape(
        QStringLiteral("^\\d{4}-\\d{2}-\\d{2}( \\d{2}:\\d{2}:\\d{2})?$"));
    if (v.typeId() != QMetaType::QString)
        return std::nullopt;
    const QString s = v.toString();
    if (!shape.match(s).hasMatch())
        return std::nullopt;
    const QDateTime d =
        s.size() == 10 ? QDateTime(QDate::fromString(s, QStringLiteral("yyyy-MM-dd")), QTime(0, 0))
                       : QDateTime::fromString(s, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!d.isValid())
        return std::nullopt;
    return d;
}

// Read and write as the process's file creation mask allows (0666 less the umask).
QFileDevice::Permissions newFilePermissions()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    QFileDevice::Permissions p = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                 QFileDevice::ReadUser | QFileDevice::WriteUser;
    if (!(mask & S_IRGRP))
        p |= QFileDevice::ReadGroup;
    if (!(mask & S_IWGRP))
        p |= QFileDevice::WriteGroup;
    if (!(mask & S_IROTH))
        p |= QFileDevice::ReadOther;
    if (!(mask & S_IWOTH))
        p |= QFileDevice::WriteOther;
    return p;
}

QString cellText(const GridColumn& c, const QVariant& v)
{
    return c.displayText(v);
}

QString csvField(const QString& s)
{
    if (!s.contains(QLatin1Char(',')) && !s.contains(QLatin1Char('"')) &&
        !s.contains(QLatin1Char('\n')) && !s.contains(QLatin1Char('\r')))
        return s;
    QString q = s;
    q.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

bool writeCsv(const QString& path, const QList<GridColumn>& columns,
              const SheetExport::RowSource& rows, QString* error)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return fail(error, f.errorString());
    f.write("\xEF\xBB\xBF");
    QStringList line;
    for (const auto& c : columns)
        line << csvField(c.title);
    f.write((line.join(QLatin1Char(',')) + QStringLiteral("\r\n")).toUtf8());
    QVariantList row;
    while (rows(row)) {
        line.clear();
        for (int i = 0; i < columns.size(); ++i)
            line << csvField(cellText(columns.at(i), row.value(i)));
        f.write((line.join(QLatin1Char(',')) + QStringLiteral("\r\n")).toUtf8());
    }
    if (!f.commit())
        return fail(error, f.errorString());
    return true;
}

bool writeXlsx(const QString& path, const QList<GridColumn>& columns,
               const SheetExport::RowSource& rows, QString* error)
{
    const QFileInfo target(path);
    if (!target.absoluteDir().exists())
        return fail(error, QStringLiteral("目录不存在：") + target.absolutePath());
    // A unique name beside the target, so the final rename stays on one file system.
    QString temp;
    {
        QTemporaryFile probe(target.absoluteDir().filePath(QStringLiteral(".export-XXXXXX.xlsx")));
        if (!probe.open())
            return fail(error, probe.errorString());
        temp = probe.fileName();
        probe.setAutoRemove(false);
    }
    const QByteArray tempName = QFile::encodeName(temp);
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    lxw_workbook* book = workbook_new_opt(tempName.constData(), &options);
    if (!book) {
        QFile::remove(temp);
        return fail(error, QStringLiteral("无法创建文件"));
    }
    lxw_worksheet* sheet = workbook_add_worksheet(book, nullptr);
    lxw_format* moneyFormat = workbook_add_format(book);
    format_set_num_format(moneyFormat, "0.00");
    lxw_format* ratioFormat = workbook_add_format(book);
    format_set_num_format(ratioFormat, "0.0000");
    lxw_format* dateFormat = workbook_add_format(book);
    format_set_num_format(dateFormat, "yyyy-mm-dd");
    lxw_format* timeFormat = workbook_add_format(book);
    format_set_num_format(timeFormat, "yyyy-mm-dd hh:mm:ss");

    lxw_error status = LXW_NO_ERROR;
    auto check = [&status](lxw_error e) {
        if (e != LXW_NO_ERROR && status == LXW_NO_ERROR)
            status = e;
    };
    for (int i = 0; i < columns.size(); ++i)
        check(worksheet_write_string(sheet, 0, lxw_col_t(i),
                                     columns.at(i).title.toUtf8().constData(), nullptr));
    lxw_row_t r = 1;
    QVariantList row;
    while (status == LXW_NO_ERROR && rows(row)) {
        for (int i = 0; i < columns.size(); ++i) {
            const QVariant v = row.value(i);
            if (v.isNull() || !v.isValid())
                continue;
            const auto col = lxw_col_t(i);
            switch (columns.at(i).kind) {
            case GridColumn::Kind::Money:
                check(worksheet_write_number(sheet, r, col, double(v.toLongLong()) / 100.0,
                                             moneyFormat));
                break;
            case GridColumn::Kind::Ratio:
                check(worksheet_write_number(sheet, r, col, v.toDouble() / 10000.0, ratioFormat));
                break;
            case GridColumn::Kind::Integer:
            case GridColumn::Kind::Float:
                check(worksheet_write_number(sheet, r, col, v.toDouble(), nullptr));
                break;
            case GridColumn::Kind::Date:
                if (const auto d = storedDate(v)) {
                    lxw_datetime dt{d->date().year(),
                                    uint8_t(d->date().month()),
                                    uint8_t(d->date().day()),
                                    uint8_t(d->time().hour()),
                                    uint8_t(d->time().minute()),
                                    double(d->time().second())};
                    check(worksheet_write_datetime(
                        sheet, r, col, &dt, v.toString().size() == 10 ? dateFormat : timeFormat));
                    break;
                }
                // a date column holding other text keeps the text
                [[fallthrough]];
            case GridColumn::Kind::Text:
                check(worksheet_write_string(sheet, r, col, v.toString().toUtf8().constData(),
                                             nullptr));
                break;
            }
        }
        ++r;
    }
    const lxw_error closed = workbook_close(book);
    if (status == LXW_NO_ERROR)
        status = closed;
    if (status != LXW_NO_ERROR) {
        QFile::remove(temp);
        return fail(error, QString::fromUtf8(lxw_strerror(status)));
    }
    // The temporary file is private; the export gets the permissions of any new file. The
    // rename replaces an older file in one step, so it is never lost on a failure.
    QFile::setPermissions(temp, newFilePermissions());
    if (std::rename(QFile::encodeName(temp).constData(), QFile::encodeName(path).constData()) !=
        0) {
        QFile::remove(temp);
        return fail(error, QStringLiteral("无法写入文件：") + path);
    }
    return true;
}

} // namespace

bool SheetExport::write(const QString& path, const QList<GridColumn>& columns,
                        const RowSource& rows, QString* error)
{
    if (path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
        return writeCsv(path, columns, rows, error);
    return writeXlsx(path, columns, rows, error);
}

bool SheetExport::writeQuery(const QString& path, const QString& sql, const QVariantList& values,
                             const QList<GridColumn>& columns, const QString& orderBy,
                             QString* error)
{
    try {
        QSqlQuery q =
            OpenQuerySql(orderBy.isEmpty() ? sql
                                           : QStringLiteral("select * from (") + sql +
                                                 QStringLiteral(") list_all order by ") + orderBy,
                         values);
        QList<int> at;
        const QSqlRecord rec = q.record();
        for (const auto& c : columns)
            at << rec.indexOf(c.field);
        return write(
            path, columns,
            [&](QVariantList& row) {
                if (!q.next())
                    return false;
                row.clear();
                for (int i : at)
                    row << (i < 0 ? QVariant() : q.value(i));
                return true;
            },
            error);
    } catch (const DatabaseError& e) {
        return fail(error, e.text());
    }
}
