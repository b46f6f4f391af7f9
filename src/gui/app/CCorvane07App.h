#pragma once

#include "CommandTarget.h"

#include <memory>

namespace corvane {

class BowlModel;
class CMainFrame;

// The application object: creates the main frame and handles the commands
// that neither the view nor the frame take (help, the looks).
class CCorvane07App {
public:
    explicit CCorvane07App(BowlModel& model);
    ~CCorvane07App();

    // Creates the main frame at its saved placement and shows it.
    bool InitInstance();

    CMainFrame* mainFrame() const { return mainFrame_.get(); }
    CommandTarget& commands() { return commands_; }

private:
    BowlModel& model_;
    CommandTarget commands_;
    std::unique_ptr<CMainFrame> mainFrame_;
};

}  // namespace corvane
