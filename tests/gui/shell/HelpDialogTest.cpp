#include "Application.h"
#include "BowlModel.h"
#include "CommandIds.h"
#include "DesignDocument.h"
#include "DialogUnits.h"
#include "HelpDialog.h"
#include "HelpPageLayout.h"
#include "LabelText.h"
#include "MainWindow.h"
#include "ScriptedDialogs.h"
#include "TestEnvironment.h"

#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QToolBar>
#include <QtTest>

#include <memory>

using namespace corvane;

namespace {

struct ExpectedText {
    QRect box;
    QString text;
    bool runsOn = false;  // the sentence carries on in the next box
};

// The help page as it must read, word for word (typos and trailing blanks
// included); the second header line is the program's own and checked apart.
const QList<ExpectedText>& expectedTexts() {
    static const QList<ExpectedText> texts = {
        {QRect(42, 14, 114, 8), "Corvane07, Version 1.0"},
        {QRect(7, 39, 560, 8),
         "Using the Parameters menu item, choose Show Parameter Box and enter the "
         "desired numbers for OD, ID, Number of Rows, and Number of Segments. OD and ID "
         "will basically result in a printout in inches."},
        {QRect(7, 48, 560, 8),
         "Font size, which is used for tracking the number of colors in each row, may "
         "be changed here as well."},
        {QRect(7, 62, 560, 8),
         "Also on the Parameters Menu is the fill color. You can choose a wood for an "
         "approximate color, or choose Custom Color to get your own color. Once you "
         "choose a fill color, click on a segment to fill."},
        {QRect(7, 76, 560, 8),
         "If you make a mistake while filling, you can use UNDO from the menu or use "
         "the other options there. You can also clear all filled segments from the same "
         "menu item."},
        {QRect(7, 93, 560, 16),
         "The Print menu item generally gives a printout that is in inches. An 8\" OD "
         "circle will generally almost fill an 8 1/2 x 11\" sheet. If you want to scale "
         "a printout to something different, either choose a new value for Scale "
         "Printout, or resize your drawing"},
        {QRect(7, 117, 560, 8),
         "You can use \"Symmetry Mode\" if your Corvane is repetative around the "
         "circle. You must choose the number of sectors (pie slices) to be a number "
         "that divides evenly into the number of segments. "},
        {QRect(7, 126, 560, 19),
         "For example, if you have 24 segments, you can choose 2, 3, 4, 6, 8, or 12 "
         "sectors. In symmetry mode, a red outline marks the sector which is active. "},
        {QRect(7, 136, 560, 8),
         "Filling segments in that sector result in the same segment being filled in "
         "all the other sectors in the same relative position. Filling segments outside "
         "the active sector results in single fills."},
        {QRect(7, 149, 560, 19),
         "There is no prescribed order for previously filled segments if you choose new "
         "Rows or Segments. Adding Rows generally adds blank rows to the outsdie. "
         "Changes in ID, OD, Rows, and Segments cannot be undone from the undo menu."},
        {QRect(7, 169, 533, 10),
         "From the Save menu item, you can save a drawing as a CSV file which can be "
         "opened by Excel. This remembers the number of rings, segments ring sizes, and "
         "all the fill colors you have used on ",
         true},
        {QRect(7, 178, 533, 9),
         "segments. This file can be reopened for modifications. You can also modify "
         "the CSV file in Excel, but be careful. You could change the colors of "
         "segments if you wish, but you must match the color ",
         true},
        {QRect(7, 188, 533, 9),
         "names and color numbers which are in ARGB format wirtten in hexadecimal. Be "
         "sure the number of rows of SegmentProp matches the rows and segments if you "
         "want to change those."},
        {QRect(6, 204, 537, 9),
         "You can also save as BMP, JPG, or PNG image files, but these are simply the "
         "images and cannot be reopened by Corvane. You can use the saved image to "
         "print if you prefer direct print ",
         true},
        {QRect(8, 213, 537, 8),
         "to the printer or modify them in any way using image editing software. These "
         "are particularly useful to print and take to the shop."},
    };
    return texts;
}

const QRect kSecondLineBox(42, 26, 114, 8);

// The texts as the dialog shows them: a sentence that runs on into the next
// box is shown with it as one text. The second header line is left empty.
QStringList expectedLabels() {
    QStringList labels{expectedTexts()[0].text, QString()};
    bool continuing = false;
    for (qsizetype i = 1; i < expectedTexts().size(); ++i) {
        if (continuing) {
            labels.back() += expectedTexts()[i].text;
        } else {
            labels << expectedTexts()[i].text;
        }
        continuing = expectedTexts()[i].runsOn;
    }
    return labels;
}

struct ShownDialog {
    QString title;
    QStringList texts;
    QList<QRect> textGeometry;
    bool ownedByFrame = false;
    bool modal = false;
    QString defaultButton;
};

ShownDialog describe(QDialog& dialog, QWidget* frame) {
    ShownDialog shown;
    shown.title = dialog.windowTitle();
    for (QLabel* label : dialog.findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (label->pixmap().isNull()) {
            shown.texts << label->text();
            shown.textGeometry << label->geometry();
        }
    }
    shown.ownedByFrame = dialog.parentWidget() == frame;
    shown.modal = dialog.isModal();
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        if (button->isDefault()) {
            shown.defaultButton = button->text();
        }
    }
    return shown;
}

