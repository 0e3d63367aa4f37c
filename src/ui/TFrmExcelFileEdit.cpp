#include "ui/TFrmExcelFileEdit.h"

#include "data/TextRoutines.h"
#include "platform/Prompter.h"
#include "ui/EnterToNextFilter.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFrmExcelFileEdit::TFrmExcelFileEdit(const QString& defaultName, QWidget* parent)
    : QDialog(parent), m_name(new QLineEdit(defaultName, this)), m_folder(new QLineEdit(this)),
      m_browse(new QPushButton(QStringLiteral("..."), this)),
      m_ok(new QPushButton(QStringLiteral("确　定"), this))
{
    setObjectName(QStringLiteral("TFrmExcelFileEdit"));
    setWindowTitle(QStringLiteral("导出文件属性"));
    m_browse->setToolTip(QStringLiteral("浏览文件"));
    auto* cancel = new QPushButton(QStringLiteral("取　消"), this);
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("生成的文件名"), this), 0, 0);
    grid->addWidget(m_name, 0, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("保存文件路径："), this), 1, 0);
    grid->addWidget(m_folder, 1, 1);
    grid->addWidget(m_browse, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, 2, 0, 1, 3);
    // Enter: from the name to the folder, from the folder to OK, and on OK it confirms. The
    // filter takes Enter from the edits, so no button is pressed by the dialog behind them.
    setTabOrder(m_name, m_folder);
    setTabOrder(m_folder, m_ok);
    setTabOrder(m_ok, cancel);
    setTabOrder(cancel, m_browse);
    EnterToNextFilter::install(this);
    connect(m_browse, &QPushButton::clicked, this, &TFrmExcelFileEdit::browse);
    connect(m_ok, &QPushButton::clicked, this, &TFrmExcelFileEdit::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString TFrmExcelFileEdit::chosenPath() const
{
    const QString name = m_name->text();
    const bool typed = name.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive) ||
                       name.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive);
    return m_folder->text() + name + (typed ? QString() : QStringLiteral(".xlsx"));
}

void TFrmExcelFileEdit::browse()
{
    QString folder = m_folder->text();
    if (SelectFolder(QStringLiteral("请选择存放目录..."), folder))
        m_folder->setText(WithTrailingBackslash(folder));
    m_folder->setFocus();
}

void TFrmExcelFileEdit::confirm()
{
    if (m_name->text().trimmed().isEmpty() || m_folder->text().trimmed().isEmpty()) {
        ShowInfo(QStringLiteral("请选择文件所在的目录！"));
        m_name->setFocus();
        return;
    }
    accept();
}

std::optional<QString> AskExportFile(const QString& defaultName, QWidget* parent)
{
    TFrmExcelFileEdit dialog(defaultName, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosenPath();
}
