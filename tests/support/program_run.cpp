#include "support/program_run.h"

#include <QProcess>

namespace orvex::testing {

ProgramRun RunProgram(const QString& program, const QStringList& arguments, int timeoutMs) {
  QProcess process;
  process.start(program, arguments);
  const bool ended = process.waitForFinished(timeoutMs);
  return {ended && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          process.readAllStandardOutput().toStdString(), process.readAllStandardError().toStdString()};
}

}  // namespace orvex::testing
