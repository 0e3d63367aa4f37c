#pragma once

#include <functional>
#include <memory>

class TFlashShow;
class TMain;

// The start-up sequence: splash, connection (offering set-up for a folder without a database),
// main window, login, fade, main window shown. The login and the set-up offer can be replaced
// so that a test drives them.
class Startup
{
public:
    Startup();
    ~Startup();

    // Runs the dialogs; true when the program goes on to the event loop.
    std::function<bool(TMain&)> login;
    std::function<bool()> offerSetup;

    bool run();

    TFlashShow* splash() const { return m_splash.get(); }
    TMain* mainWindow() const { return m_main.get(); }
    std::unique_ptr<TMain> takeMainWindow();

private:
    void connect();

    std::unique_ptr<TFlashShow> m_splash;
    std::unique_ptr<TMain> m_main;
};
