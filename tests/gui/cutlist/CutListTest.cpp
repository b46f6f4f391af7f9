#include "AppFixture.h"
#include "AppSettings.h"
#include "Application.h"
#include "BowlModel.h"
#include "BoxParameters.h"
#include "CommandIds.h"
#include "CutListPanel.h"
#include "DesignView.h"
#include "LengthField.h"
#include "MainWindow.h"
#include "PreviewDock.h"
#include "PreviewPanel.h"
#include "TestEnvironment.h"
#include "ViewProbe.h"

#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QTableWidget>
#include <QtTest>

#include <cmath>
#include <memory>

using namespace corvane;
using test::ClickView;
using test::SegmentPoint;

namespace {
constexpr int kMaple = 32793;

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
}  // namespace

class CutListTest : public test::AppTestCase {
    Q_OBJECT

    CutListPanel& panel() { return *frame().cutListPanel(); }

    void start() { fixture_.restart(QSize(1400, 800)); }

    // The panel's fields exist once it has been shown.
    QDoubleSpinBox* lengthBox(const char* name) {
        panel().show();
        return panel().findChild<QDoubleSpinBox*>(QString::fromLatin1(name));
    }

    static int columnOf(QTableWidget* table, const QString& title) {
        for (int c = 0; c < table->columnCount(); ++c) {
            if (table->horizontalHeaderItem(c)->text() == title) {
                return c;
            }
        }
        return -1;
    }

    // Wood name and count of every line of the row table, per row number.
    QMap<int, QList<QPair<QString, int>>> shownCounts() {
        QMap<int, QList<QPair<QString, int>>> counts;
        QTableWidget* table = panel().rowTable();
        const int wood = columnOf(table, QStringLiteral("Wood"));
        const int count = columnOf(table, QStringLiteral("Count"));
        for (int r = 0; r < table->rowCount(); ++r) {
            const QString row = table->item(r, 0)->text();
            if (row != QLatin1String("Disc")) {
                counts[row.toInt()].append(
                    {table->item(r, wood)->text(), table->item(r, count)->text().toInt()});
            }
        }
        return counts;
    }

    // The tallies as the panel names them.
    QMap<int, QList<QPair<QString, int>>> tallyCounts() {
        QMap<int, QList<QPair<QString, int>>> counts;
        for (int row = 1; row <= model().Rows; ++row) {
            const auto found = model().RowTallies.find(row);
            if (found == model().RowTallies.end()) {
                counts[row].append({QStringLiteral("not yet chosen"), model().Segments});
                continue;
            }
            for (const auto& [name, count] : found->second) {
                counts[row].append({name == "blank" ? QStringLiteral("not yet chosen")
                                                    : QString::fromStdString(name),
                                    count});
            }
        }
        return counts;
    }

    QString runCutList(const QStringList& arguments) {
        QProcess process;
        process.start(qEnvironmentVariable("CORVANE_BINARY"), arguments);
        if (!process.waitForFinished(60000) || process.exitCode() != 0) {
            return QStringLiteral("failed: ") + process.readAllStandardError();
        }
        return QString::fromLatin1(process.readAllStandardOutput());
    }

private slots:
    void init() {
        AppSettings().store().clear();
        fixture_.setUp(QSize(1400, 800));
        QVERIFY(frame().runCommand(cmd::ViewCutList));
        QVERIFY(panel().isVisible());
        // Let the view take its new size beside the panel before clicking.
        QCoreApplication::processEvents();
        view().repaintNow();
    }

    void cleanup() { QCOMPARE(fixture_.tearDown(), 0); }

    void panelFollowsFillsUndoClearOpenAndParameters() {
        QCOMPARE(shownCounts(), tallyCounts());
        click(3);
        QVERIFY(frame().runCommand(kMaple));
        click(30);
        click(31);
        QCOMPARE(shownCounts(), tallyCounts());
        QCOMPARE(shownCounts()[2].first(), (QPair<QString, int>{"Maple", 2}));
        QVERIFY(frame().runCommand(cmd::UndoLastFill));
        QCOMPARE(shownCounts(), tallyCounts());
        dialogs().fileAnswers.push_back(tempPath("follow.csv"));
        QVERIFY(frame().runCommand(cmd::SaveCsv));
        QVERIFY(frame().runCommand(cmd::ClearAllSegmentColors));
        QCOMPARE(shownCounts(), tallyCounts());
        dialogs().saveChangesAnswers.push_back(SaveChangesAnswer::Discard);
        dialogs().fileAnswers.push_back(tempPath("follow.csv"));
        QVERIFY(frame().runCommand(cmd::OpenCsv));
        QCOMPARE(shownCounts()[2].first(), (QPair<QString, int>{"Maple", 1}));
        editParameters([&](BoxParameters& p) { p.BoxRows = 5; });
        QCOMPARE(shownCounts().size(), 5);
        QCOMPARE(shownCounts(), tallyCounts());
    }

