#pragma once

#include <QImage>
#include <QObject>
#include <QSize>

class QPainter;
class QPrinter;

namespace corvane {

class DesignSurface;

// "Print" and the seven "Scale Printout" commands.
class PrintCommands : public QObject {
    Q_OBJECT

public:
    explicit PrintCommands(DesignSurface& view);

    // Only stores the factor: no printing, no repaint, no status text.
    void setPrintScale(double scale);
    // One page with the view's picture, stretched to true size and centred.
    void print();

private:
    // From the started job to the end of the document.
    void printPage(QPrinter& printer, QPainter& painter);
    // "Print to file": the page goes into a PDF saved like any other file.
    void printToPdfFile(const QPrinter& printer);
    // The view's picture, repainted without the outline, onto the page.
    void drawPage(QPainter& painter, QSize printableArea);
    // The view's picture as it shows without the outline, repainted before and after.
    void fail(const char* message);

    DesignSurface& view_;
};

}  // namespace corvane
