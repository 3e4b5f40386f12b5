#include "dialog/frmDynamicChange.h"

namespace zarn {

void frmDynamicChange::Form_Load() {
    zarn::Form_Load(*this, services_.game.settings, services_.arguments);
}

void frmDynamicChange::cmdchange_Click() {
    if (running_) return;  // one game run at a time
    zarn::cmdchange_Click(*this, services_.game.settings, services_.arguments);
}

void frmDynamicChange::Command1_Click() {
    if (running_) return;
    zarn::Command1_Click(*this, services_.fileOpenBox);
}

void frmDynamicChange::RunShell(std::string_view gamePath, std::string_view arguments) {
    // The buttons stay inert and closing is held until the run, restore included, is over.
    struct Busy {
        frmDynamicChange& form;
        explicit Busy(frmDynamicChange& f) : form(f) { form.running_ = true; form.SetBusy(true); }
        ~Busy() { form.running_ = false; form.SetBusy(false); }
    } busy(*this);
    gameRanWithoutSwitch_ = !zarn::RunShell(gamePath, arguments, services_.game);
}

}  // namespace zarn
