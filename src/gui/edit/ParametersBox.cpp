#include "ParametersBox.h"

#include "BowlModel.h"
#include "DesignSurface.h"
#include "DialogService.h"
#include "DialogUnits.h"
#include "FieldExchange.h"

#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>

namespace corvane {

namespace {

constexpr int kFieldLeft = 41;
constexpr int kLabelLeft = 99;
constexpr int kIdTop = 31;
constexpr int kOdTop = 55;
constexpr int kRowsTop = 79;
constexpr int kSegmentsTop = 103;
constexpr int kFontSizeTop = 126;

const QString kOutOfLimitsStyle = QStringLiteral("QLineEdit { border: 2px solid #FF0000; }");

std::size_t Slot(BoxField which) {
    return static_cast<std::size_t>(which);
}

}  // namespace

ParametersBox::ParametersBox(DesignSurface& view)
    : QDialog(&view), view_(view), copies_(BoxParameters::instance()) {
    setWindowTitle(QStringLiteral("Parameters Box"));
    setFont(DialogFont(QStringLiteral("MS Shell Dlg"), 8));
    buildControls();
    copies_.LoadFrom(view_.model());
    writeFields();
    // A design opened from a file may already be beyond what the box takes.
    showLimits(copies_.CheckLimits());
    placeBelowMenuBar();
    okButton_->setFocus(Qt::OtherFocusReason);
    view_.document().holdSymmetryCheck(true);
}

ParametersBox::~ParametersBox() {
    view_.document().holdSymmetryCheck(false);
}

void ParametersBox::done(int result) {
    QDialog::done(result);
    view_.document().holdSymmetryCheck(false);
}

QLineEdit* ParametersBox::field(BoxField which) const {
    return fields_[Slot(which)];
}

// Controls are made in tab order; on the screen Rows stands above Segments.
void ParametersBox::buildControls() {
    const DialogUnits units(font());
    setFixedSize(units.size(309, 176));
    okButton_ = new QPushButton(QStringLiteral("OK"), this);
    units.place(*okButton_, 198, 155, 50, 14);
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &ParametersBox::accept);
    cancelButton_ = new QPushButton(QStringLiteral("Cancel"), this);
    units.place(*cancelButton_, 252, 155, 50, 14);
    connect(cancelButton_, &QPushButton::clicked, this, &ParametersBox::reject);

    addField(BoxField::ID, kIdTop);
    addField(BoxField::OD, kOdTop);
    addField(BoxField::Segments, kSegmentsTop);
    addField(BoxField::Rows, kRowsTop);
    addField(BoxField::FontSize, kFontSizeTop);

    addLabel("Inside Diameter in Decimal", kIdTop);
    addLabel("Outside Diameter in Decimal", kOdTop);
    addLabel("Segments per Row", kSegmentsTop);
    addLabel("Rows", kRowsTop);
    addLabel("Font Size", kFontSizeTop);

    limitLine_ = new QLabel(this);
    units.place(*limitLine_, 7, 146, 186, 27);
    limitLine_->setWordWrap(true);
    limitLine_->setStyleSheet(QStringLiteral("QLabel { color: #C00000; }"));
}

void ParametersBox::addField(BoxField which, int top) {
    auto* edit = new QLineEdit(this);
    DialogUnits(font()).place(*edit, kFieldLeft, top, 40, 14);
    // Only the user's edits count; writing the fields on opening does not.
    connect(edit, &QLineEdit::textEdited, this, [this, which] { onFieldEdited(which); });
    fields_[Slot(which)] = edit;
}

void ParametersBox::addLabel(const char* text, int top) {
    auto* label = new QLabel(QString::fromLatin1(text), this);
    DialogUnits(font()).place(*label, kLabelLeft, top + 3, 190, 8);
}

void ParametersBox::writeFields() {
    field(BoxField::ID)->setText(NumberFieldText(copies_.BoxID));
    field(BoxField::OD)->setText(NumberFieldText(copies_.BoxOD));
    field(BoxField::Rows)->setText(IntegerFieldText(copies_.BoxRows));
    field(BoxField::Segments)->setText(IntegerFieldText(copies_.BoxSegments));
    field(BoxField::FontSize)->setText(IntegerFieldText(copies_.BoxFontSize));
    // A long number shows its leading digits, not its tail.
    for (QLineEdit* edit : fields_) {
        edit->setCursorPosition(0);
    }
}

