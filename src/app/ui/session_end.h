#pragma once
// The ways a run can end besides the window being closed: the desktop
// session ending (the session manager asks the program to save its data, or
// sends it SIGTERM or SIGHUP), Ctrl-C in the terminal, or the application
// quitting. Each runs the main window's closing steps, so that edits are
// never dropped without the save questions.
namespace orvex {

class TFormPrinc;

void CloseOnSessionEnd(TFormPrinc& form);

}  // namespace orvex
