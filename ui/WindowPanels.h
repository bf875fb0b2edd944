// The controls of the window's screens and panels: the menu, the options, the
// rules, the profiles, the tournament's rules and its waiting notice, the table
// and the standings.
#pragma once

class QRect;
class QWidget;

namespace zelvaro::ui {

class ControlBuilder;
class PanelFrame;

class WindowPanels {
public:
    // The menu and the panels stand on `form`; the tournament's waiting notice on
    // `window` itself, so that it still answers while the form takes no input.
    WindowPanels(ControlBuilder& make, QWidget& form, QWidget& window);

    // Creates them all; a panel made later stands above those made before it.
    void build();

private:
    void buildMenu();
    void buildOptionsPanel();
    void buildTablePauseChoice(PanelFrame* panel, const QRect& row);
    void buildRulesPanel();
    void buildProfilePanel();
    void buildTournamentPanels();
    void buildScreens();

    ControlBuilder& make_;
    QWidget* form_;
    QWidget* window_;
};

}  // namespace zelvaro::ui