QAction* toolbarAction(QToolBar* toolBar, int commandId) {
    for (QAction* action : toolBar->actions()) {
        if (action->data().toInt() == commandId) {
            return action;
        }
    }
    return nullptr;
}

enum class CloseBy { OkButton, Enter, Escape, CloseBox };

}  // namespace

Q_DECLARE_METATYPE(CloseBy)

class HelpDialogTest : public QObject {
    Q_OBJECT

    test::TestEnvironment environment_;
    std::unique_ptr<test::ScriptedDialogs> dialogs_;
    std::unique_ptr<Application> app_;

    MainWindow& frame() { return *app_->mainWindow(); }

    // Opens help the way a command arrives and records what it showed.
    ShownDialog openHelp(QAction* sender) {
        ShownDialog shown;
        dialogs_->dialogAnswers.push_back([&](QDialog& dialog) {
            shown = describe(dialog, &frame());
            return int(QDialog::Accepted);
        });
        sender->trigger();
        return shown;
    }

private slots:
    void init() {
        test::TestEnvironment::resetModel();
        dialogs_ = std::make_unique<test::ScriptedDialogs>();
        app_ = std::make_unique<Application>(test::TestEnvironment::document());
        QVERIFY(app_->showMainWindow());
    }

    void cleanup() {
        QCOMPARE(dialogs_->unexpected, 0);
        app_.reset();
        dialogs_.reset();
    }

    void menuAndToolbarShowTheSameTextsEveryTime() {
        QAction* menuItem = frame().menuAction(cmd::HelpForCorvane);
        QAction* toolbarButton = toolbarAction(frame().standardToolBar(), cmd::HelpForCorvane);
        QVERIFY(menuItem != nullptr && toolbarButton != nullptr);
        QVERIFY(menuItem->isEnabled() && toolbarButton->isEnabled());

        const ShownDialog first = openHelp(menuItem);
        QCOMPARE(first.title, QStringLiteral("Help with Corvane"));
        QVERIFY(first.ownedByFrame);
        QVERIFY(first.modal);
        QCOMPARE(first.defaultButton, QStringLiteral("OK"));
        QCOMPARE(first.texts.size(), expectedLabels().size());
        QVERIFY(!first.texts[1].trimmed().isEmpty());
        for (qsizetype i = 0; i < expectedLabels().size(); ++i) {
            if (i != 1) {
                QCOMPARE(first.texts[i], expectedLabels()[i]);
            }
        }

        const ShownDialog again = openHelp(menuItem);
        const ShownDialog fromToolbar = openHelp(toolbarButton);
        QCOMPARE(again.texts, first.texts);
        QCOMPARE(fromToolbar.texts, first.texts);
        QCOMPARE(fromToolbar.textGeometry, first.textGeometry);
        QCOMPARE(dialogs_->dialogTitles.size(), 3);
    }

