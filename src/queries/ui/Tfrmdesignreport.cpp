#include "queries/ui/Tfrmdesignreport.h"

#include "platform/Prompter.h"
#include "platform/ReportSampleData.h"
#include "platform/ReportTemplates.h"
#include "platform/ui/ReportUi.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

Tfrmdesignreport::Tfrmdesignreport(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tfrmdesignreport"));
    setWindowTitle(QStringLiteral("报表编辑"));
    resize(560, 380);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("ListView1"));
    m_list->setViewMode(QListView::IconMode);
    m_list->setIconSize(QSize(64, 64));
    m_list->setResizeMode(QListView::Adjust);
    m_list->setMovement(QListView::Static);
    m_list->setWordWrap(true);
    m_list->setGridSize(QSize(120, 100));
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] { ListView1DblClick(); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    if (const QScreen* s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
}

void Tfrmdesignreport::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
}

void Tfrmdesignreport::FormShow()
{
    m_list->clear();
    const QIcon icon = style()->standardIcon(QStyle::SP_FileIcon);
    // the order the file system returns; a failure to list leaves the list empty
    const QDir dir(ReportTemplates::folder());
    const QStringList files = dir.entryList({QStringLiteral("*.rmf")}, QDir::Files, QDir::Unsorted);
    for (const QString& f : files)
        m_list->addItem(new QListWidgetItem(icon, f));
}

void Tfrmdesignreport::ListView1DblClick()
{
    const QListWidgetItem* item = m_list->currentItem();
    if (!item || !item->isSelected() || item->text().isEmpty())
        return;
    QString why;
    if (!m_report.loadFromFile(QDir(ReportTemplates::folder()).filePath(item->text()), &why)) {
        ShowErrorBox(why, QStringLiteral("错误信息"));
        return;
    }
    // sample rows, so that fields can be inserted from the datasets the templates read
    ReportTemplate loaded = m_report.layoutTemplate();
    ReportSampleData::bind(m_report);
    m_report.setTemplate(loaded);
    ReportUi::design(m_report, this);
}
