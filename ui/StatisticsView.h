// The statistics panel's window side: Frame7 with its controls, its two tables and the chart
// of the last tournament places.
#pragma once

class QWidget;

namespace zelvaro::ui {

class ControlBuilder;

// Frame7 and everything on it, on the window's form.
void buildStatisticsPanel(ControlBuilder& make, QWidget* form);

}  // namespace zelvaro::ui
