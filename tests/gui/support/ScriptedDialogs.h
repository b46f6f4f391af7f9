#pragma once

#include "DialogService.h"

#include <QDialog>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>

namespace corvane::test {

// Answers the program's dialogs from queues that a test fills in advance,
// and records what was asked. An unexpected dialog fails loudly.
class ScriptedDialogs : public DialogService {
public:
    ScriptedDialogs();
    ~ScriptedDialogs() override;

    std::deque<QString> fileAnswers;  // empty string = cancel
    std::deque<std::optional<QColor>> colorAnswers;
    // Each runs against the dialog and returns its result code.
    std::deque<std::function<int(QDialog&)>> dialogAnswers;
    std::deque<bool> printerAnswers;
    // Runs on the printer before each print dialog answers, as the user's
    // choices in the dialog would (printer name, output file).
    std::function<void(QPrinter&)> printerChoice;
    std::deque<SaveChangesAnswer> saveChangesAnswers;

    QStringList messages;
    QList<FileDialogRequest> fileRequests;
    QStringList dialogTitles;
    int colorRequests = 0;
    int printerRequests = 0;
    int unexpected = 0;

    int unusedAnswers() const;

    QString chooseFile(QWidget* parent, const FileDialogRequest& request) override;
    std::optional<QColor> chooseColor(QWidget* owner) override;
    void showMessage(QWidget* parent, const QString& text) override;
    int runDialog(QDialog& dialog) override;
    bool choosePrinter(QPrinter& printer, QWidget* owner) override;
    SaveChangesAnswer askSaveChanges(QWidget* parent) override;
};

}  // namespace corvane::test
