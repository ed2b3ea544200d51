// tarvik: the main window. One program per user: a second start brings the first to the
// front and ends.
#include <QApplication>
#include <QIcon>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "ui/main/qt_translation.h"
#include "ui/main/single_instance.h"
#include "ui/main/tarvik_window.h"

namespace {

// a desktop program needs a display: say what to do instead of Qt's abort
bool DisplayMissing() {
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  if (!platform.isEmpty() && !platform.startsWith("xcb") && !platform.startsWith("wayland"))
    return false;
  return qgetenv("DISPLAY").isEmpty() && qgetenv("WAYLAND_DISPLAY").isEmpty();
}

}  // namespace

int main(int argc, char** argv) {
  if (DisplayMissing()) {
    std::fprintf(stderr,
                 "tarvik: no display to open the window on.\n"
                 "  On a desktop session start it from there; on a server use\n"
                 "    xvfb-run -a build/tarvik\n"
                 "  or the same engine from the command line:\n"
                 "    build/tarvik-cli help\n");
    return 2;
  }
  // beyond a file-size limit a save's write fails (EFBIG) and the window says so; the signal
  // would end the program, and the section on screen with it
  std::signal(SIGXFSZ, SIG_IGN);
  QApplication app(argc, argv);
  app.setApplicationName("Tarvik");
  // without Debian's qt6-translations-l10n Qt's own dialogs stay English; the program runs
  tarvik::ui::ZaladujTlumaczenieQt(app);
  tarvik::ui::SingleInstance instance(tarvik::ui::NazwaInstancji());
  if (instance.anotherIsRunning()) return 0;
  QStringList arguments = app.arguments();
  arguments.removeFirst();
  tarvik::ui::TTarvik window(arguments);
  QObject::connect(&instance, &tarvik::ui::SingleInstance::raiseRequested, &window, [&window] {
    window.showNormal();
    window.raise();
    window.activateWindow();
  });
  window.show();
  return app.exec();
}
