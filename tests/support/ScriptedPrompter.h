#pragma once

#include "platform/Prompter.h"

#include <QQueue>

// Records every prompt and answers from queues; installs itself for its lifetime.
// A question with no queued answer gets its first button, so a test that forgets to queue one
// still finishes; the record shows what was asked.
class ScriptedPrompter : public Prompter
{
public:
    ScriptedPrompter();
    ~ScriptedPrompter() override;

    void queueAnswer(PromptButton b) { m_answers.enqueue(b); }
    void queueFolder(std::optional<QString> f) { m_folders.enqueue(std::move(f)); }
    void queueFileName(std::optional<QString> f) { m_files.enqueue(std::move(f)); }

    const QList<Prompt>& prompts() const { return m_prompts; }
    QStringList texts() const;
    void clear() { m_prompts.clear(); }

    PromptButton message(const Prompt& prompt) override;
    std::optional<QString> selectFolder(const QString& title, const QString& initial) override;
    std::optional<QString> openFileName(const QString& caption, const QString& dir,
                                        const QString& filter) override;
    std::optional<QString> saveFileName(const QString& caption, const QString& path,
                                        const QString& filter) override;

private:
    QList<Prompt> m_prompts;
    QQueue<PromptButton> m_answers;
    QQueue<std::optional<QString>> m_folders;
    QQueue<std::optional<QString>> m_files;
};
