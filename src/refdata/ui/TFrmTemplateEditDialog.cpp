#include "refdata/ui/TFrmTemplateEditDialog.h"

#include "platform/EditRecord.h"
#include "platform/Prompter.h"
#include "ui/EnterToNextFilter.h"
#include "ui/RecordBinder.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <exception>

TFrmTemplateEditDialog::TFrmTemplateEditDialog(QWidget* parent)
    : QDialog(parent), m_client(new QWidget(this)), m_panel(new QFrame(this)),
      m_bevel(new QFrame(m_panel)), m_post(new QPushButton(QStringLiteral("确定(&S)"), m_panel)),
      m_cancel(new QPushButton(QStringLiteral("撤销(&Z)"), m_panel)),
      m_close(new QPushButton(QStringLiteral("关闭(&Q)"), m_panel))
{
    setObjectName(QStringLiteral("TFrmTemplateEditDialog"));
    // No close button on the title bar: only the dialog's own buttons and keys close it.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint);
    setFixedSize(699, 357);

    m_client->setObjectName(QStringLiteral("ClientArea"));
    m_panel->setObjectName(QStringLiteral("Panel99"));
    m_panel->setFrameStyle(QFrame::NoFrame);
    m_panel->setFixedHeight(45);
    m_bevel->setObjectName(QStringLiteral("Bevel1"));
    m_bevel->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    m_post->setObjectName(QStringLiteral("BtnPost"));
    m_post->setToolTip(QStringLiteral("保存当前记录并开始录入下一条记录"));
    m_cancel->setObjectName(QStringLiteral("BtnCancel"));
    m_cancel->setToolTip(QStringLiteral("撤销当前记录并重新开始录入"));
    m_close->setObjectName(QStringLiteral("BtnClose"));
    m_close->setToolTip(QStringLiteral("不保存当前正在编辑得记录关闭编辑窗口"));
    for (QPushButton* b : {m_post, m_cancel, m_close})
        b->setFixedSize(75, 25);
    m_panel->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_client, 1);
    layout->addWidget(m_panel);

    connect(m_post, &QPushButton::clicked, this, [this] { BtnPostClick(); });
    connect(m_cancel, &QPushButton::clicked, this, [this] { BtnCancelClick(); });
    connect(m_close, &QPushButton::clicked, this, [this] { BtnCloseClick(); });
}

void TFrmTemplateEditDialog::layOutButtons()
{
    const int w = m_panel->width();
    m_bevel->setGeometry(15, 0, w - 30, 2);
    const int y = (m_panel->height() - m_close->height()) / 2;
    m_close->move(w - m_close->width() - 10, y);
    m_cancel->move(m_close->x() - m_cancel->width() - 10, y);
    m_post->move(m_cancel->x() - m_post->width() - 10, y);
}

bool TFrmTemplateEditDialog::prepareEditing()
{
    if (m_prepared)
        return true;
    // The first control must be a bound edit, memo or combo box; its record is the one edited.
    QWidget* first = m_first;
    if (first && (qobject_cast<QLineEdit*>(first) || qobject_cast<QPlainTextEdit*>(first) ||
                  qobject_cast<QComboBox*>(first)))
        m_record = RecordBinder::recordOf(first);
    if (!m_record) {
        ShowErrorBox(InitFailedText, QStringLiteral("错误信息"));
        return false;
    }
    m_prepared = true;
    // Buttons come after the derived dialog's controls in the tab order.
    QWidget* last = nullptr;
    for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain())
        if (m_client->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy())
            last = w;
    if (last) {
        QWidget::setTabOrder(last, m_post);
        QWidget::setTabOrder(m_post, m_cancel);
        QWidget::setTabOrder(m_cancel, m_close);
    }
    // The dialog sees every key first.
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);
    EnterToNextFilter::install(this);
    return true;
}

int TFrmTemplateEditDialog::exec()
{
    if (!prepareEditing())
        return Rejected;
    return QDialog::exec();
}

void TFrmTemplateEditDialog::setVisible(bool visible)
{
    if (visible && !prepareEditing())
        return;
    QDialog::setVisible(visible);
    if (visible && m_first)
        m_first->setFocus(Qt::OtherFocusReason);
}

void TFrmTemplateEditDialog::BtnPostClick()
{
    if (!m_record)
        return;
    // The control being left hands over its text before the row is written.
    if (m_first)
        m_first->setFocus(Qt::OtherFocusReason);
    if (m_record->isEditing()) {
        try {
            m_record->post();
        } catch (const std::exception& e) {
            ShowErrorBox(PostFailedText + QString::fromStdString(e.what()),
                         QStringLiteral("错误信息"));
            return;
        }
    }
    m_record->append();
}

void TFrmTemplateEditDialog::BtnCancelClick()
{
    if (!m_record || !m_record->isEditing())
        return;
    // Undoing a new row starts a new empty one, so that what is typed next is a new row and
    // never a change to the row shown before it.
    const bool inserting = m_record->state() == EditRecord::State::Insert;
    m_record->cancel();
    if (inserting)
        m_record->append();
    if (m_first)
        m_first->setFocus(Qt::OtherFocusReason);
}

void TFrmTemplateEditDialog::BtnCloseClick()
{
    try {
        if (m_record && m_record->isEditing())
            m_record->cancel();
    } catch (...) {
        // The dialog closes whatever the cancel did.
    }
    done(Rejected);
}

void TFrmTemplateEditDialog::closeEvent(QCloseEvent* event)
{
    // The title bar, Alt+F4 and the window system do not close it.
    event->ignore();
}

QPushButton* TFrmTemplateEditDialog::buttonForKey(const QKeyEvent* key) const
{
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    if (key->key() == Qt::Key_Escape && mods == Qt::NoModifier)
        return m_close;
    // Ctrl alone: with Shift or Alt the keys do nothing here.
    if (mods != Qt::ControlModifier)
        return nullptr;
    switch (key->key()) {
    case Qt::Key_S:
        return m_post;
    case Qt::Key_Z:
        return m_cancel;
    case Qt::Key_Q:
        return m_close;
    default:
        return nullptr;
    }
}

void TFrmTemplateEditDialog::keyPressEvent(QKeyEvent* event)
{
    if (QPushButton* b = buttonForKey(event))
        b->click();
    else
        QDialog::keyPressEvent(event);
}

bool TFrmTemplateEditDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_panel && event->type() == QEvent::Resize) {
        layOutButtons();
    } else if ((event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) &&
               static_cast<QWidget*>(watched)->window() == this) {
        // (A combo box's open list is a window of its own and keeps its keys.)
        // Claimed before any control's own use of the key (a line edit's Ctrl+Z undo) or any
        // shortcut, and clicked when the key arrives.
        auto* key = static_cast<QKeyEvent*>(event);
        if (QPushButton* b = buttonForKey(key)) {
            if (event->type() == QEvent::KeyPress)
                b->click();
            else
                key->accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
