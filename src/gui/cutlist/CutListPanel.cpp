#include "CutListPanel.h"

#include "BowlModel.h"
#include "DesignSurface.h"
#include "LengthSpinBox.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

namespace corvane {

namespace {

QTableWidget* makeTable(QWidget* parent) {
    auto* table = new QTableWidget(parent);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->setVisible(false);
    return table;
}

QString cellText(const std::string& text) {
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

// Row -1 is the column's heading. Says whether the cell changed.
bool showCell(QTableWidget* widget, int row, int column, const QString& text) {
    QTableWidgetItem* item =
        row < 0 ? widget->horizontalHeaderItem(column) : widget->item(row, column);
    if (item == nullptr) {
        item = new QTableWidgetItem(text);
        if (row < 0) {
            widget->setHorizontalHeaderItem(column, item);
        } else {
            widget->setItem(row, column, item);
        }
        return true;
    }
    if (item->text() == text) {
        return false;
    }
    item->setText(text);
    return true;
}

// Cells are written in place and only where their text changed, and the
// columns are fitted to their contents once afterwards: while a profile
// point is dragged, the table changes many times a second.
void showTable(QTableWidget* widget, const CutListTable& table) {
    const int rows = int(table.size()) - 1;
    const int columns = table.empty() ? 0 : int(table.front().size());
    if (widget->rowCount() != rows || widget->columnCount() != columns) {
        widget->clear();
        widget->setRowCount(rows);
        widget->setColumnCount(columns);
    }
    bool changed = false;
    for (int c = 0; c < columns; ++c) {
        changed = showCell(widget, -1, c, cellText(table.front()[std::size_t(c)])) || changed;
        for (int r = 0; r < rows; ++r) {
            changed = showCell(widget, r, c, cellText(table[std::size_t(r) + 1][std::size_t(c)])) ||
                      changed;
        }
    }
    if (changed) {
        widget->resizeColumnsToContents();
    }
}

}  // namespace

// The panel's widgets are made the first time it is shown (or asked for
// them): most starts never show it, and its fields and tables would cost
// the first window a good part of its time.
CutListPanel::CutListPanel(DesignSurface& view, QWidget* parent)
    : QDockWidget(QStringLiteral("Cut List"), parent), view_(view) {
    setObjectName(QStringLiteral("CutListDock"));
    settings_ = new CutListSettings(this);
    connect(&view_.document(), &DesignDocument::changed, this, &CutListPanel::refresh);
    connect(settings_, &CutListSettings::changed, this, &CutListPanel::onSettingsChanged);
    connect(this, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible && stale_) {
            refresh();
        }
    });
}

void CutListPanel::showEvent(QShowEvent* event) {
    buildBody();
    QDockWidget::showEvent(event);
}

void CutListPanel::buildBody() const {
    if (rowTable_ == nullptr) {
        const_cast<CutListPanel*>(this)->makeBody();
    }
}

QTableWidget* CutListPanel::rowTable() const {
    buildBody();
    return rowTable_;
}

QTableWidget* CutListPanel::summaryTable() const {
    buildBody();
    return summaryTable_;
}

QLabel* CutListPanel::refusalLabel() const {
    buildBody();
    return refusal_;
}

void CutListPanel::makeBody() {
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    layout->addWidget(buildSettingsRow());
    layout->addWidget(new QLabel(QStringLiteral(
        "Miter angle: set on the saw for each end of a segment, measured from square.")));
    refusal_ = new QLabel(body);
    refusal_->setWordWrap(true);
    refusal_->hide();
    layout->addWidget(refusal_);
    rowTable_ = makeTable(body);
    layout->addWidget(rowTable_, 3);
    layout->addWidget(new QLabel(QStringLiteral("Summary per wood")));
    summaryTable_ = makeTable(body);
    layout->addWidget(summaryTable_, 1);
    setWidget(body);
    stale_ = true;
}

