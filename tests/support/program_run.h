#pragma once
// A command-line tool run as users run it: its exit status and what it
// printed on standard output and standard error.
#include <QStringList>
#include <string>

namespace orvex::testing {

struct ProgramRun {
  int exitCode = -1;  // -1 when it crashed or did not end in time
  std::string out;
  std::string err;
};

ProgramRun RunProgram(const QString& program, const QStringList& arguments, int timeoutMs = 60000);

}  // namespace orvex::testing
