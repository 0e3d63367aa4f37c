#pragma once

#include "platform/Prompter.h"

#include <QString>

// What a service tells its screen after an action: whether it was done, the fixed message to
// show (with its caption and icon) and, for a refusal, the field that gets the focus.
struct ServiceOutcome
{
    bool ok = true;
    QString message;
    QString caption;
    PromptIcon icon = PromptIcon::None;
    QString focus;

    static ServiceOutcome done() { return {}; }
    // Done, with a note for the operator ("提示", information icon).
    static ServiceOutcome doneWithInfo(const QString& text)
    {
        return {true, text, QStringLiteral("提示"), PromptIcon::Information, {}};
    }
    // Refused before any database work ("提示", information icon), focus on the field.
    static ServiceOutcome refused(const QString& text, const QString& field = QString())
    {
        return {false, text, QStringLiteral("提示"), PromptIcon::Information, field};
    }
    // The database refused the change; it was rolled back.
    static ServiceOutcome failed(const QString& text,
                                 const QString& caption = QStringLiteral("提示"),
                                 PromptIcon icon = PromptIcon::Information)
    {
        return {false, text, caption, icon, {}};
    }

    // Shows the message, if any, through the prompt service.
    void show() const
    {
        if (!message.isEmpty())
            ShowMessageBox(message, caption, icon);
    }
};
