#include "CutListPanel.h"

#include "AppSettings.h"
#include "BowlModel.h"
#include "DesignSurface.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

namespace corvane {

namespace {

QTableWidget* makeTable(QWidget* parent) {
    auto* table = new QTableWidget(parent);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->setVisible(false);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return table;
}

QString cellText(const std::string& text) {
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

void showTable(QTableWidget* widget, const CutListTable& table) {
    widget->clear();
    widget->setRowCount(int(table.size()) - 1);
    widget->setColumnCount(table.empty() ? 0 : int(table.front().size()));
    QStringList header;
    for (const std::string& title : table.front()) {
        header << cellText(title);
    }
    widget->setHorizontalHeaderLabels(header);
    for (size_t r = 1; r < table.size(); ++r) {
        for (size_t c = 0; c < table[r].size(); ++c) {
            widget->setItem(int(r - 1), int(c), new QTableWidgetItem(cellText(table[r][c])));
        }
    }
}

LengthUnit unitFromSetting(const QString& text) {
    return text == QLatin1String("mm") ? LengthUnit::Millimetres : LengthUnit::Inches;
}

}  // namespace

CutListPanel::CutListPanel(DesignSurface& view, QWidget* parent)
    : QDockWidget(QStringLiteral("Cut List"), parent), view_(view) {
    setObjectName(QStringLiteral("CutListDock"));
    AppSettings settings;
    unit_ = unitFromSetting(settings.value("CutListUnits", "in").toString());
    const double storedKerf = settings.value("CutListKerfInches", kDefaultKerfInches).toDouble();
    kerfInches_ = storedKerf >= 0.0 && storedKerf <= 1.0 ? storedKerf : kDefaultKerfInches;

    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    layout->addWidget(buildSettingsRow());
    layout->addWidget(new QLabel(QStringLiteral(
        "Miter angle: set on the saw for each end of a segment, measured from square.")));
    rowTable_ = makeTable(body);
    layout->addWidget(rowTable_, 3);
    layout->addWidget(new QLabel(QStringLiteral("Summary per wood")));
    summaryTable_ = makeTable(body);
    layout->addWidget(summaryTable_, 1);
    setWidget(body);

    connect(&view_, &DesignSurface::designChanged, this, &CutListPanel::refresh);
    connect(this, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible && stale_) {
            refresh();
        }
    });
}

QWidget* CutListPanel::buildSettingsRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    units_ = new QComboBox(row);
    units_->addItem(QStringLiteral("Inches"));
    units_->addItem(QStringLiteral("Millimetres"));
    units_->setCurrentIndex(unit_ == LengthUnit::Millimetres ? 1 : 0);
    kerf_ = new QDoubleSpinBox(row);
    configureKerfBox();
    layout->addWidget(new QLabel(QStringLiteral("Kerf:")));
    layout->addWidget(kerf_);
    layout->addWidget(new QLabel(QStringLiteral("Units:")));
    layout->addWidget(units_);
    layout->addStretch(1);
    connect(units_, &QComboBox::currentIndexChanged, this, &CutListPanel::onUnitChosen);
    connect(kerf_, &QDoubleSpinBox::valueChanged, this, &CutListPanel::onKerfEdited);
    return row;
}

// The kerf is kept in inches and shown in the chosen units.
void CutListPanel::configureKerfBox() {
    const QSignalBlocker blocker(kerf_);
    const bool metric = unit_ == LengthUnit::Millimetres;
    kerf_->setDecimals(metric ? 1 : 3);
    kerf_->setSingleStep(metric ? 0.1 : 0.005);
    kerf_->setRange(0.0, metric ? kMillimetresPerInch : 1.0);
    kerf_->setSuffix(metric ? QStringLiteral(" mm") : QStringLiteral(" in"));
    kerf_->setValue(metric ? kerfInches_ * kMillimetresPerInch : kerfInches_);
}

void CutListPanel::onUnitChosen() {
    unit_ = units_->currentIndex() == 1 ? LengthUnit::Millimetres : LengthUnit::Inches;
    configureKerfBox();
    saveSettings();
    refresh();
}

void CutListPanel::onKerfEdited() {
    kerfInches_ = ToInches(kerf_->value(), unit_);
    saveSettings();
    refresh();
}

void CutListPanel::saveSettings() const {
    AppSettings settings;
    settings.setValue("CutListUnits", QString::fromLatin1(UnitLabel(unit_)));
    settings.setValue("CutListKerfInches", kerfInches_);
}

LengthUnit CutListPanel::unit() const {
    return unit_;
}

double CutListPanel::kerfInches() const {
    return kerfInches_;
}

void CutListPanel::setUnit(LengthUnit unit) {
    units_->setCurrentIndex(unit == LengthUnit::Millimetres ? 1 : 0);
}

void CutListPanel::setKerfInches(double inches) {
    kerfInches_ = inches;
    configureKerfBox();
    saveSettings();
    refresh();
}

CutList CutListPanel::currentList() const {
    return ComputeCutList(view_.model(), kerfInches_);
}

std::string CutListPanel::csvText() const {
    return FormatCutListCsv(currentList(), unit_);
}

void CutListPanel::refresh() {
    if (!isVisible()) {
        stale_ = true;  // a hidden panel catches up when it is shown
        return;
    }
    stale_ = false;
    const CutList list = currentList();
    showTable(rowTable_, CutListRowTable(list, unit_));
    showTable(summaryTable_, CutListSummaryTable(list, unit_));
}

}  // namespace corvane
