#include "ui/CharacterFilter.h"

#include <QKeyEvent>
#include <QWidget>

CharacterFilter::CharacterFilter(QWidget* edit, QString allowed)
    : QObject(edit), m_allowed(std::move(allowed))
{
}

CharacterFilter* CharacterFilter::install(QWidget* edit, const QString& allowed)
{
    auto* f = new CharacterFilter(edit, allowed);
    edit->installEventFilter(f);
    return f;
}

bool CharacterFilter::eventFilter(QObject*, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const QString text = static_cast<QKeyEvent*>(event)->text();
    if (text.isEmpty() || !text.at(0).isPrint())
        return false;
    for (QChar c : text)
        if (!m_allowed.contains(c))
            return true;
    return false;
}
