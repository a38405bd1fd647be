#pragma once
// The end of the run: the live trace files are closed and each edited table
// (level curves, cities, radio amateurs, structures) is offered for saving,
// every file written atomically in the form its reader reads back.
#include "app/program_state.h"
#include "platform/dialogs.h"

namespace orvex {

// Asks, table by table in that order, whether the edits are to be saved and
// writes the table's files on Yes. A file that cannot be written keeps its
// old contents and the others are still written; the files left unsaved are
// then listed in one warning, so that no edit is lost without a word.
void SauveModifications(const ProgramState& state, Dialogs& dialogs);

// Leaving a region for another: its edits are offered for saving where they
// were read, and the tables read next start unedited.
void QuitteRegion(ProgramState& state, Dialogs& dialogs);

// The closing steps of the main window, however it is closed: live trace
// files closed, then the save questions.
void FermeProgramme(ProgramState& state, Dialogs& dialogs);

}  // namespace orvex
