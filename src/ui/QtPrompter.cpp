#include "ui/QtPrompter.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {
QWidget* owner()
{
    return QApplication::activeModalWidget() ? QApplication::activeModalWidget()
                                             : QApplication::activeWindow();
}

QMessageBox::Icon icon(PromptIcon i)
{
    switch (i) {
    case PromptIcon::Information:
        return QMessageBox::Information;
    case PromptIcon::Warning:
        return QMessageBox::Warning;
    case PromptIcon::Error:
        return QMessageBox::Critical;
    case PromptIcon::Question:
        return QMessageBox::Question;
    case PromptIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}
} // namespace

PromptButton QtPrompter::message(const Prompt& p)
{
    QMessageBox box(icon(p.icon), p.caption, p.text, QMessageBox::NoButton, owner());
    struct Map
    {
        PromptButton ours;
        QMessageBox::StandardButton theirs;
        const char* text;
    };
    const Map buttons[] = {{PromptButton::Ok, QMessageBox::Ok, "确定"},
                           {PromptButton::Yes, QMessageBox::Yes, "是"},
                           {PromptButton::No, QMessageBox::No, "否"},
                           {PromptButton::Cancel, QMessageBox::Cancel, "取消"}};
    for (const auto& b : buttons)
        if (p.buttons.testFlag(b.ours))
            box.addButton(b.theirs)->setText(QString::fromUtf8(b.text));
    if (box.buttons().isEmpty())
        box.addButton(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    box.exec();
    const auto chosen = box.standardButton(box.clickedButton());
    for (const auto& b : buttons)
        if (b.theirs == chosen)
            return b.ours;
    return p.buttons.testFlag(PromptButton::Cancel) ? PromptButton::Cancel
           : p.buttons.testFlag(PromptButton::No)   ? PromptButton::No
                                                    : PromptButton::Ok;
}

std::optional<QString> QtPrompter::selectFolder(const QString& title, const QString& initial)
{
    const QString dir = QFileDialog::getExistingDirectory(owner(), title, initial);
    if (dir.isEmpty())
        return std::nullopt;
    return dir;
}

std::optional<QString> QtPrompter::openFileName(const QString& caption, const QString& dir,
                                                const QString& filter)
{
    const QString f = QFileDialog::getOpenFileName(owner(), caption, dir, filter);
    if (f.isEmpty())
        return std::nullopt;
    return f;
}

std::optional<QString> QtPrompter::saveFileName(const QString& caption, const QString& path,
                                                const QString& filter)
{
    const QString f = QFileDialog::getSaveFileName(owner(), caption, path, filter);
    if (f.isEmpty())
        return std::nullopt;
    return f;
}
