#include "ScriptedDialogs.h"

#include <QtTest>

namespace corvane::test {

ScriptedDialogs::ScriptedDialogs() {
    DialogService::install(this);
}

ScriptedDialogs::~ScriptedDialogs() {
    DialogService::install(nullptr);
}

int ScriptedDialogs::unusedAnswers() const {
    return int(fileAnswers.size() + colorAnswers.size() + dialogAnswers.size() +
               printerAnswers.size() + saveChangesAnswers.size());
}

QString ScriptedDialogs::chooseFile(QWidget*, const FileDialogRequest& request) {
    fileRequests.append(request);
    if (fileAnswers.empty()) {
        ++unexpected;
        return {};
    }
    QString answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

std::optional<QColor> ScriptedDialogs::chooseColor(QWidget*) {
    ++colorRequests;
    if (colorAnswers.empty()) {
        ++unexpected;
        return std::nullopt;
    }
    std::optional<QColor> answer = colorAnswers.front();
    colorAnswers.pop_front();
    return answer;
}

void ScriptedDialogs::showMessage(QWidget*, const QString& text) {
    messages.append(text);
}

int ScriptedDialogs::runDialog(QDialog& dialog) {
    dialogTitles.append(dialog.windowTitle());
    if (dialogAnswers.empty()) {
        ++unexpected;
        return QDialog::Rejected;
    }
    auto answer = dialogAnswers.front();
    dialogAnswers.pop_front();
    return answer(dialog);
}

bool ScriptedDialogs::choosePrinter(QPrinter& printer, QWidget*) {
    ++printerRequests;
    if (printerChoice) {
        printerChoice(printer);
    }
    if (printerAnswers.empty()) {
        ++unexpected;
        return false;
    }
    const bool answer = printerAnswers.front();
    printerAnswers.pop_front();
    return answer;
}

SaveChangesAnswer ScriptedDialogs::askSaveChanges(QWidget*) {
    if (saveChangesAnswers.empty()) {
        ++unexpected;
        return SaveChangesAnswer::Cancel;
    }
    const SaveChangesAnswer answer = saveChangesAnswers.front();
    saveChangesAnswers.pop_front();
    return answer;
}

}  // namespace corvane::test
