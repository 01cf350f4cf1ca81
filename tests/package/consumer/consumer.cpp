// Uses the installed headers and libraries the way a host does; exits non-zero on a fault.
#include <kivdock/kivdock.h>

#ifdef KIVDOCK_CONSUMER_QT
#include <kivdock/qt/kivdockwidget.h>
#include <QApplication>
#endif

#include <cstdio>
#include <memory>

int main(int argc, char** argv) {
  kiv::setPlatform(std::make_shared<kiv::HeadlessPlatform>());
  kiv::setSharedServicesFactory([] { return std::make_shared<kiv::MemorySharedServices>(); });
  bool ok = false;
  {
    auto dock = kiv::KivDock::create();
    dock->Bars().Add()->setKey("a");
    try {
      dock->Bars().Bar(5);
    } catch (const kiv::KivError& e) {  // the error's type crosses the library boundary
      ok = e.Number() == 9 && dock->Bars().ItemByKey("a") != nullptr;
    }
  }
#ifdef KIVDOCK_CONSUMER_QT
  QApplication app(argc, argv);
  kiv::qt::KivDockWidget widget;
  widget.dock()->Bars().Add();
  ok = ok && widget.dock()->Bars().Count() == 1;
#else
  (void)argc, (void)argv;
#endif
  std::puts(ok ? "package consumer: ok" : "package consumer: FAILED");
  return ok ? 0 : 1;
}
