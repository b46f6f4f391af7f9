#pragma once

#include <QColor>
#include <QString>

#include <optional>

class QDialog;
class QPrinter;
class QWidget;

namespace corvane {

struct FileDialogRequest {
    QString filter;         // "Description|pattern|...||" as the commands state it
    QString defaultSuffix;  // without the dot
    bool forSaving = true;  // save dialogs ask before replacing a file
};

enum class SaveChangesAnswer { Save, Discard, Cancel };

// Every user-facing dialog the program opens goes through here, so that
// tests can answer them without a person. DialogService::instance() is the
// real one unless a test installs its own.
class DialogService {
public:
    virtual ~DialogService();

    static DialogService& instance();
    // Installs a replacement (nullptr restores the real dialogs).
    static void install(DialogService* service);

    // Full path chosen, or empty when cancelled.
    virtual QString chooseFile(QWidget* parent, const FileDialogRequest& request) = 0;
    // The colour picked, or nothing when cancelled.
    virtual std::optional<QColor> chooseColor(QWidget* owner) = 0;
    // A modal message with one OK button and the exclamation icon, captioned "Corvane07".
    virtual void showMessage(QWidget* parent, const QString& text) = 0;
    // Runs one of the program's own modal dialogs; returns its result code.
    virtual int runDialog(QDialog& dialog) = 0;
    // The print dialog; true when the user confirmed.
    virtual bool choosePrinter(QPrinter& printer, QWidget* owner) = 0;
    virtual SaveChangesAnswer askSaveChanges(QWidget* parent) = 0;
};

// Converts "Desc (*.a)|*.a|All Files (*.*)|*.*||" to Qt's "Desc (*.a);;All Files (*.*)".
QString QtFilterFromBarNotation(const QString& filter);

}  // namespace corvane
