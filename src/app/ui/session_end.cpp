#include "app/ui/session_end.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <sys/socket.h>
#include <unistd.h>

#include <csignal>

#include "app/ui/form_princ.h"

namespace orvex {
namespace {

// A signal handler may only write to a descriptor; the event loop reads the
// other end and closes the window from there.
int signalPipe[2] = {-1, -1};

extern "C" void OnEndSignal(int) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(signalPipe[0], &byte, 1);
}

}  // namespace

void CloseOnSessionEnd(TFormPrinc& form) {
  QObject::connect(qApp, &QGuiApplication::commitDataRequest, &form, [&form](QSessionManager& manager) {
    manager.allowsInteraction();  // waits for the session manager's permission to ask
    form.FormClose();
    manager.release();
  });
  QObject::connect(qApp, &QCoreApplication::aboutToQuit, &form, [&form] { form.FormClose(); });
  if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) {
    return;
  }
  auto* notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, &form);
  QObject::connect(notifier, &QSocketNotifier::activated, &form, [&form, notifier] {
    char byte = 0;
    [[maybe_unused]] const ssize_t read = ::read(signalPipe[1], &byte, 1);
    notifier->setEnabled(false);
    form.close();
  });
  struct sigaction action {};
  action.sa_handler = OnEndSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
    ::sigaction(signal, &action, nullptr);
  }
}

}  // namespace orvex