    // A design file with diameters the parameters box would refuse: the
    // plan is drawn, the cut list says why it has no rows, and neither the
    // save nor the printout nor the command line writes one.
    void aDesignWithoutRingsGivesNoCutList_data() {
        QTest::addColumn<QByteArray>("diameters");
        QTest::addColumn<QString>("reason");
        QTest::newRow("ID above OD") << QByteArray("ID,6.00\r\nOD,4.00\r\n")
                                     << QStringLiteral("ID must be smaller than OD.");
        QTest::newRow("negative ID")
            << QByteArray("ID,-1.00\r\nOD,4.00\r\n") << QStringLiteral("ID must not be negative.");
        QTest::newRow("both negative")
            << QByteArray("ID,-3.00\r\nOD,-1.00\r\n") << QStringLiteral("ID must not be negative.");
    }

    void aDesignWithoutRingsGivesNoCutList() {
        QFETCH(QByteArray, diameters);
        QFETCH(QString, reason);
        const QString design = tempPath("no rings.csv");
        QFile file(design);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(diameters + "Rows,2\r\nSegments,6\r\n");
        file.close();
        dialogs().fileAnswers.push_back(design);
        QVERIFY(frame().runCommand(cmd::OpenCsv));
        QCOMPARE(dialogs().messages.last(), QStringLiteral("Corvane loaded successfully."));
        const QString refusal = QStringLiteral("No cut list for this design: ") + reason;
        QVERIFY(panel().refusalLabel()->isVisible());
        QCOMPARE(panel().refusalLabel()->text(), refusal);
        QCOMPARE(panel().rowTable()->rowCount(), 0);
        QCOMPARE(panel().summaryTable()->rowCount(), 0);

        dialogs().fileAnswers.push_back(tempPath("refused cut list.csv"));
        QVERIFY(frame().runCommand(cmd::SaveCutListCsv));
        QCOMPARE(dialogs().messages.last(), refusal);
        QVERIFY(!QFile::exists(tempPath("refused cut list.csv")));
        dialogs().fileAnswers.clear();
        QVERIFY(frame().runCommand(cmd::PrintCutList));
        QCOMPARE(dialogs().messages.last(), refusal);

        QProcess process;
        process.start(qEnvironmentVariable("CORVANE_BINARY"), {"--cut-list", design});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 1);
        QCOMPARE(process.readAllStandardOutput(), QByteArray());
        // Qt may warn first about the user's runtime folder.
        const QString error = QString::fromLocal8Bit(process.readAllStandardError());
        QVERIFY2(error.endsWith(QStringLiteral("\ncorvane: ") + refusal + "\n") ||
                     error == QStringLiteral("corvane: ") + refusal + "\n",
                 qPrintable(error));

