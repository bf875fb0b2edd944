#include "front/FailurePolicy.h"

#include "engine/GameSession.h"
#include "engine/display/TableDisplay.h"
#include "primitives/Screen.h"
#include "store/Database.h"
#include "store/StoreMessages.h"

namespace zelvaro {

std::string FailurePolicy::message(std::exception_ptr failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const DatabaseError& error) {
        return failureMessage(error);
    } catch (const std::exception& error) {
        return std::string("Errore imprevisto: ") + error.what();
    } catch (...) {
        return "Errore imprevisto.";
    }
}

void FailurePolicy::answer(std::exception_ptr failure, std::optional<Control> timer) {
    if (timer) surface_.setEnabled(*timer, false);
    surface_.showMessage(message(failure), MessageButtons::Ok);
    if (session_ == nullptr || session_->gamemode != "Torneo") return;
    const Screen screen = shownScreen(surface_);
    if (screen == Screen::Table || screen == Screen::Standings || surface_.visible(ctl::Frame6)) {
        display_->leaveTable();
        surface_.setVisible(ctl::Frame6, false);
        surface_.setVisible(ctl::Picture27, false);
        surface_.setWindowEnabled(true);
    }
}

}  // namespace zelvaro
