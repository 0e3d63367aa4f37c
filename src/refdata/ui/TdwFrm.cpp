#include "refdata/ui/TdwFrm.h"

#include "app/OperatorContext.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "platform/ListPrint.h"
#include "platform/Prompter.h"
#include "refdata/UnitService.h"
#include "refdata/ui/TFrmSjlrDwxx.h"
#include "ui/DataGrid.h"
#include "ui/TMyStatusBar.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {
const QString Caption = QStringLiteral("提示信息");
} // namespace

TdwFrm::TdwFrm(QWidget* parent)
    : QDialog(parent), m_grid(new DataGrid(this)), m_number(new QLineEdit(this)),
      m_name(new QLineEdit(this)), m_status(new TMyStatusBar(this)),
      m_progress(new QProgressBar(this))
{
    setObjectName(QStringLiteral("TdwFrm"));
    setWindowTitle(QStringLiteral("单位信息"));
    resize(960, 600);
    auto* layout = new QVBoxLayout(this);
    auto* toolbar = new QHBoxLayout;
    auto button = [&](const char* text, auto slot) {
        auto* b = new QPushButton(QString::fromUtf8(text), this);
        b->setFlat(true);
        toolbar->addWidget(b);
        connect(b, &QPushButton::clicked, this, slot);
    };
    button("添加", [this] { guarded([this] { addUnits(); }); });
    button("修改", [this] { guarded([this] { editUnit(); }); });
    button("删除", [this] { guarded([this] { deleteUnit(); }); });
    button("打印", &TdwFrm::print);
    button("保存格式", &TdwFrm::saveLayout);
    button("关闭", &QDialog::reject);
    toolbar->addStretch();
    layout->addLayout(toolbar);
    auto* search = new QHBoxLayout;
    m_number->setMaxLength(8);
    m_name->setMaxLength(50);
    search->addWidget(new QLabel(QStringLiteral("单位编号："), this));
    search->addWidget(m_number);
    auto* byNumber = new QPushButton(QStringLiteral("查询"), this);
    search->addWidget(byNumber);
    search->addWidget(new QLabel(QStringLiteral("单位名称："), this));
    search->addWidget(m_name);
    auto* byName = new QPushButton(QStringLiteral("查询"), this);
    search->addWidget(byName);
    auto* all = new QPushButton(QStringLiteral("全部"), this);
    search->addWidget(all);
    layout->addLayout(search);
    m_grid->setReadOnly(true);
    m_grid->setFrozenColumns(3);
    m_grid->setSumExcludedFields({QStringLiteral("idbh")});
    layout->addWidget(m_grid);
    m_status->addPanel(QStringLiteral("提示信息："), 100);
    m_status->addPanel(QString(), 300);
    m_status->addPanel(QString(), 120);
    m_progress->setValue(0);
    m_status->setFillingControl(m_progress);
    layout->addWidget(m_status);
    connect(byNumber, &QPushButton::clicked, this, &TdwFrm::searchByNumber);
    connect(byName, &QPushButton::clicked, this, &TdwFrm::searchByName);
    connect(all, &QPushButton::clicked, this, &TdwFrm::showAll);
    connect(m_grid, &DataGrid::rowActivated, this, [this] { guarded([this] { editUnit(); }); });

    const auto q = UnitService::all();
    load(q.sql, q.values);
    UnitService::logOpened();
    m_grid->prepareColumns(QStringLiteral("Grid.ini"), QStringLiteral("dwxx"));
}

void TdwFrm::load(const QString& sql, const QVariantList& values)
{
    m_grid->setQuery(sql, values, UnitService::columns(), QStringLiteral("idbh"));
}

void TdwFrm::guarded(const std::function<void()>& action)
{
    try {
        action();
    } catch (const DatabaseError&) {
        ShowErrorBox(QStringLiteral("系统出错，请关闭此窗体！"), QStringLiteral("错误信息"));
    }
}

void TdwFrm::searchByNumber()
{
    if (m_number->text().trimmed().isEmpty()) {
        ShowMessageBox(QStringLiteral("请输入单位编号！"), Caption, PromptIcon::Information);
        m_number->setFocus();
        return;
    }
    const auto q = UnitService::byNumber(m_number->text());
    if (!q) {
        ShowMessageBox(QStringLiteral("单位编号只能是数字！"), Caption, PromptIcon::Information);
        m_number->setFocus();
        return;
    }
    load(q->sql, q->values);
}

void TdwFrm::searchByName()
{
    if (m_name->text().trimmed().isEmpty()) {
        ShowMessageBox(QStringLiteral("请输入单位名称，支持模糊查询！"), Caption,
                       PromptIcon::Information);
        m_name->setFocus();
        return;
    }
    const auto q = UnitService::byName(m_name->text());
    load(q.sql, q.values);
}

void TdwFrm::showAll()
{
    const auto q = UnitService::all();
    load(q.sql, q.values);
}

void TdwFrm::addUnits()
{
    TFrmSjlrDwxx editor(0, m_grid, this);
    editor.exec();
    m_grid->refresh();
}

void TdwFrm::editUnit()
{
    const int row = m_grid->currentRow();
    if (row < 0)
        return;
    TFrmSjlrDwxx editor(m_grid->currentValue(QStringLiteral("idbh")).toLongLong(), m_grid, this);
    editor.exec();
    m_grid->refresh();
    m_grid->setCurrentRow(row);
}

void TdwFrm::deleteUnit()
{
    if (m_grid->currentRow() < 0)
        return;
    if (ShowMessageBox(QStringLiteral("是否删除选定的单位信息?"), Caption, PromptIcon::Question,
                       PromptButton::Ok | PromptButton::Cancel) != PromptButton::Ok)
        return;
    // The key of the current row, wherever the operator moved its column.
    const qint64 id = m_grid->currentValue(QStringLiteral("idbh")).toLongLong();
    if (UnitService::remove(id) == UnitService::DeleteResult::HasPersons) {
        ShowMessageBox(
            QStringLiteral(
                "该单位有人员信息，不能进行删除。请删除该单位所有人员后再重新进行操作！"),
            Caption, PromptIcon::Question);
        return;
    }
    m_grid->refresh();
}

void TdwFrm::saveLayout()
{
    if (m_grid->saveLayout(QStringLiteral("Grid.ini"), QStringLiteral("dwxx")))
        ShowMessageBox(QStringLiteral("显示格式保存成功！"), Caption, PromptIcon::Information);
    else
        ShowMessageBox(QStringLiteral("显示格式保存失败！稍候重试！"), Caption,
                       PromptIcon::Information);
}

ListPrintJob TdwFrm::printJob() const
{
    // footer style, the heading in the page header in 14 points
    ListPrintJob job;
    job.heading = OperatorContext::current().organizationName + QStringLiteral("单位信息");
    job.headingPointSize = 14;
    job.operatorLine = QStringLiteral("操作员：") + OperatorContext::current().operatorName +
                       QStringLiteral("   日期：") +
                       Clock::today().toString(QStringLiteral("yyyy-MM-dd"));
    return m_grid->printJob(job);
}

void TdwFrm::print()
{
    guarded([this] { m_grid->printPreview(printJob()); });
}

QDialog* createTdwFrm(QWidget* parent)
{
    return new TdwFrm(parent);
}