        editParameters([](BoxParameters& p) {
            p.BoxID = 1.0;
            p.BoxOD = 4.0;
        });
        QVERIFY(!panel().refusalLabel()->isVisible());
        QVERIFY(panel().rowTable()->rowCount() > 0);
    }

    void unitsAndKerfAreShownAndRemembered() {
        QTableWidget* table = panel().rowTable();
        QCOMPARE(table->item(1, 8)->text(), QStringLiteral("0.569"));  // row 1 outer length
        panel().setUnit(LengthUnit::Millimetres);
        QCOMPARE(table->item(1, 8)->text(), QStringLiteral("14.5"));
        panel().setKerfInches(0.1);
        panel().setAllowanceInches(0.0625);
        // The ring height belongs to the design: a change is one to save.
        QVERIFY(!document().setRingHeight(1.25));
        QCOMPARE(document().setRingHeight(0.0),
                 std::optional<std::string>("Ring height must be above 0 and at most 6 in "
                                            "(152.4 mm)."));
        QCOMPARE(model().Shape.ringHeight, 1.25);
        QVERIFY(document().hasUnsavedChanges());
        start();
        QCOMPARE(panel().unit(), LengthUnit::Millimetres);
        QCOMPARE(panel().kerfInches(), 0.1);
        QCOMPARE(panel().allowanceInches(), 0.0625);
        QCOMPARE(lengthBox("allowance")->value(), 1.6);
    }

    void commandLinePrintsWhatThePanelShows() {
        click(3);
        click(0);
        const QString design = tempPath("cli.csv");
        dialogs().fileAnswers.push_back(design);
        QVERIFY(frame().runCommand(cmd::SaveCsv));
        QCOMPARE(runCutList({"--cut-list", design}), QString::fromStdString(panel().csvText()));
        panel().setUnit(LengthUnit::Millimetres);
        panel().setKerfInches(3.0 / 25.4);
        QVERIFY(!document().setRingHeight(25.0 / 25.4));
        QCOMPARE(runCutList(
                     {"--cut-list", "--units", "mm", "--kerf", "3", "--ring-height", "25", design}),
                 QString::fromStdString(panel().csvText()));
        QVERIFY(runCutList({"--cut-list", "--ring-height", "7", design}).startsWith("failed: "));
        QVERIFY(runCutList({"--cut-list", "--units", "mm", "--ring-height", "152.4", design})
                    .startsWith("Corvane Cut List,Units: mm,Kerf: 3.2,Ring Height: 152.4,"
                                "Allowance: 3.175\r\n"));
        // A shaped design gives the command line the same rings, and the
        // wall given there takes the place of the design's.
        panel().setAllowanceInches(2.0 / 25.4);
        QVERIFY(!document().setProfilePoints({{1.75, 0.75}, {4.4, 3.5}, {4.05, 6.75}}));
        QVERIFY(!document().setWallThickness(0.375));
        const QString shaped = tempPath("shaped.csv");
        dialogs().fileAnswers.push_back(shaped);
        QVERIFY(frame().runCommand(cmd::SaveCsv));
        const QString csv = QString::fromStdString(panel().csvText());
        QCOMPARE(
            runCutList({"--cut-list", "--units", "mm", "--kerf", "3", "--allowance", "2", shaped}),
            csv);
        QVERIFY(!document().setWallThickness(0.25));
        QVERIFY(QString::fromStdString(panel().csvText()) != csv);
        QCOMPARE(runCutList({"--cut-list", "--units", "mm", "--kerf", "3", "--allowance", "2",
                             "--wall-thickness", "6.35", shaped}),
                 QString::fromStdString(panel().csvText()));

        const QString saved = tempPath("cut list");
        dialogs().fileAnswers.push_back(saved);
        QVERIFY(frame().runCommand(cmd::SaveCutListCsv));
        QCOMPARE(dialogs().messages.last(), QStringLiteral("Cut list saved successfully."));
        QCOMPARE(readAll(saved + ".csv").toStdString(), panel().csvText());
    }

    // The ring height is typed in the 3D panel in the cut list's units; a
    // value beyond its limits is framed in red and not taken. Without OpenGL
    // (the offscreen platform) the panel says why it shows no bowl.
    void ringHeightIsTypedInThePreviewPanel() {
        QVERIFY(frame().runCommand(cmd::ViewPreview3D));
        PreviewPanel* preview = frame().previewDock()->panel();
        QVERIFY(preview != nullptr);
        QVERIFY(preview->renderer() == nullptr);
        const QString noOpenGl = preview->messageLine()->text();
        QVERIFY(noOpenGl.contains(QStringLiteral("needs OpenGL")));
        LengthField* field = preview->ringHeightField();
        const BowlShape& shape = model().Shape;
        QCOMPARE(field->text(), QStringLiteral("0.75"));
        QCOMPARE(preview->wallThicknessField()->text(), QStringLiteral("0.25"));
        field->selectAll();
        QTest::keyClicks(field, "0");
        QVERIFY(field->styleSheet().contains(QStringLiteral("#FF0000")));
        QVERIFY(preview->messageLine()->text().startsWith(QStringLiteral("Ring height must be")));
        QCOMPARE(shape.ringHeight, 0.75);
        QTest::keyClicks(field, ".5");
        QVERIFY(field->styleSheet().isEmpty());
        QCOMPARE(preview->messageLine()->text(), noOpenGl);
        QCOMPARE(shape.ringHeight, 0.5);
        QTableWidget* rows = panel().rowTable();
        const int ringHeight = columnOf(rows, QStringLiteral("Ring Height (in)"));
        QCOMPARE(rows->item(1, ringHeight)->text(), QStringLiteral("0.500"));

        panel().setUnit(LengthUnit::Millimetres);
        QCOMPARE(field->text(), QStringLiteral("12.7"));
        field->selectAll();
        QTest::keyClicks(field, "mm");
        QCOMPARE(field->problem(), QStringLiteral("Enter a number."));
        field->selectAll();
        QTest::keyClicks(field, "20 mm");
        QCOMPARE(shape.ringHeight, 20 / 25.4);
        QCOMPARE(rows->item(1, ringHeight)->text(), QStringLiteral("20.0"));
        // The limit as its message shows it: 152.4 mm is exactly 6 in.
        field->selectAll();
        QTest::keyClicks(field, "152.4");
        QCOMPARE(field->problem(), QString());
        QCOMPARE(shape.ringHeight, 6.0);
        field->selectAll();
        QTest::keyClicks(field, "152.45");
        QVERIFY(field->problem().endsWith(QStringLiteral("at most 6 in (152.4 mm).")));
        QCOMPARE(shape.ringHeight, 6.0);

        panel().setUnit(LengthUnit::Inches);
        field->selectAll();
        QTest::keyClicks(field, "1-1/4");
        QCOMPARE(shape.ringHeight, 1.25);
        field->selectAll();
        QTest::keyClicks(field, "1 -1/4");  // "1" on the way was taken
        QCOMPARE(field->problem(), QStringLiteral("Enter a number."));
        QCOMPARE(shape.ringHeight, 1.0);
        LengthField* wall = preview->wallThicknessField();
        wall->selectAll();
        QTest::keyClicks(wall, "3/8");
        QCOMPARE(shape.wallThickness, 0.375);
    }

    // The kerf is typed as a decimal or a fraction and taken keystroke by
    // keystroke; text that is no length, or a kerf beyond the box's range, is
    // not taken, so the kerf stays at what the last readable text gave.
    void kerfTakesFractions_data() {
        QTest::addColumn<bool>("metric");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("kerfInches");
        const double previous = kDefaultKerfInches;
        QTest::newRow("decimal") << false << "0.1" << 0.1;
        QTest::newRow("fraction") << false << "1/4" << 0.25;
        QTest::newRow("finer than shown") << false << "3/32" << 0.09375;
        QTest::newRow("mixed") << false << "0 3/8" << 0.375;
        QTest::newRow("zero denominator") << false << "1/0" << 1.0;
        QTest::newRow("two slashes") << false << "1/2/3" << 0.5;
        QTest::newRow("beyond range") << false << "1 1/2" << 1.0;
        QTest::newRow("letters") << false << "abc" << previous;
        QTest::newRow("millimetres") << true << "2 1/2" << 2.5 / 25.4;
        QTest::newRow("decimal comma") << true << "3,2" << 3.2 / 25.4;
    }

    void kerfTakesFractions() {
        QFETCH(bool, metric);
        QFETCH(QString, typed);
        QFETCH(double, kerfInches);
        panel().setUnit(metric ? LengthUnit::Millimetres : LengthUnit::Inches);
        QDoubleSpinBox* kerf = lengthBox("kerf");
        QVERIFY(kerf != nullptr);
        kerf->selectAll();
        QTest::keyClicks(kerf, typed);
        QTest::keyClick(kerf, Qt::Key_Return);
        QVERIFY(std::abs(panel().kerfInches() - kerfInches) < 1e-9);
    }

    void printCutListFlowsOverPages() {
        editParameters([&](BoxParameters& p) {
            p.BoxRows = 23;
            p.BoxSegments = 80;
        });
        click(5);
        const QString pdf = tempPath("cutlist.pdf");
        dialogs().printerAnswers.push_back(true);
        dialogs().printerChoice = [pdf](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
        };
        QVERIFY(frame().runCommand(cmd::PrintCutList));
        const QByteArray bytes = readAll(pdf);
        QVERIFY(bytes.startsWith("%PDF"));
        QVERIFY(bytes.count("/Type /Page\n") + bytes.count("/Type /Page ") +
                    bytes.count("/Type/Page") >=
                1);
    }

    void panelPlaceIsRememberedLikeTheToolbars() {
        QVERIFY(frame().close());  // shown by init(); closing saves the window state
        start();
        QVERIFY(panel().isVisible());
        QVERIFY(frame().runCommand(cmd::ViewCutList));
        QVERIFY(frame().close());
        start();
        QVERIFY(!panel().isVisible());
    }

    void closingAChangedDesignAsks() {
        // Unchanged: closes without a question.
        QVERIFY(frame().close());
        start();
        click(7);
        dialogs().saveChangesAnswers.push_back(SaveChangesAnswer::Cancel);
        QVERIFY(!frame().close());
        QVERIFY(frame().isVisible());
        dialogs().saveChangesAnswers.push_back(SaveChangesAnswer::Save);
        dialogs().fileAnswers.push_back(QString());  // save dialog cancelled: stay open
        QVERIFY(!frame().close());
        const QString path = tempPath("on-close.csv");
        dialogs().saveChangesAnswers.push_back(SaveChangesAnswer::Save);
        dialogs().fileAnswers.push_back(path);
        QVERIFY(frame().close());
        QVERIFY(QFile::exists(path));
        start();
        click(9);
        dialogs().saveChangesAnswers.push_back(SaveChangesAnswer::Discard);
        QVERIFY(frame().runCommand(cmd::FileExit));
        QVERIFY(!frame().isVisible());
        // Undoing the change makes the design equal to the opened one again.
        start();
        click(11);
        QVERIFY(frame().runCommand(cmd::UndoLastFill));
        QVERIFY(frame().close());
    }
};

QTEST_MAIN(CutListTest)
#include "CutListTest.moc"
