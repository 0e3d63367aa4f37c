#pragma once

#include "platform/Prompter.h"

class QWidget;

// The prompt service of the desktop program: real message boxes and file dialogs, owned by the
// active window.
class QtPrompter : public Prompter
{
public:
    PromptButton message(const Prompt& prompt) override;
    std::optional<QString> selectFolder(const QString& title, const QString& initial) override;
    std::optional<QString> openFileName(const QString& caption, const QString& dir,
                                        const QString& filter) override;
    std::optional<QString> saveFileName(const QString& caption, const QString& path,
                                        const QString& filter) override;
};
