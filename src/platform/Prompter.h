#pragma once

#include <QFlags>
#include <QList>
#include <QString>
#include <optional>

// The one prompt service: every message box, question, file and folder choice of the program
// goes through the installed Prompter. The desktop program installs one that shows real dialogs;
// tests install a scripted one that records each prompt and answers from a queue.
enum class PromptIcon
{
    None,
    Information,
    Warning,
    Error,
    Question
};

enum class PromptButton
{
    None = 0,
    Ok = 0x1,
    Cancel = 0x2,
    Yes = 0x4,
    No = 0x8,
};
Q_DECLARE_FLAGS(PromptButtons, PromptButton)
Q_DECLARE_OPERATORS_FOR_FLAGS(PromptButtons)

struct Prompt
{
    QString text;
    QString caption;
    PromptIcon icon = PromptIcon::None;
    PromptButtons buttons = PromptButton::Ok;
};

class Prompter
{
public:
    virtual ~Prompter() = default;

    // Shows a message or question; returns the button chosen (Cancel/No when dismissed).
    virtual PromptButton message(const Prompt& prompt) = 0;
    // Folder, open and save choices: nothing when cancelled.
    virtual std::optional<QString> selectFolder(const QString& title, const QString& initial) = 0;
    virtual std::optional<QString> openFileName(const QString& caption, const QString& dir,
                                                const QString& filter) = 0;
    virtual std::optional<QString> saveFileName(const QString& caption, const QString& path,
                                                const QString& filter) = 0;

    // The installed prompter; without one, a console prompter that writes to stderr and
    // answers every question with its negative button.
    static Prompter& instance();
    // Installs a prompter (not owned); nullptr restores the console prompter.
    static void install(Prompter* prompter);
};

// Application message box with caption and buttons.
PromptButton ShowMessageBox(const QString& text, const QString& caption, PromptIcon icon,
                            PromptButtons buttons = PromptButton::Ok);
// Error icon, OK button.
void ShowErrorBox(const QString& text, const QString& caption);
// Caption "提示", information icon, OK button.
void ShowInfo(const QString& text);
// Folder choice; true and path replaced when a folder was chosen.
bool SelectFolder(const QString& title, QString& path);
