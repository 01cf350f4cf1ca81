#include "kivdock/headless_platform.h"

#include <cmath>

namespace kiv {

namespace {
// Code points of a UTF-8 text: continuation bytes do not start a character.
std::size_t characters(const std::string& text) {
  std::size_t n = 0;
  for (unsigned char c : text) n += (c & 0xC0) != 0x80;
  return n;
}
}  // namespace

std::string HeadlessPlatform::DefaultCaption() const { return "KivDocking5"; }

void HeadlessPlatform::MessageBox(const std::string& text, const std::string& caption) {
  messages_.push_back({text, caption.empty() ? DefaultCaption() : caption});
}

Hwnd HeadlessPlatform::CreateWindow() { return CreateWindow(0); }

Hwnd HeadlessPlatform::CreateWindow(Hwnd parent) {
  const Hwnd w = nextWindow_++;
  parents_[w] = parent;
  if (parent) children_[parent].insert(w);
  return w;
}

bool HeadlessPlatform::IsWindow(Hwnd window) const { return parents_.count(window) != 0; }

Hwnd HeadlessPlatform::CreateElementWindow(Hwnd parent) { return CreateWindow(parent); }

void HeadlessPlatform::DestroyElementWindow(Hwnd window) {
  // Windows of the host inside it are not destroyed: they lose their parent.
  if (auto kids = children_.find(window); kids != children_.end()) {
    for (Hwnd child : kids->second) parents_[child] = 0;
    children_.erase(kids);
  }
  if (auto it = parents_.find(window); it != parents_.end()) {
    if (auto siblings = children_.find(it->second); siblings != children_.end()) {
      siblings->second.erase(window);
    }
    parents_.erase(it);
  }
}

Hwnd HeadlessPlatform::GetParent(Hwnd window) const {
  auto it = parents_.find(window);
  return it == parents_.end() ? 0 : it->second;
}

Hwnd HeadlessPlatform::SetParent(Hwnd child, Hwnd parent) {
  auto it = parents_.find(child);
  if (it == parents_.end()) return 0;
  const Hwnd previous = it->second;
  it->second = parent;
  if (previous) children_[previous].erase(child);
  if (parent) children_[parent].insert(child);
  return previous;
}

void HeadlessPlatform::SetCursorPos(int xPx, int yPx) { cursor_ = {xPx, yPx}; }

PointPx HeadlessPlatform::ScreenToClient(Hwnd, PointPx screen) const { return screen; }

void HeadlessPlatform::SetUserMode(bool runTime) { userMode_ = runTime; }

void HeadlessPlatform::ForgetDragSource(const Element& element) {
  if (dragSource_ == &element) dragSource_ = nullptr;
}

float HeadlessPlatform::TextWidth(const Font& font, const std::string& text) const {
  const float pxPerChar = std::round(6.0f * font.Size / 9.0f);
  return static_cast<float>(characters(text)) * pxPerChar * kTwipsPerPixel;
}

float HeadlessPlatform::TextHeight(const Font& font) const {
  return std::round(15.0f * font.Size / 9.0f) * kTwipsPerPixel;
}

}  // namespace kiv
