#pragma once

#include <QTemporaryDir>

namespace corvane::test {

// Gives a test process its own settings store and a fresh model, so tests
// never read or write the user's real settings.
class TestEnvironment {
public:
    TestEnvironment();
    QString tempPath(const QString& name) const;

    // Puts the process-wide model back to a freshly started design.
    static void resetModel();

private:
    QTemporaryDir dir_;
};

}  // namespace corvane::test
