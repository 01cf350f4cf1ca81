// The KivDocking5 demo: a window whose central area is a dock with six bars. With no display it
// runs on Qt's offscreen platform, writes screenshots of the dock's states to out/ and exits.
// `--scale 2` runs it at that device pixel ratio; the screenshots are then named
// kivdock-*@2x.png and have twice as many pixels each way.
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <cstdio>

#include "demo_window.h"
#include "kivdock/qt/kivdockwidget.h"

namespace {

bool noDisplay() {
  return qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

void settle(demo::DemoWindow& window) {
  for (int i = 0; i < 3; ++i) {
    QCoreApplication::processEvents();
    window.dockWidget().syncElements();
  }
}

// The scale asked for with --scale: 0 when none was, -1 when its value is not a positive number.
double scaleArgument(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (QByteArray(argv[i]) != "--scale") continue;
    const double scale = i + 1 < argc ? QByteArray(argv[i + 1]).toDouble() : 0;
    return scale > 0 && scale <= 8 ? scale : -1;
  }
  return 0;
}

QString shoot(demo::DemoWindow& window, const QString& name) {
  settle(window);
  const qreal ratio = window.devicePixelRatioF();
  const QString scaled =
      ratio == 1 ? name : QString(name).replace(".png", QString("@%1x.png").arg(ratio));
  const QString path = QDir("out").filePath(scaled);
  window.grab().save(path);
  return path;
}

// A key pressed and released on the focused widget, as the keyboard would.
void press(QWidget& window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QWidget* focused = window.focusWidget();
  if (!focused) return;
  QKeyEvent down(QEvent::KeyPress, key, modifiers), up(QEvent::KeyRelease, key, modifiers);
  QApplication::sendEvent(focused, &down);
  QApplication::sendEvent(focused, &up);
}

// A dark palette, as a dark desktop theme gives.
QPalette darkPalette() {
  QPalette dark(QColor(0x3A3A3A), QColor(0x2B2B2B));
  dark.setColor(QPalette::WindowText, QColor(0xE6E6E6));
  dark.setColor(QPalette::Text, QColor(0xE6E6E6));
  dark.setColor(QPalette::ButtonText, QColor(0xE6E6E6));
  dark.setColor(QPalette::Base, QColor(0x1F1F1F));
  dark.setColor(QPalette::AlternateBase, QColor(0x262626));
  dark.setColor(QPalette::Highlight, QColor(0x2F7FD0));
  dark.setColor(QPalette::HighlightedText, Qt::white);
  return dark;
}

// The tour of the screenshots: fill mode, scroll mode, a collapsed and a closed bar, the keyboard
// (Tab to a title, Space collapses it, Tab on to a later title with its focus frame) and a dark
// palette.
int screenshotTour(demo::DemoWindow& window) {
  QDir().mkpath("out");
  window.resize(1200, 880);
  window.show();
  QStringList written;
  written << shoot(window, "kivdock-fill.png");
  // A lower window, so that scroll mode needs its scroll bar.
  window.resize(1200, 640);
  window.setScrollMode(true);
  written << shoot(window, "kivdock-scroll.png");
  window.dockWidget().scrollBar()->setValue(window.dockWidget().scrollBar()->maximum());
  written << shoot(window, "kivdock-scroll-end.png");
  window.setScrollMode(false);
  window.resize(1200, 880);
  window.collapseBar("kunden");
  window.closeBar("notizen");
  written << shoot(window, "kivdock-collapsed-closed.png");
  window.dockWidget().showAllBars();
  QApplication::setActiveWindow(&window);
  window.focusFirstTitle();
  press(window, Qt::Key_Tab);
  press(window, Qt::Key_Space);
  press(window, Qt::Key_Tab);
  press(window, Qt::Key_Tab);
  written << shoot(window, "kivdock-keyboard.png");
  QApplication::setPalette(darkPalette());
  written << shoot(window, "kivdock-dark.png");
  QTextStream out(stdout);
  for (const QString& path : written) out << QDir::current().absoluteFilePath(path) << '\n';
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (noDisplay() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  const double scale = scaleArgument(argc, argv);
  if (scale > 0) {
    qputenv("QT_SCALE_FACTOR", QByteArray::number(scale));
  } else if (scale < 0) {
    std::fprintf(stderr, "usage: kivdock_demo [--scale <device pixel ratio>]\n");
    return 2;
  }
  QApplication app(argc, argv);
  QApplication::setOrganizationName("KivDocking5");
  QApplication::setApplicationName("KivDocking5 Demo");
  QApplication::setStyle(QStyleFactory::create("Fusion"));
  const bool offscreen = QGuiApplication::platformName() == QLatin1String("offscreen");

  // Screenshots start from the designed arrangement: their settings live in a temporary file.
  QTemporaryDir scratch;
  auto services = offscreen
                      ? std::make_shared<kiv::qt::SettingsServices>(scratch.filePath("demo.ini"))
                      : std::make_shared<kiv::qt::SettingsServices>();
  kiv::setSharedServicesFactory([services] { return services; });

  int result = 0;
  {
    demo::DemoWindow window(services);
    if (offscreen) {
      // Inside the event loop, as in a real run: a new palette reaches the widgets only there.
      QTimer::singleShot(0, &window, [&] { QApplication::exit(screenshotTour(window)); });
      result = QApplication::exec();
    } else {
      window.resize(1180, 800);
      window.show();
      result = QApplication::exec();
    }
  }
  // The services and the platform go before the application does.
  kiv::resetSharedServices();
  kiv::setPlatform(nullptr);
  return result;
}
