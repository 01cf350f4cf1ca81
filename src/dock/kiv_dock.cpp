// The control's public face: every member opens a scope and hands over to the dock's core.
#include "kivdock/dock.h"

#include "dock/dock_core.h"

namespace kiv {

using detail::DockCore;

KivDock::KivDock() : core_(new DockCore(*this)) {}

std::shared_ptr<KivDock> KivDock::create() { return std::shared_ptr<KivDock>(new KivDock()); }

KivDock::~KivDock() { core_->terminate(); }

clsBars& KivDock::Bars() { return core_->Bars(); }
bool KivDock::AllowScroll() const { return core_->AllowScroll(); }
bool KivDock::Show() const { return core_->Show(); }
bool KivDock::DoLoadSettings() const { return core_->DoLoadSettings(); }
void KivDock::setDoLoadSettings(bool v) { core_->setDoLoadSettings(v); }
const std::string& KivDock::SettingsSection() const { return core_->SettingsSection(); }
void KivDock::setSettingsSection(const std::string& section) { core_->setSettingsSection(section); }
void KivDock::setEventSink(KivDockEvents* sink) { core_->setEventSink(sink); }
void KivDock::addEventListener(KivDockEvents* listener) { core_->addEventListener(listener); }
void KivDock::removeEventListener(KivDockEvents* listener) { core_->removeEventListener(listener); }
std::int32_t KivDock::Width() const { return core_->Width(); }
std::int32_t KivDock::Height() const { return core_->Height(); }
Elements& KivDock::elements() { return core_->elements(); }

void KivDock::setAllowScroll(bool v) {
  DockCore::Scope scope(*core_);
  core_->setAllowScroll(v);
}

void KivDock::setShow(bool v) {
  DockCore::Scope scope(*core_);
  core_->setShow(v);
}

std::any KivDock::ShowElement(std::int32_t Index) {
  DockCore::Scope scope(*core_);
  core_->ShowElement(Index);
  return {};
}

Hwnd KivDock::hWndItem(std::int16_t Index) { return core_->hWndItem(Index); }

void KivDock::Save() {
  DockCore::Scope scope(*core_);
  core_->Save();
}

void KivDock::setSize(std::int32_t width, std::int32_t height) {
  DockCore::Scope scope(*core_);
  core_->setSize(width, height);
}

}  // namespace kiv
