#pragma once

#include "ApplicationLook.h"
#include "CommandTarget.h"

#include <memory>

namespace corvane {

class DesignDocument;
class MainWindow;

// The application object: creates the main frame and handles the commands
// that neither the view nor the frame take (help, the looks).
class Application {
public:
    explicit Application(DesignDocument& document);
    ~Application();

    // Creates the main frame at its saved placement and shows it; false when
    // it could not be shown.
    bool showMainWindow();

    MainWindow* mainWindow() const { return mainWindow_.get(); }
    CommandTarget& commands() { return commands_; }

    // The command id of the current visual style.
    int applicationLook() const { return appLook_; }
    // Switches the visual style and remembers it for the next start.
    void applyLook(int lookId);

private:
    void addCommands();
    void showHelp();
    static int storedLook();

    DesignDocument& document_;
    CommandTarget commands_;
    std::unique_ptr<MainWindow> mainWindow_;
    int appLook_ = ApplicationLook::kDefault;
};

}  // namespace corvane