    // Every line of every text shows in full, on this platform and scale.
    // Where the screen is large enough, the template's font and boxes are
    // kept: each text at its place, moved down only as far as the longer
    // texts above it need, and taller only to hold its own lines.
    void everyWordShowsAndTheLayoutIsKept() {
        HelpDialog dialog(&frame());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QString family = QFontInfo(dialog.font()).family();
        QVERIFY2(family == "Times New Roman" || family == "Liberation Serif", qPrintable(family));
        const QRect screen = dialog.screen()->availableGeometry();
        QVERIFY(screen.contains(dialog.frameGeometry()));

        QList<QLabel*> labels;
        for (QLabel* label : dialog.findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
            if (label->pixmap().isNull()) {
                labels << label;
            }
        }
        QCOMPARE(labels.size(), expectedLabels().size());
        for (QLabel* label : labels) {
            QVERIFY2(test::HiddenText(*label).isEmpty(), qPrintable(test::HiddenText(*label)));
            QCOMPARE(label->alignment(), Qt::AlignLeft | Qt::AlignTop);
            QVERIFY(label->wordWrap());
            QCOMPARE(label->textFormat(), Qt::PlainText);
            // The frame's look must not take the dialog's font away from its texts.
            QCOMPARE(QFontInfo(label->font()).family(), family);
        }
        auto* ok = dialog.findChild<QPushButton*>("okButton");
        QVERIFY(ok->geometry().top() > labels.back()->y());
        QVERIFY(dialog.rect().contains(ok->geometry()));

        const DialogUnits units(dialog.font());
        if (QFontInfo(dialog.font()).pointSize() != 12 || dialog.width() != units.x(574)) {
            QVERIFY(screen.width() < units.x(574) + 16 || screen.height() < 1024);
            return;
        }
        // The boxes of the template, with the run-on ones joined.
        QList<QRect> boxes{expectedTexts()[0].box, kSecondLineBox};
        bool continuing = false;
        for (qsizetype i = 1; i < expectedTexts().size(); ++i) {
            const QRect box = expectedTexts()[i].box;
            if (continuing) {
                boxes.back() = boxes.back().united(box);
            } else {
                boxes << box;
            }
            continuing = expectedTexts()[i].runsOn;
        }
        QCOMPARE(dialog.width(), units.x(574));
        // A text keeps the offset of the one above it, unless the text above
        // grew into the gap the template leaves below it; then it sits that
        // gap (at least one unit) below the text.
        int textBottom = 0;
        int shift = 0;
        for (qsizetype i = 0; i < labels.size(); ++i) {
            const QRect box = units.toPixels(boxes[i]);
            const QRect shown = labels[i]->geometry();
            const int gap =
                i == 0 ? 0
                       : std::max(1, boxes[i].top() - boxes[i - 1].top() - boxes[i - 1].height());
            QCOMPARE(shown.left(), box.left());
            QCOMPARE(shown.width(), box.width());
            QVERIFY(shown.height() >= box.height());
            QVERIFY(shown.top() >= textBottom + units.y(gap));
            const int offset = shown.top() - box.top();
            if (offset != shift) {
                QCOMPARE(shown.top(), textBottom + units.y(gap));
                QVERIFY(offset > shift);
            }
            shift = offset;
            textBottom = shown.top() + test::WrappedTextHeight(*labels[i]);
        }
        QCOMPARE(ok->x(), units.x(244));
        QCOMPARE(dialog.height() - ok->y(), units.y(261) - units.y(240));
    }

