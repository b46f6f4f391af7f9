#include "CutListCommands.h"

#include "AtomicFileWriter.h"
#include "CommandIds.h"
#include "CutListPanel.h"
#include "DesignFile.h"
#include "DesignSurface.h"
#include "DialogService.h"
#include "PdfDocument.h"

#include <QPrinter>
#include <QTextDocument>

namespace corvane {

namespace {

QString escaped(const std::string& text) {
    return QString::fromLatin1(text.data(), qsizetype(text.size())).toHtmlEscaped();
}

QString htmlTable(const CutListTable& table) {
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">");
    for (size_t r = 0; r < table.size(); ++r) {
        const QString cell = r == 0 ? QStringLiteral("th") : QStringLiteral("td");
        html += QStringLiteral("<tr>");
        for (const std::string& text : table[r]) {
            html += QStringLiteral("<%1>%2</%1>").arg(cell, escaped(text));
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

}  // namespace

CutListCommands::CutListCommands(DesignSurface& view, CutListPanel& panel)
    : QObject(&view), view_(view), panel_(panel) {
    view_.commands().add(cmd::PrintCutList, [this] { printCutList(); });
    view_.commands().add(cmd::SaveCutListCsv, [this] { saveCutListCsv(); });
}

QString CutListCommands::html() const {
    const CutList list = panel_.currentList();
    const LengthUnit unit = panel_.unit();
    return QStringLiteral(
               "<h2>Cut List</h2><p>Units: %1 &nbsp; Kerf: %2 %1<br>"
               "Miter angle: set on the saw for each end of a segment, measured "
               "from square.</p><h3>Summary per wood</h3>%3<h3>Rows</h3>%4")
        .arg(QString::fromLatin1(UnitLabel(unit)), escaped(FormatLength(list.kerf, unit)),
             htmlTable(CutListSummaryTable(list, unit)), htmlTable(CutListRowTable(list, unit)));
}

// The document flows over as many pages as it needs.
void CutListCommands::printCutList() {
    DialogService& dialogs = DialogService::instance();
    if (showRefusal()) {
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Corvane Cut List"));
    if (!dialogs.choosePrinter(printer, view_.window())) {
        return;
    }
    if (!printer.isValid()) {
        dialogs.showMessage(view_.window(), QStringLiteral("Failed to get printer DC"));
        return;
    }
    QTextDocument document;
    document.setHtml(html());
    if (PdfDocument::isPdfFileOutput(printer)) {
        const AtomicFileWriter::Result saved =
            PdfDocument::print(printer, [&document](QPagedPaintDevice& pages) {
                document.print(&pages);
                return QString();
            });
        if (!saved.ok) {
            dialogs.showMessage(view_.window(), saved.message);
        }
        return;
    }
    document.print(&printer);
    if (printer.printerState() == QPrinter::Error) {
        dialogs.showMessage(view_.window(), QStringLiteral("Failed to end document"));
    }
}

// A design whose diameters give no rings gives no cut list to print or save.
bool CutListCommands::showRefusal() const {
    const std::string refusal = panel_.currentList().refusal;
    if (refusal.empty()) {
        return false;
    }
    DialogService::instance().showMessage(
        view_.window(), QString::fromLatin1(refusal.data(), qsizetype(refusal.size())));
    return true;
}

bool CutListCommands::saveCutListCsv() {
    if (showRefusal()) {
        return false;
    }
    const QString path = DesignFile::chooseCsvSavePath(&view_);
    if (path.isEmpty()) {
        return false;
    }
    DialogService& dialogs = DialogService::instance();
    const std::string text = panel_.csvText();
    const AtomicFileWriter::Result result =
        AtomicFileWriter::write(path, QByteArray(text.data(), qsizetype(text.size())));
    if (!result.ok) {
        dialogs.showMessage(view_.window(), result.message);
        return false;
    }
    dialogs.showMessage(view_.window(), QStringLiteral("Cut list saved successfully."));
    return true;
}

}  // namespace corvane