QWidget* CutListPanel::buildSettingsRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    units_ = new QComboBox(row);
    units_->addItem(QStringLiteral("Inches"));
    units_->addItem(QStringLiteral("Millimetres"));
    units_->setCurrentIndex(unit() == LengthUnit::Millimetres ? 1 : 0);
    kerf_ = new LengthSpinBox(row);
    allowance_ = new LengthSpinBox(row);
    kerf_->setObjectName(QStringLiteral("kerf"));
    allowance_->setObjectName(QStringLiteral("allowance"));
    allowance_->setToolTip(
        QStringLiteral("Wood left on each side of the turned wall for the lathe to take off."));
    configureLengthBoxes();
    layout->addWidget(new QLabel(QStringLiteral("Kerf:")));
    layout->addWidget(kerf_);
    layout->addWidget(new QLabel(QStringLiteral("Turning allowance:")));
    layout->addWidget(allowance_);
    layout->addWidget(new QLabel(QStringLiteral("Units:")));
    layout->addWidget(units_);
    layout->addStretch(1);
    connect(units_, &QComboBox::currentIndexChanged, this, &CutListPanel::onUnitChosen);
    connect(kerf_, &QDoubleSpinBox::valueChanged, this, &CutListPanel::onKerfEdited);
    connect(allowance_, &QDoubleSpinBox::valueChanged, this, &CutListPanel::onAllowanceEdited);
    return row;
}

namespace {

// A length is kept in inches and shown in the chosen units. One being typed
// is left as typed: rewriting "1" as "1.000 in" would put the rest of "1/8"
// after the suffix.
void configureLengthBox(QDoubleSpinBox* box, LengthUnit unit, double inches, double maxInches) {
    const QSignalBlocker blocker(box);
    const bool metric = unit == LengthUnit::Millimetres;
    const QString suffix = metric ? QStringLiteral(" mm") : QStringLiteral(" in");
    if (box->suffix() != suffix) {
        box->setDecimals(metric ? 1 : 3);
        box->setSingleStep(metric ? 0.1 : 0.005);
        box->setRange(0.0, maxInches * (metric ? kMillimetresPerInch : 1.0));
        box->setSuffix(suffix);
    }
    const double shown = ToUnit(inches, unit);
    if (std::abs(box->value() - shown) > 1e-9) {
        box->setValue(shown);
    }
}

}  // namespace

void CutListPanel::configureLengthBoxes() {
    configureLengthBox(kerf_, unit(), kerfInches(), kMaxKerfInches);
    configureLengthBox(allowance_, unit(), allowanceInches(), kMaxAllowanceInches);
}

void CutListPanel::onUnitChosen() {
    settings_->setUnit(units_->currentIndex() == 1 ? LengthUnit::Millimetres : LengthUnit::Inches);
}

void CutListPanel::onKerfEdited() {
    settings_->setKerfInches(ToInches(kerf_->value(), unit()));
}

void CutListPanel::onAllowanceEdited() {
    settings_->setAllowanceInches(ToInches(allowance_->value(), unit()));
}

// The units, kerf or ring height changed here or in the 3D preview.
void CutListPanel::onSettingsChanged() {
    if (units_ == nullptr) {
        return;  // nothing shown yet; the fields start from the settings
    }
    const QSignalBlocker blocker(units_);
    units_->setCurrentIndex(unit() == LengthUnit::Millimetres ? 1 : 0);
    configureLengthBoxes();
    refresh();
}

LengthUnit CutListPanel::unit() const {
    return settings_->unit();
}

double CutListPanel::kerfInches() const {
    return settings_->kerfInches();
}

double CutListPanel::allowanceInches() const {
    return settings_->allowanceInches();
}

void CutListPanel::setAllowanceInches(double inches) {
    settings_->setAllowanceInches(inches);
}

void CutListPanel::setUnit(LengthUnit unit) {
    settings_->setUnit(unit);
}

void CutListPanel::setKerfInches(double inches) {
    settings_->setKerfInches(inches);
}

CutList CutListPanel::currentList() const {
    return ComputeCutList(view_.model(), kerfInches(), allowanceInches());
}

std::string CutListPanel::csvText() const {
    return FormatCutListCsv(currentList(), unit());
}

void CutListPanel::refresh() {
    if (!isVisible()) {
        stale_ = true;  // a hidden panel catches up when it is shown
        return;
    }
    stale_ = false;
    buildBody();
    const CutList list = currentList();
    refusal_->setText(cellText(list.refusal));
    refusal_->setVisible(!list.refusal.empty());
    CutListTable rows = CutListRowTable(list, unit());
    if (!list.refusal.empty()) {
        rows.resize(1);  // the headings alone: not even the disc can be cut
    }
    showTable(rowTable_, rows);
    showTable(summaryTable_, CutListSummaryTable(list, unit()));
}

}  // namespace corvane
