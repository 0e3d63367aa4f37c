#include "platform/LayoutStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestGridLayout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void roundTrip_data();
    void roundTrip();
    void handWrittenSectionIsReadFieldByField();
    void missingOrBrokenStoreKeepsDesign();
    void userValueFormat();
};

namespace {
QList<ColumnLayout> designed()
{
    QList<ColumnLayout> d;
    for (const char* f : {"idbh", "dwmc", "dwjc", "lxr"}) {
        ColumnLayout c;
        c.field = QString::fromLatin1(f);
        c.title = c.field.toUpper();
        c.width = 90;
        d << c;
    }
    return d;
}
} // namespace

void TestGridLayout::roundTrip_data()
{
    QTest::addColumn<bool>("user");
    QTest::newRow("settings file section") << false;
    QTest::newRow("per-user store") << true;
}

void TestGridLayout::roundTrip()
{
    QFETCH(bool, user);
    QTemporaryDir dir;
    LayoutStore::setUserStoreFile(dir.filePath(QStringLiteral("user.ini")));
    const QString file = dir.filePath(QStringLiteral("Grid.ini"));
    // Saved: lxr moved first and hidden, a long title, and a column "old" no longer designed.
    QList<ColumnLayout> saved = designed();
    saved.move(3, 0);
    saved[0].visible = false;
    saved[0].width = 33;
    saved[1].title = QString(95, QChar(0x5355)); // 95 characters
    ColumnLayout old;
    old.field = QStringLiteral("old");
    old.title = QStringLiteral("gone");
    saved.insert(2, old);
    QVERIFY(user ? LayoutStore::writeUser(QStringLiteral("TdwFrmgrid"), saved)
                 : LayoutStore::writeSection(file, QStringLiteral("dwxx"), saved));

    auto stored = user ? LayoutStore::readUser(QStringLiteral("TdwFrmgrid"))
                       : LayoutStore::readSection(file, QStringLiteral("DWXX"));
    QVERIFY(stored);
    QList<ColumnLayout> d = designed();
    ColumnLayout added;
    added.field = QStringLiteral("lxdh");
    added.title = QStringLiteral("LXDH");
    d << added;
    const QList<ColumnLayout> got = LayoutStore::merge(d, *stored);
    QStringList order;
    for (const auto& c : got)
        order << c.field;
    QCOMPARE(order, (QStringList{"lxr", "idbh", "dwmc", "dwjc", "lxdh"}));
    QCOMPARE(got.at(0).visible, false);
    QCOMPARE(got.at(0).width, 33);
    QCOMPARE(got.at(1).title, QString(95, QChar(0x5355)));
    QCOMPARE(got.at(4), added);
    QCOMPARE(LayoutStore::hasUser(QStringLiteral("TdwFrmgrid")), user);
    LayoutStore::setUserStoreFile(QString());
}

void TestGridLayout::handWrittenSectionIsReadFieldByField()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Grid.ini"));
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[Dwxx]\ncolumns\\size=4\ncolumns\\1\\field=dwjc\ncolumns\\1\\width=-5\n"
            "columns\\2\\field=nonsense\ncolumns\\3\\width=70\ncolumns\\4\\field=idbh\n"
            "columns\\4\\width=abc\ncolumns\\4\\visible=F\n");
    f.close();
    const auto stored = LayoutStore::readSection(file, QStringLiteral("dwxx"));
    QVERIFY(stored);
    const auto got = LayoutStore::merge(designed(), *stored);
    QCOMPARE(got.size(), 4);
    QCOMPARE(got.at(0).field, QStringLiteral("dwjc"));
    QCOMPARE(got.at(0).width, 90); // nonsense width keeps the designed one
    QCOMPARE(got.at(1).field, QStringLiteral("idbh"));
    QCOMPARE(got.at(1).visible, false);
    QCOMPARE(got.at(2).field, QStringLiteral("dwmc"));
}

void TestGridLayout::missingOrBrokenStoreKeepsDesign()
{
    QTemporaryDir dir;
    QVERIFY(!LayoutStore::readSection(dir.filePath(QStringLiteral("none.ini")),
                                      QStringLiteral("dwxx")));
    const QString file = dir.filePath(QStringLiteral("Grid.ini"));
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("\x01\x02garbage without sections\n[other]\nx=1\n");
    f.close();
    QVERIFY(!LayoutStore::readSection(file, QStringLiteral("dwxx")));
    LayoutStore::setUserStoreFile(dir.filePath(QStringLiteral("absent/user.ini")));
    QVERIFY(!LayoutStore::readUser(QStringLiteral("TdwFrmgrid")));
    LayoutStore::setUserStoreFile(QString());
}

void TestGridLayout::userValueFormat()
{
    ColumnLayout c;
    c.field = QStringLiteral("idbh");
    c.width = 60;
    c.title = QStringLiteral("编号");
    c.footerType = 3;
    const QString v = LayoutStore::encodeUserValue(c);
    const QStringList f = v.split(QLatin1Char('@'));
    QCOMPARE(f.size(), 13);
    const int widths[13] = {12, 4, 2, 80, 12, 20, 2, 2, 5, 12, 5, 2, 15};
    for (int i = 0; i < 13; ++i)
        QCOMPARE(f.at(i).size(), widths[i]);
    QCOMPARE(f.at(2), QStringLiteral("T "));
    QCOMPARE(f.at(8), QStringLiteral("FALSE"));
    QCOMPARE(LayoutStore::decodeUserValue(v), c);
    // A width that does not parse reads as 60; an empty title as the field name.
    const ColumnLayout d = LayoutStore::decodeUserValue(QStringLiteral("lxr@x@F@@@@@@@@@@"));
    QCOMPARE(d.width, 60);
    QCOMPARE(d.title, QStringLiteral("lxr"));
    QCOMPARE(d.visible, false);
}

QTEST_GUILESS_MAIN(TestGridLayout)
#include "tst_gridlayout.moc"
