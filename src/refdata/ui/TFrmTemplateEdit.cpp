#include "refdata/ui/TFrmTemplateEdit.h"

#include "ui/DataGrid.h"

#include <QFrame>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

TFrmTemplateEdit::TFrmTemplateEdit(QWidget* parent)
    : TFrmTemplate1(parent), m_toolBar(new QToolBar(this)), m_panel(new QFrame(this)),
      m_grid(new DataGrid(this))
{
    setObjectName(QStringLiteral("TFrmTemplateEdit"));
    m_toolBar->setObjectName(QStringLiteral("ToolBar1"));
    struct ButtonDef
    {
        const char* name;
        const char* text;
        int tag;
    };
    const ButtonDef buttons[] = {{"SP1", "添加", AddTag},
                                 {"SP2", "删除", DeleteTag},
                                 {"SP3", "修改", EditTag},
                                 {"SB4", "关闭", CloseTag}};
    for (const ButtonDef& d : buttons) {
        auto* b = new QToolButton(m_toolBar);
        b->setObjectName(QString::fromLatin1(d.name));
        b->setText(QString::fromUtf8(d.text));
        b->setProperty("tag", d.tag);
        b->setAutoRaise(true);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        m_toolBar->addWidget(b);
        const int tag = d.tag;
        connect(b, &QToolButton::clicked, this, [this, tag] { ToolButtonClick(tag); });
    }

    m_panel->setObjectName(QStringLiteral("Panel1"));
    m_panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_panel->setFixedHeight(37);

    m_grid->setObjectName(QStringLiteral("DBGridEh1"));
    connect(m_grid, &DataGrid::rowActivated, this, [this] { button(EditTag)->click(); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_panel);
    layout->addWidget(m_grid, 1);
}

QToolButton* TFrmTemplateEdit::button(int tag) const
{
    for (QToolButton* b : m_toolBar->findChildren<QToolButton*>())
        if (b->property("tag").toInt() == tag)
            return b;
    return nullptr;
}

void TFrmTemplateEdit::ToolButtonClick(int tag)
{
    if (tag == CloseTag)
        reject();
}
