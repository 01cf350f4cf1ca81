#include "kivdock/qt/qt_platform.h"

#include <QApplication>
#include <QCursor>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMessageBox>
#include <cmath>

#include "conversions.h"
#include "modal_scope.h"
#include "window_registry.h"

namespace kiv::qt {

namespace detail {

int& modalDepth() {
  static int depth = 0;
  return depth;
}

bool headlessDisplay() {
  const QString name = QGuiApplication::platformName();
  return name == QLatin1String("offscreen") || name == QLatin1String("minimal");
}

}  // namespace detail

namespace {
bool hasGuiApplication() { return qobject_cast<QGuiApplication*>(QCoreApplication::instance()); }
}  // namespace

QtPlatform::QtPlatform(Mode mode)
    : recording_(mode == Mode::Recording ||
                 (mode == Mode::Automatic && (!hasGuiApplication() || detail::headlessDisplay()))) {
}

QtPlatform::~QtPlatform() = default;

std::shared_ptr<QtPlatform> QtPlatform::ensureInstalled() {
  auto current = std::dynamic_pointer_cast<QtPlatform>(kiv::platform());
  if (!current) {
    current = std::make_shared<QtPlatform>();
    kiv::setPlatform(current);
  }
  return current;
}

std::string QtPlatform::DefaultCaption() const { return "KivDocking5"; }

void QtPlatform::MessageBox(const std::string& text, const std::string& caption) {
  const std::string shownCaption = caption.empty() ? DefaultCaption() : caption;
  messages_.push_back({text, shownCaption});
  if (recording_ || !qobject_cast<QApplication*>(QCoreApplication::instance())) return;
  detail::ModalScope modal;
  QMessageBox box(QMessageBox::NoIcon, detail::toQString(shownCaption), detail::userText(text),
                  QMessageBox::Ok, QApplication::activeWindow());
  box.exec();
}

Hwnd QtPlatform::CreateElementWindow(Hwnd parent) {
  return detail::WindowRegistry::instance().createElementWindow(parent);
}

void QtPlatform::DestroyElementWindow(Hwnd window) {
  detail::WindowRegistry::instance().destroy(window);
}

Hwnd QtPlatform::GetParent(Hwnd window) const {
  return detail::WindowRegistry::instance().parentOf(window);
}

Hwnd QtPlatform::SetParent(Hwnd child, Hwnd parent) {
  return detail::WindowRegistry::instance().setParent(child, parent);
}

PointPx QtPlatform::GetCursorPos() const {
  if (pointerOverride_) return *pointerOverride_;
  const QPoint p = QCursor::pos();
  return {p.x(), p.y()};
}

PointPx QtPlatform::ScreenToClient(Hwnd window, PointPx screen) const {
  QWidget* w = detail::WindowRegistry::instance().realize(window);
  if (!w) return screen;
  const QPoint p = w->mapFromGlobal(QPoint(screen.X, screen.Y));
  return {p.x(), p.y()};
}

void QtPlatform::BeginDrag(Element& source) {
  dragSource_ = &source;
  pendingDrag_ = &source;
}

const Element* QtPlatform::takePendingDrag() {
  const Element* e = pendingDrag_;
  pendingDrag_ = nullptr;
  return e;
}

void QtPlatform::ForgetDragSource(const Element& element) {
  if (dragSource_ == &element) dragSource_ = nullptr;
  if (pendingDrag_ == &element) pendingDrag_ = nullptr;
}

// Labels take the width of their text in whole pixels, so what is painted fits what was measured.
float QtPlatform::TextWidth(const Font& font, const std::string& text) const {
  if (!hasGuiApplication()) return 0;
  const QFontMetricsF metrics(detail::toQFont(font));
  const double px = std::ceil(metrics.horizontalAdvance(detail::toQString(text)));
  return static_cast<float>(px * detail::kTwips);
}

float QtPlatform::TextHeight(const Font& font) const {
  if (!hasGuiApplication()) return 0;
  const QFontMetricsF metrics(detail::toQFont(font));
  return static_cast<float>(std::ceil(metrics.height()) * detail::kTwips);
}

}  // namespace kiv::qt
