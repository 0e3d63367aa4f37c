#include "ui/EnterToNextFilter.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <algorithm>

EnterToNextFilter::EnterToNextFilter(QWidget* dialog, QAbstractButton* confirm)
    : QObject(dialog), m_dialog(dialog), m_confirm(confirm)
{
}

EnterToNextFilter* EnterToNextFilter::install(QWidget* dialog, QAbstractButton* confirm)
{
    auto* f = new EnterToNextFilter(dialog, confirm);
    // Key presses reach the focused child first; watch every current child.
    for (QWidget* w : dialog->findChildren<QWidget*>())
        w->installEventFilter(f);
    return f;
}

void EnterToNextFilter::addConfirmingField(QWidget* field)
{
    m_confirmingFields << field;
}

QWidget* EnterToNextFilter::nextField(QWidget* field) const
{
    QWidget* next = field->nextInFocusChain();
    while (next && next != field) {
        // The parts of a compound control (an editable combo box's edit) are not fields.
        if (next->isVisible() && next->isEnabled() && (next->focusPolicy() & Qt::TabFocus) &&
            m_dialog->isAncestorOf(next) && !field->isAncestorOf(next))
            return next;
        next = next->nextInFocusChain();
    }
    return nullptr;
}

bool EnterToNextFilter::isLastField(QWidget* field) const
{
    // The next focusable control in tab order is a button, or there is none.
    QWidget* next = nextField(field);
    return !next || qobject_cast<QAbstractButton*>(next) != nullptr;
}

bool EnterToNextFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    auto* w = qobject_cast<QWidget*>(watched);
    // Buttons keep their Enter, and so does a combo box's open list (a window of its own).
    if (!w || qobject_cast<QAbstractButton*>(w) || w->window() != m_dialog->window())
        return false;
    // A multi-line editor keeps Enter for its line breaks; Ctrl+Enter moves on from it.
    const bool multiLine = qobject_cast<QTextEdit*>(w) || qobject_cast<QPlainTextEdit*>(w);
    if ((key->modifiers() & ~Qt::KeypadModifier) !=
        (multiLine ? Qt::ControlModifier : Qt::NoModifier))
        return false;
    if (auto* combo = qobject_cast<QComboBox*>(w); combo && combo->view()->isVisible())
        return false;
    const bool confirming = std::any_of(m_confirmingFields.begin(), m_confirmingFields.end(),
                                        [w](const QPointer<QWidget>& f) { return f == w; });
    if (m_confirm && (confirming || isLastField(w))) {
        if (m_confirm->isEnabled())
            m_confirm->click();
        return true;
    }
    if (QWidget* next = nextField(w))
        next->setFocus(Qt::TabFocusReason);
    return true;
}
