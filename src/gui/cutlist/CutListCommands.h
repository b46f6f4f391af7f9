#pragma once

#include <QObject>

namespace corvane {

class DesignSurface;
class CutListPanel;

// "Print Cut List" and "Save Cut List as CSV".
class CutListCommands : public QObject {
    Q_OBJECT

public:
    CutListCommands(DesignSurface& view, CutListPanel& panel);

    void printCutList();
    bool saveCutListCsv();

    // The cut list as a printable document: the summary first, then the rows.
    QString html() const;

private:
    bool showRefusal() const;

    DesignSurface& view_;
    CutListPanel& panel_;
};

}  // namespace corvane
