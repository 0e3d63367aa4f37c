#include "platform/Prompter.h"

#include <cstdio>

namespace {
class ConsolePrompter : public Prompter
{
public:
    PromptButton message(const Prompt& p) override
    {
        std::fprintf(stderr, "%s%s%s\n", qPrintable(p.caption), p.caption.isEmpty() ? "" : ": ",
                     qPrintable(p.text));
        for (PromptButton b : {PromptButton::Cancel, PromptButton::No, PromptButton::Ok})
            if (p.buttons.testFlag(b))
                return b;
        return PromptButton::Ok;
    }
    std::optional<QString> selectFolder(const QString&, const QString&) override { return {}; }
    std::optional<QString> openFileName(const QString&, const QString&, const QString&) override
    {
        return {};
    }
    std::optional<QString> saveFileName(const QString&, const QString&, const QString&) override
    {
        return {};
    }
};

Prompter*& current()
{
    static Prompter* p = nullptr;
    return p;
}
} // namespace

Prompter& Prompter::instance()
{
    static ConsolePrompter console;
    return current() ? *current() : console;
}

void Prompter::install(Prompter* prompter)
{
    current() = prompter;
}

PromptButton ShowMessageBox(const QString& text, const QString& caption, PromptIcon icon,
                            PromptButtons buttons)
{
    return Prompter::instance().message({text, caption, icon, buttons});
}

void ShowErrorBox(const QString& text, const QString& caption)
{
    Prompter::instance().message({text, caption, PromptIcon::Error, PromptButton::Ok});
}

void ShowInfo(const QString& text)
{
    Prompter::instance().message(
        {text, QStringLiteral("提示"), PromptIcon::Information, PromptButton::Ok});
}

bool SelectFolder(const QString& title, QString& path)
{
    const auto chosen = Prompter::instance().selectFolder(title, path);
    if (!chosen)
        return false;
    path = chosen->left(260);
    return true;
}
