#pragma once

#include "DialogService.h"

namespace corvane {

// The real dialogs of the platform.
class QtDialogService : public DialogService {
public:
    QString chooseFile(QWidget* parent, const FileDialogRequest& request) override;
    std::optional<QColor> chooseColor(QWidget* owner) override;
    void showMessage(QWidget* parent, const QString& text) override;
    int runDialog(QDialog& dialog) override;
    bool choosePrinter(QPrinter& printer, QWidget* owner) override;
    SaveChangesAnswer askSaveChanges(QWidget* parent) override;
};

}  // namespace corvane
