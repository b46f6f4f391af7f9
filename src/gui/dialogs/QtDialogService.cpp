#include "QtDialogService.h"

#include "AppTexts.h"

#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace corvane {

namespace {

// The picker's custom slots start white and last while the program runs.
void initCustomColorsOnce() {
    static bool done = false;
    if (done) {
        return;
    }
    for (int i = 0; i < QColorDialog::customCount(); ++i) {
        QColorDialog::setCustomColor(i, Qt::white);
    }
    done = true;
}

}  // namespace

QString QtDialogService::chooseFile(QWidget* parent, const FileDialogRequest& request) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(request.forSaving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.forSaving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(QtFilterFromBarNotation(request.filter));
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

std::optional<QColor> QtDialogService::chooseColor(QWidget* owner) {
    initCustomColorsOnce();
    QColorDialog dialog(owner);
    if (owner != nullptr) {
        QWidget* frame = owner->window();
        dialog.move(frame->frameGeometry().topLeft() + QPoint(20, 20));
    }
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.selectedColor();
}

void QtDialogService::showMessage(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Warning, QString::fromLatin1(kAppTitle), text, QMessageBox::Ok,
                    parent);
    box.exec();
}

int QtDialogService::runDialog(QDialog& dialog) {
    return dialog.exec();
}

bool QtDialogService::choosePrinter(QPrinter& printer, QWidget* owner) {
    QPrintDialog dialog(&printer, owner);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    return dialog.exec() == QDialog::Accepted;
}

SaveChangesAnswer QtDialogService::askSaveChanges(QWidget* parent) {
    QMessageBox box(QMessageBox::Question, QString::fromLatin1(kAppTitle),
                    QStringLiteral("Save changes to this design?"),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
        case QMessageBox::Save:
            return SaveChangesAnswer::Save;
        case QMessageBox::Discard:
            return SaveChangesAnswer::Discard;
        default:
            return SaveChangesAnswer::Cancel;
    }
}

}  // namespace corvane
