// The invariants of a dock that hold between any two operations of a host or a user.
#include <algorithm>
#include <cmath>
#include <sstream>

#include "support/robust.h"

namespace kivrobust {

namespace {
using A = kiv::ElementArray;
using BarList = std::vector<std::shared_ptr<kiv::cKivBar>>;

struct Findings : std::vector<std::string> {
  template <class... Parts>
  void operator()(const char* invariant, const Parts&... parts) {
    std::ostringstream out;
    out << '[' << invariant << "] ";
    (out << ... << parts);
    push_back(out.str());
  }
};

std::string name(const std::shared_ptr<kiv::cKivBar>& b) {
  return "bar " + std::to_string(b->Index()) + " ('" + b->Key() + "')";
}
std::int32_t whole(double v) { return static_cast<std::int32_t>(std::nearbyint(v)); }  // ties even

// Each position of the order names a bar of its own, Item(Index) is that bar (so the order holds
// every bar once), and the visible order is the order without the hidden bars.
void checkOrder(kiv::clsBars& bars, const BarList& order, Findings& add) {
  const std::int32_t n = bars.Count();
  std::vector<int> seen(static_cast<std::size_t>(n) + 1);
  std::int32_t visible = 0;
  for (std::int32_t p = 1; p <= n; ++p) {
    const auto& b = order[static_cast<std::size_t>(p) - 1];
    if (!b || b->Index() < 1 || b->Index() > n || bars.Item(b->Index()) != b ||
        seen[b->Index()]++) {
      add("order", "position ", p, " of ", n, " names no bar of its own");
    } else if (b->State() != kiv::eBarHidden && bars.ItemByOrderVisible(++visible) != b) {
      add("visible order", name(b), " is not visible bar ", visible);
    }
  }
  if (bars.ItemByOrder(0) || bars.ItemByOrder(n + 1)) add("order", "a position beyond 1..", n);
  if (bars.CountVisible() != visible || bars.ItemByOrderVisible(visible + 1))
    add("visible order", "CountVisible is ", bars.CountVisible(), ", ", visible, " expected");
}

// Each bar up to the last element index has its element set, each element in its container.
void checkElementSets(kiv::KivDock& dock, Findings& add) {
  static const std::pair<A, A> kContainers[] = {
      {A::picDockBar, A::Surface},     {A::picTitel, A::picDockBar}, {A::lblTitel, A::picTitel},
      {A::lblTitelRight, A::picTitel}, {A::imgClose, A::picTitel},   {A::imgCollapse, A::picTitel},
      {A::imgExpand, A::picTitel},     {A::imgIcon, A::picTitel},    {A::imgOpt, A::picTitel},
      {A::imgUp, A::picTitel},         {A::imgDown, A::picTitel},    {A::picSplit, A::picDockBar},
      {A::lineSplit, A::picSplit}};
  kiv::Elements& el = dock.elements();
  const std::int32_t n = std::min(dock.Bars().Count(), kLastElement);
  if (el.UBound() != n) add("element sets", "UBound is ", el.UBound(), " for ", n, " bars");
  kiv::Element* const surface = el.find(A::Surface, 0);
  for (std::int32_t i = 1; i <= n; ++i) {
    const auto k = static_cast<std::int16_t>(i);
    kiv::Element* const box = el.find(A::picDockBar, k);
    kiv::Element* const title = el.find(A::picTitel, k);
    kiv::Element* const split = el.find(A::picSplit, k);
    for (const auto& [array, container] : kContainers) {
      kiv::Element* e = array == A::picDockBar ? box
                        : array == A::picTitel ? title
                        : array == A::picSplit ? split
                                               : el.find(array, k);
      kiv::Element* const home = container == A::Surface      ? surface
                                 : container == A::picDockBar ? box
                                 : container == A::picTitel   ? title
                                                              : split;
      if (!e || e->Container() != home)
        add("element sets", "bar ", i, ": array ", static_cast<int>(array),
            " missing or misplaced");
    }
  }
}

// The heights a bar may have; after a full layout pass also its place across the dock (full
// width, or the left or the right column in scroll mode) and its paint for its state.
void checkBars(kiv::KivDock& dock, const BarList& order, bool widths, bool boxes, Findings& add) {
  kiv::Elements& el = dock.elements();
  const bool scroll = dock.AllowScroll(), scrollBar = scroll && el.VScroll().Visible();
  const std::int32_t w = std::max(
      200, whole(static_cast<double>(dock.Width()) - (scrollBar ? el.VScroll().Width() : 0) - 20));
  for (const auto& b : order) {
    if (!b) continue;
    const bool hidden = b->State() == kiv::eBarHidden, expanded = b->State() == kiv::eBarExpanded;
    if (hidden && b->Height() != 0) add("hidden height", name(b), " is hidden at ", b->Height());
    if (b->Height() != 0 && b->Height() < 300) add("height rule", name(b), " is below 300");
    if (b->Index() > kLastElement || !dock.Show()) continue;
    const auto k = static_cast<std::int16_t>(b->Index());
    const kiv::PictureBox& box = el.picDockBar(k);
    const std::int32_t align = scroll ? b->AlignBar() : kiv::eAlignTop;  // others are left alone
    const bool placed = widths && align >= kiv::eAlignTop && align <= kiv::eAlignBottom;
    if (box.Visible() == hidden && boxes && (hidden || placed))
      add("body box", name(b), " in State ", b->State(), " has its body box ",
          box.Visible() ? "shown" : "not shown");
    if (!placed) continue;
    const std::int32_t left = align == kiv::eAlignRight ? whole(w / 2.0 + 45) : 30;
    const std::int32_t width = align == kiv::eAlignLeft    ? whole(w / 2.0 - 45)
                               : align == kiv::eAlignRight ? whole(w / 2.0 - 30)
                                                           : w;
    if (box.Left() != static_cast<float>(left) || box.Width() != static_cast<float>(width))
      add("widths", name(b), " at ", box.Left(), "+", box.Width(), ", not ", left, "+", width);
    if (hidden) continue;
    if (el.picSplit(k).Visible() != (expanded && b->ShowResize()))
      add("painted", name(b), " in State ", b->State(), " has its splitter ",
          el.picSplit(k).Visible() ? "shown" : "not shown");
    auto probe = std::dynamic_pointer_cast<ProbeControl>(b->Control());
    if (probe && probe->kind == ProbeControl::Full && probe->visible != expanded)
      add("painted", name(b), " in State ", b->State(), " has its hosted control ",
          probe->visible ? "shown" : "not shown");
  }
  const float x1 = w / 2.0f - 15, x2 = w / 2.0f;
  const bool lines = el.Line1().Visible() && el.Line2().Visible() && el.Line1().X1() == x1 &&
                     el.Line1().X2() == x1 && el.Line2().X1() == x2 && el.Line2().X2() == x2;
  if (widths &&
      (scroll ? !lines : el.VScroll().Visible() || el.Line1().Visible() || el.Line2().Visible()))
    add("widths", "scroll bar or separator lines wrong for the usable width ", w);
}

// The bars stand one below the other; scroll mode stacks the top group, then the left and the
// right column side by side below it, with the separator lines between them.
void checkStacking(kiv::KivDock& dock, const BarList& order, Findings& add) {
  kiv::Elements& el = dock.elements();
  auto stack = [&](int align, std::int32_t y) {  // align 0: every bar
    for (const auto& b : order) {
      if (!b || (align != 0 && b->AlignBar() != align)) continue;
      const float top = b->Index() > kLastElement
                            ? static_cast<float>(y)
                            : el.picDockBar(static_cast<std::int16_t>(b->Index())).Top();
      if (top != static_cast<float>(y))
        add("stacking", name(b), ": Top ", top, ", ", y, " expected");
      const std::int64_t next = std::int64_t{y} + b->Height();  // a sum beyond 32 bits is skipped
      if (next >= INT32_MIN && next <= INT32_MAX) y = static_cast<std::int32_t>(next);
    }
    return y;
  };
  if (!dock.AllowScroll()) {
    stack(0, 0);
    return;
  }
  // The bars keep the offset they were stacked with (a scroll bar that reappears with a kept
  // value does not move them): the first bar of the band, or without one the lines, tell where.
  float start = el.Line1().Y1();
  for (const auto& b : order) {
    if (!b || b->AlignBar() != kiv::eAlignTop || b->Index() > kLastElement) continue;
    start = el.picDockBar(static_cast<std::int16_t>(b->Index())).Top();
    break;
  }
  const std::int32_t band = stack(kiv::eAlignTop, static_cast<std::int32_t>(start));
  const std::int64_t bottom = std::max(stack(kiv::eAlignLeft, band), stack(kiv::eAlignRight, band));
  for (kiv::Line* line : {&el.Line1(), &el.Line2()}) {
    if (line->Y1() != static_cast<float>(band) || line->Y2() != static_cast<float>(bottom - 50))
      add("stacking", "separator from ", line->Y1(), " to ", line->Y2(), ", ", band, " to ",
          bottom - 50, " expected");
  }
}

// A hosted control lies in its bar's body window; every other one is back in the host's form.
void checkHosted(const Host& host, Findings& add) {
  if (host.controls.empty()) return;
  std::vector<std::pair<const kiv::HostedControl*, std::int32_t>> held;  // control, bar
  for (std::int32_t i = 1; host.dock && i <= host.dock->Bars().Count(); ++i) {
    if (const auto control = host.dock->Bars().Item(i)->Control())
      held.emplace_back(control.get(), i);
  }
  for (const auto& control : host.controls) {
    if (!control->window) continue;
    const kiv::Hwnd parent = host.platform->GetParent(control->window);
    kiv::Hwnd home = host.form;
    for (const auto& [held_control, i] : held) {  // the last bar holding it counts
      if (held_control == control.get())          // a bar without elements: anywhere
        home = i > kLastElement ? parent : host.dock->hWndItem(static_cast<std::int16_t>(i));
    }
    if (parent != home) add("hosted window", "control ", control->window, " lies in ", parent);
  }
}

}  // namespace

std::vector<std::string> Host::check(bool stackSettled, bool widthsSettled) const {
  Findings add;
  if (dock) {
    BarList order;
    order.reserve(static_cast<std::size_t>(std::max(dock->Bars().Count(), 0)));
    for (std::int32_t p = 1; p <= dock->Bars().Count(); ++p)
      order.push_back(dock->Bars().ItemByOrder(p));
    checkOrder(dock->Bars(), order, add);
    checkElementSets(*dock, add);
    checkBars(*dock, order, dock->Show() && widthsSettled, bodyBoxesPainted, add);
    if (dock->Show() && stackSettled) checkStacking(*dock, order, add);
  }
  checkHosted(*this, add);
  for (const auto& w : services->malformedWrites) add("settings", "malformed text ", w);
  return std::move(add);
}

std::map<std::string, std::string> expectedSettings(kiv::KivDock& dock) {
  std::map<std::string, std::string> texts;  // a later bar of the same key overwrites
  std::int32_t counter = 0;
  for (std::int32_t align = kiv::eAlignTop; align <= kiv::eAlignBottom; ++align) {
    for (std::int32_t p = 1; p <= dock.Bars().Count(); ++p) {
      auto b = dock.Bars().ItemByOrder(p);
      if (!b || b->AlignBar() != align) continue;
      ++counter;
      std::string key = b->Key();
      if (key.empty()) continue;
      texts[std::move(key)] = std::to_string(counter) + ":" + std::to_string(align) + ":" +
                              std::to_string(b->State()) + ":" + std::to_string(b->Height());
    }
  }
  return texts;
}

std::vector<std::string> Host::checkSaved() const {
  std::vector<std::string> found;
  for (const auto& [key, text] : expectedSettings(*dock)) {
    if (services->stored(key) != text)
      found.push_back("[saved] '" + key + "' holds '" + services->stored(key) + "', not " + text);
  }
  return found;
}

std::vector<std::string> Host::resave() {
  std::vector<std::string> found = check(true);
  dock->Save();
  for (auto& more : {checkSaved(), (dock->setShow(true), check(true))})
    found.insert(found.end(), more.begin(), more.end());
  return found;
}

}  // namespace kivrobust