    // The page fits the common screens, the dialog's frame included, and
    // keeps the template font on a screen that has room for it.
    void pageFitsCommonScreens_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<bool>("templateFont");
        QTest::newRow("1920 x 1080") << QSize(1920, 1080) << true;
        QTest::newRow("1280 x 1024") << QSize(1280, 1024) << true;
        QTest::newRow("800 x 600") << QSize(800, 600) << false;
        QTest::newRow("640 x 480") << QSize(640, 480) << false;
    }

    void pageFitsCommonScreens() {
        QFETCH(QSize, screen);
        QFETCH(bool, templateFont);
        const QSize frameAllowance(8, 40);
        const HelpPageLayout page = HelpPageLayout::fit(screen - frameAllowance);
        QVERIFY(page.dialogSize().width() <= screen.width() - frameAllowance.width());
        QVERIFY(page.dialogSize().height() <= screen.height() - frameAllowance.height());
        QCOMPARE(page.font().pointSizeF() == 12.0, templateFont);
        if (screen.width() >= 1920) {
            QCOMPARE(page.dialogSize().width(), DialogUnits(page.font()).x(574));
        }
        QVERIFY(page.font().pointSizeF() >= HelpPageLayout::kSmallestPointSize);
        QStringList shown;
        for (const HelpPageLayout::Text& text : page.texts()) {
            QVERIFY(QRect(QPoint(0, 0), page.dialogSize()).contains(text.rect));
            QVERIFY(HelpPageLayout::textHeight(page.font(), text.rect.width(), text.text) <=
                    text.rect.height());
            shown << text.text;
        }
        QVERIFY(page.okRect().top() >= page.texts().back().rect.top());
        QVERIFY(QRect(QPoint(0, 0), page.dialogSize()).contains(page.okRect()));
        QCOMPARE(shown.join(QString()), HelpPageLayout::templateTexts().join(QString()));
    }

    void closingLeavesDesignAndSettingsAlone() {
        DesignDocument& document = test::TestEnvironment::document();
        document.fill(30, {});
        document.fill(31, {});
        const BowlModel& model = document.model();
        const std::vector<FillHistoryEntry> history = model.FillHistory;
        const Argb filled = model.SegmentTable[30].SegmentColor;
        QSettings settings;
        settings.sync();
        QStringList keysBefore = settings.allKeys();
        QMap<QString, QVariant> valuesBefore;
        for (const QString& key : keysBefore) {
            valuesBefore.insert(key, settings.value(key));
        }

        openHelp(frame().menuAction(cmd::HelpForCorvane));
        openHelp(frame().menuAction(cmd::HelpForCorvane));

        QVERIFY(model.FillHistory == history);
        QCOMPARE(model.SegmentTable[30].SegmentColor, filled);
        QCOMPARE(model.Rows, 8);
        QCOMPARE(model.Segments, 24);
        settings.sync();
        QCOMPARE(settings.allKeys(), keysBefore);
        for (const QString& key : keysBefore) {
            QCOMPARE(settings.value(key), valuesBefore.value(key));
        }
    }

    void everyWayOfClosingCloses_data() {
        QTest::addColumn<CloseBy>("way");
        QTest::addColumn<int>("result");
        QTest::newRow("OK button") << CloseBy::OkButton << int(QDialog::Accepted);
        QTest::newRow("Enter") << CloseBy::Enter << int(QDialog::Accepted);
        QTest::newRow("Esc") << CloseBy::Escape << int(QDialog::Rejected);
        QTest::newRow("close box") << CloseBy::CloseBox << int(QDialog::Rejected);
    }

    void everyWayOfClosingCloses() {
        QFETCH(CloseBy, way);
        QFETCH(int, result);
        bool blockedFrame = false;
        bool closed = false;
        int shownResult = -1;
        dialogs_->dialogAnswers.push_back([&](QDialog& dialog) {
            dialog.show();
            if (!QTest::qWaitForWindowExposed(&dialog)) {
                return -1;
            }
            blockedFrame = QApplication::activeModalWidget() == &dialog;
            switch (way) {
                case CloseBy::OkButton:
                    QTest::mouseClick(dialog.findChild<QPushButton*>("okButton"), Qt::LeftButton);
                    break;
                case CloseBy::Enter:
                    QTest::keyClick(&dialog, Qt::Key_Return);
                    break;
                case CloseBy::Escape:
                    QTest::keyClick(&dialog, Qt::Key_Escape);
                    break;
                case CloseBy::CloseBox:
                    dialog.close();
                    break;
            }
            closed = !dialog.isVisible();
            shownResult = dialog.result();
            return shownResult;
        });
        QVERIFY(frame().runCommand(cmd::HelpForCorvane));
        QVERIFY(blockedFrame);
        QVERIFY(closed);
        QCOMPARE(shownResult, result);
    }
};

QTEST_MAIN(HelpDialogTest)
#include "HelpDialogTest.moc"