bool ParametersBox::readFields() {
    const auto readNumber = [this](BoxField which, double& copy) {
        const std::optional<double> value = ReadNumberField(*field(which));
        copy = value.value_or(copy);
        return value.has_value();
    };
    const auto readInteger = [this](BoxField which, int& copy) {
        const std::optional<int> value = ReadIntegerField(*field(which));
        copy = value.value_or(copy);
        return value.has_value();
    };
    return readNumber(BoxField::ID, copies_.BoxID) && readNumber(BoxField::OD, copies_.BoxOD) &&
           readInteger(BoxField::Rows, copies_.BoxRows) &&
           readInteger(BoxField::Segments, copies_.BoxSegments) &&
           readInteger(BoxField::FontSize, copies_.BoxFontSize);
}

// Every field that holds a number goes into its copy; one that does not
// (yet: "", ".", "-", "1e" on the way to a number) keeps its last value.
std::vector<BoxField> ParametersBox::readReadableFields() {
    std::vector<BoxField> unreadable;
    const auto readNumber = [&](BoxField which, double& copy) {
        const std::optional<double> value = NumberFieldValue(*field(which));
        value ? void(copy = *value) : unreadable.push_back(which);
    };
    const auto readInteger = [&](BoxField which, int& copy) {
        const std::optional<int> value = IntegerFieldValue(*field(which));
        value ? void(copy = *value) : unreadable.push_back(which);
    };
    readNumber(BoxField::ID, copies_.BoxID);
    readNumber(BoxField::OD, copies_.BoxOD);
    readInteger(BoxField::Rows, copies_.BoxRows);
    readInteger(BoxField::Segments, copies_.BoxSegments);
    readInteger(BoxField::FontSize, copies_.BoxFontSize);
    return unreadable;
}

// While typing, no message box: a message would take the focus and select
// the text, so the next key would replace what was typed (".5" became 5).
// A field that cannot be read is marked as an out-of-limit value is, and
// the others still take effect when the design stays within its limits.
void ParametersBox::onFieldEdited(BoxField edited) {
    lastEdited_ = edited;
    const std::vector<BoxField> unreadable = readReadableFields();
    const std::optional<BoxLimitProblem> problem = copies_.CheckLimits();
    showProblems(unreadable, problem);
    if (problem) {
        return;
    }
    if (!copies_.SameAs(view_.model())) {
        view_.document().setParameters(copies_);
    }
}

void ParametersBox::showLimits(const std::optional<BoxLimitProblem>& problem) {
    showProblems({}, problem);
}

void ParametersBox::showProblems(const std::vector<BoxField>& unreadable,
                                 const std::optional<BoxLimitProblem>& problem) {
    for (QLineEdit* edit : fields_) {
        edit->setStyleSheet(QString());
        edit->setToolTip(QString());
    }
    QStringList lines;
    const auto mark = [&](BoxField which, const QString& message) {
        field(which)->setStyleSheet(kOutOfLimitsStyle);
        field(which)->setToolTip(message);
        if (!lines.contains(message)) {
            lines << message;
        }
    };
    for (BoxField which : unreadable) {
        const bool number = which == BoxField::ID || which == BoxField::OD;
        mark(which, QString::fromLatin1(number ? kEnterANumber : kEnterAnInteger));
    }
    if (problem) {
        for (BoxField which : problem->fields) {
            mark(which, QString::fromStdString(problem->message));
        }
    }
    limitLine_->setText(lines.join(QLatin1Char('\n')));
}

void ParametersBox::accept() {
    if (!readFields()) {
        return;
    }
    const std::optional<BoxLimitProblem> problem = copies_.CheckLimits();
    showLimits(problem);
    if (problem) {
        DialogService::instance().showMessage(this, QString::fromStdString(problem->message));
        selectFieldToMend(*problem);
        return;
    }
    // A value with more digits than the field shows (one from a design file)
    // comes back rounded to what the field shows; the drawing follows it.
    if (!copies_.SameAs(view_.model())) {
        view_.document().setParameters(copies_);
    }
    QDialog::accept();
}

// Of two fields that break a limit together, the one the user typed in last
// is the one to go back to.
void ParametersBox::selectFieldToMend(const BoxLimitProblem& problem) {
    BoxField target = problem.fields.front();
    for (BoxField which : problem.fields) {
        if (lastEdited_ == which) {
            target = which;
        }
    }
    field(target)->setFocus(Qt::OtherFocusReason);
    field(target)->selectAll();
}

void ParametersBox::placeBelowMenuBar() {
    auto* mainWindow = qobject_cast<QMainWindow*>(view_.window());
    if (mainWindow == nullptr) {
        return;
    }
    const int menuBarHeight = mainWindow->menuBar()->sizeHint().height();
    PlaceAtOwnerOffset(*this, mainWindow, QPoint(10, 45 + menuBarHeight));
}

}  // namespace corvane
