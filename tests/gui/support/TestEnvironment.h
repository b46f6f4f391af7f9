#pragma once

#include <QTemporaryDir>

namespace corvane {
class DesignDocument;
}

namespace corvane::test {

// Gives a test process its own settings store and a fresh model, so tests
// never read or write the user's real settings.
class TestEnvironment {
public:
    TestEnvironment();
    QString tempPath(const QString& name) const;

    // The design the test process's program works on, and a fresh one in
    // its place (while no window shows it).
    static DesignDocument& document();
    static void resetModel();

private:
    QTemporaryDir dir_;
};

}  // namespace corvane::test
