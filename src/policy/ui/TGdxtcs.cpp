#include "policy/ui/TGdxtcs.h"

#include "policy/YearParameterService.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TGdxtcs::TGdxtcs(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TGdxtcs"));
    setWindowTitle(QStringLiteral("当前年度"));
    auto* year = new QLineEdit(YearParameterService::currentYear(), this);
    year->setObjectName(QStringLiteral("DBEdit1"));
    year->setEnabled(false);
    auto* back = new QPushButton(QStringLiteral("返回"), this);
    back->setObjectName(QStringLiteral("btnCancel"));
    connect(back, &QPushButton::clicked, this, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("当前年度："), this));
    row->addWidget(year);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(back, 0, Qt::AlignRight);
}
