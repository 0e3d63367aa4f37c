#include "ui/TFrmSetColumn.h"

#include "platform/LayoutStore.h"
#include "ui/DataGrid.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

TFrmSetColumn::TFrmSetColumn(DataGrid* grid, QWidget* parent)
    : QDialog(parent ? parent : grid), m_grid(grid), m_list(new QListWidget(this)),
      m_title(new QLineEdit(this)), m_autoSave(new QCheckBox(QStringLiteral("自动存盘"), this)),
      m_ok(new QPushButton(QStringLiteral("确认"), this)),
      m_apply(new QPushButton(QStringLiteral("应用"), this))
{
    setObjectName(QStringLiteral("TFrmSetColumn"));
    setWindowTitle(QStringLiteral("设置表格列属性"));
    m_list->setObjectName(QStringLiteral("columnList"));
    m_title->setObjectName(QStringLiteral("columnTitle"));
    m_autoSave->setObjectName(QStringLiteral("autoSave"));
    m_autoSave->setToolTip(QStringLiteral("自动保存格式至注册表中"));
    auto* cancel = new QPushButton(QStringLiteral("取消"), this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("表格列列表:"), this));
    layout->addWidget(m_list);
    auto* titleRow = new QHBoxLayout;
    titleRow->addWidget(new QLabel(QStringLiteral("列标题:"), this));
    titleRow->addWidget(m_title);
    layout->addLayout(titleRow);
    layout->addWidget(m_autoSave);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_apply);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    // the columns as the grid shows them
    const QHeaderView* h = grid->view()->horizontalHeader();
    for (int v = 0; v < h->count(); ++v) {
        const int i = h->logicalIndex(v);
        const GridColumn& c = grid->model()->columns().at(i);
        m_fields << c.field;
        m_titles << c.title;
        auto* item = new QListWidgetItem(c.field, m_list);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(h->isSectionHidden(i) ? Qt::Unchecked : Qt::Checked);
    }
    m_autoSave->setChecked(LayoutStore::hasUser(grid->gridKey()));
    m_ok->setEnabled(false);
    m_apply->setEnabled(false);

    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        storeTitle();
        m_titleRow = row;
        m_title->setText(m_titles.value(row));
        m_title->setModified(false);
    });
    connect(m_list, &QListWidget::itemChanged, this, &TFrmSetColumn::changed);
    connect(m_title, &QLineEdit::textEdited, this, &TFrmSetColumn::changed);
    connect(m_title, &QLineEdit::editingFinished, this, &TFrmSetColumn::storeTitle);
    connect(m_apply, &QPushButton::clicked, this, &TFrmSetColumn::apply);
    connect(m_ok, &QPushButton::clicked, this, &TFrmSetColumn::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFrmSetColumn::storeTitle()
{
    if (m_titleRow >= 0 && m_titleRow < m_titles.size() && m_title->isModified()) {
        m_titles[m_titleRow] = m_title->text();
        m_title->setModified(false);
    }
}

void TFrmSetColumn::changed()
{
    m_ok->setEnabled(true);
    m_apply->setEnabled(true);
}

void TFrmSetColumn::apply()
{
    storeTitle();
    for (int row = 0; row < m_fields.size(); ++row) {
        const int column = m_grid->model()->columnOf(m_fields.at(row));
        if (column < 0)
            continue;
        m_grid->setColumnVisible(column, m_list->item(row)->checkState() == Qt::Checked);
        if (!m_titles.at(row).trimmed().isEmpty())
            m_grid->setColumnTitle(column, m_titles.at(row));
    }
    m_apply->setEnabled(false);
}

void TFrmSetColumn::confirm()
{
    if (m_apply->isEnabled())
        apply();
    if (m_autoSave->isChecked())
        m_grid->saveUserLayout();
    accept();
}
