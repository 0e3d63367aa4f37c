#include "support/ScriptedPrompter.h"

ScriptedPrompter::ScriptedPrompter()
{
    Prompter::install(this);
}

ScriptedPrompter::~ScriptedPrompter()
{
    Prompter::install(nullptr);
}

QStringList ScriptedPrompter::texts() const
{
    QStringList out;
    for (const auto& p : m_prompts)
        out << p.text;
    return out;
}

PromptButton ScriptedPrompter::message(const Prompt& prompt)
{
    m_prompts << prompt;
    if (!m_answers.isEmpty())
        return m_answers.dequeue();
    for (PromptButton b :
         {PromptButton::Ok, PromptButton::Yes, PromptButton::Cancel, PromptButton::No})
        if (prompt.buttons.testFlag(b))
            return b;
    return PromptButton::Ok;
}

std::optional<QString> ScriptedPrompter::selectFolder(const QString& title, const QString&)
{
    m_prompts << Prompt{title, QStringLiteral("folder"), PromptIcon::None, PromptButton::Ok};
    return m_folders.isEmpty() ? std::nullopt : m_folders.dequeue();
}

std::optional<QString> ScriptedPrompter::openFileName(const QString& caption, const QString&,
                                                      const QString&)
{
    m_prompts << Prompt{caption, QStringLiteral("open"), PromptIcon::None, PromptButton::Ok};
    return m_files.isEmpty() ? std::nullopt : m_files.dequeue();
}

std::optional<QString> ScriptedPrompter::saveFileName(const QString& caption, const QString&,
                                                      const QString&)
{
    m_prompts << Prompt{caption, QStringLiteral("save"), PromptIcon::None, PromptButton::Ok};
    return m_files.isEmpty() ? std::nullopt : m_files.dequeue();
}
