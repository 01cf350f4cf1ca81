#include "support/invariants.h"

#include <cmath>
#include <cstdint>
#include <sstream>

namespace kivrobust {

namespace {

constexpr std::int32_t kMaxElementIndex = 32767;

// The nearest whole number, halves to the even one.
std::int32_t whole(double v) {
  double r = std::floor(v);
  const double frac = v - r;
  if (frac > 0.5 || (frac == 0.5 && std::fmod(r, 2.0) != 0)) r += 1;
  return static_cast<std::int32_t>(r);
}

// Adds a height to a running position the way the stacking does: a sum beyond 32 bits is skipped.
void advance(std::int32_t& y, std::int32_t height) {
  const std::int64_t next = std::int64_t{y} + height;
  if (next >= INT32_MIN && next <= INT32_MAX) y = static_cast<std::int32_t>(next);
}

class Findings {
 public:
  template <class... Parts>
  void add(const char* invariant, const Parts&... parts) {
    std::ostringstream out;
    out << '[' << invariant << "] ";
    (out << ... << parts);
    list_.push_back(out.str());
  }
  std::vector<std::string> take() { return std::move(list_); }

 private:
  std::vector<std::string> list_;
};

std::vector<std::shared_ptr<kiv::cKivBar>> barsInOrder(kiv::clsBars& bars) {
  std::vector<std::shared_ptr<kiv::cKivBar>> list;
  for (std::int32_t p = 1; p <= bars.Count(); ++p) list.push_back(bars.ItemByOrder(p));
  return list;
}

void checkOrder(kiv::clsBars& bars, Findings& f) {
  const std::int32_t n = bars.Count();
  std::vector<int> seen(static_cast<std::size_t>(n) + 1, 0);
  for (std::int32_t p = 1; p <= n; ++p) {
    auto b = bars.ItemByOrder(p);
    if (!b) {
      f.add("order", "position ", p, " of ", n, " names no bar");
      continue;
    }
    const std::int32_t i = b->Index();
    if (i < 1 || i > n || bars.Item(i) != b) {
      f.add("order", "position ", p, " holds ", barName(*b), ", which is not bar ", i);
    } else if (++seen[static_cast<std::size_t>(i)] > 1) {
      f.add("order", barName(*b), " stands at more than one position");
    }
  }
  for (std::int32_t i = 1; i <= n; ++i) {
    if (auto b = bars.Item(i); !b || b->Index() != i) {
      f.add("index", "Item(", i, ") is not the bar with Index ", i);
    } else if (seen[static_cast<std::size_t>(i)] == 0) {
      f.add("order", barName(*b), " is missing from the order");
    }
  }
  if (bars.ItemByOrder(0) || bars.ItemByOrder(n + 1)) {
    f.add("order", "a position outside 1..", n, " names a bar");
  }
  // The visible order is the order without the hidden bars.
  std::int32_t visible = 0;
  for (std::int32_t p = 1; p <= n; ++p) {
    auto b = bars.ItemByOrder(p);
    if (!b || b->State() == kiv::eBarHidden) continue;
    ++visible;
    if (bars.ItemByOrderVisible(visible) != b) {
      f.add("visible order", "ItemByOrderVisible(", visible, ") is not ", barName(*b));
    }
  }
  if (bars.CountVisible() != visible) {
    f.add("visible order", "CountVisible is ", bars.CountVisible(), ", ", visible, " expected");
  }
  if (bars.ItemByOrderVisible(visible + 1)) {
    f.add("visible order", "ItemByOrderVisible(", visible + 1, ") names a bar");
  }
}

const char* arrayName(kiv::ElementArray array) {
  static const char* const names[] = {
      "surface",     "picDockBar", "picTitel", "lblTitel", "lblTitelRight", "imgClose",
      "imgCollapse", "imgExpand",  "imgIcon",  "imgOpt",   "imgUp",         "imgDown",
      "picSplit",    "lineSplit",  "VScroll",  "Line1",    "Line2",         "imgHand"};
  return names[static_cast<int>(array)];
}

void checkElementSets(kiv::KivDock& dock, Findings& f) {
  kiv::Elements& el = dock.elements();
  const std::int32_t n = dock.Bars().Count();
  const std::int32_t expected = n < kMaxElementIndex ? n : kMaxElementIndex;
  if (el.UBound() != expected) {
    f.add("element sets", "UBound is ", el.UBound(), " with ", n, " bars");
  }
  using A = kiv::ElementArray;
  const std::pair<A, A> containment[] = {
      {A::picDockBar, A::Surface},     {A::picTitel, A::picDockBar}, {A::lblTitel, A::picTitel},
      {A::lblTitelRight, A::picTitel}, {A::imgClose, A::picTitel},   {A::imgCollapse, A::picTitel},
      {A::imgExpand, A::picTitel},     {A::imgIcon, A::picTitel},    {A::imgOpt, A::picTitel},
      {A::imgUp, A::picTitel},         {A::imgDown, A::picTitel},    {A::picSplit, A::picDockBar},
      {A::lineSplit, A::picSplit}};
  for (std::int32_t i = 1; i <= expected; ++i) {
    const auto k = static_cast<std::int16_t>(i);
    for (const auto& [array, container] : containment) {
      kiv::Element* e = el.find(array, k);
      kiv::Element* c = el.find(container, container == A::Surface ? 0 : k);
      if (!e) {
        f.add("element sets", barName(*dock.Bars().Item(i)), " lacks its ", arrayName(array));
      } else if (e->Container() != c) {
        f.add("element sets", barName(*dock.Bars().Item(i)), ": its ", arrayName(array),
              " lies in the wrong container");
      }
    }
  }
}

void checkBars(kiv::KivDock& dock, Findings& f) {
  kiv::clsBars& bars = dock.Bars();
  for (std::int32_t i = 1; i <= bars.Count(); ++i) {
    auto b = bars.Item(i);
    if (!b) continue;
    const std::int32_t h = b->Height();
    if (b->State() == kiv::eBarHidden && h != 0) {
      f.add("hidden height", barName(*b), " is hidden but its Height reads ", h);
    }
    if (h != 0 && h < 300) f.add("height rule", barName(*b), " has Height ", h, " below 300");
    if (dock.Show() && i <= kMaxElementIndex && b->State() == kiv::eBarHidden &&
        dock.elements().picDockBar(static_cast<std::int16_t>(i)).Visible()) {
      f.add("hidden body", barName(*b), " is hidden but its body box is visible");
    }
  }
}

void expectTop(kiv::KivDock& dock, const kiv::cKivBar& b, std::int32_t y, const char* where,
               Findings& f) {
  if (b.Index() > kMaxElementIndex) return;
  const float top = dock.elements().picDockBar(static_cast<std::int16_t>(b.Index())).Top();
  if (top != static_cast<float>(y)) {
    f.add("stacking", barName(b), " ", where, ": body Top ", top, ", ", y, " expected");
  }
}

void checkStacking(kiv::KivDock& dock, Findings& f) {
  const auto order = barsInOrder(dock.Bars());
  kiv::Elements& el = dock.elements();
  if (!dock.AllowScroll()) {
    std::int32_t y = 0;
    for (const auto& b : order) {
      if (!b) continue;
      expectTop(dock, *b, y, "in the column", f);
      advance(y, b->Height());
    }
    return;
  }
  const std::int32_t offset = el.VScroll().Visible() ? -el.VScroll().Value() : 0;
  std::int32_t y = offset;
  auto group = [&](kiv::eAlignBar align, const char* where) {
    for (const auto& b : order) {
      if (!b || b->AlignBar() != align) continue;
      expectTop(dock, *b, y, where, f);
      advance(y, b->Height());
    }
  };
  group(kiv::eAlignTop, "in the top band");
  const std::int32_t band = y;
  group(kiv::eAlignLeft, "in the left column");
  const std::int32_t left = y;
  y = band;
  group(kiv::eAlignRight, "in the right column");
  const std::int32_t bottom = left >= y ? left : y;
  for (kiv::Line* line : {&el.Line1(), &el.Line2()}) {
    if (line->Y1() != static_cast<float>(band) ||
        line->Y2() != static_cast<float>(std::int64_t{bottom} - 50)) {
      f.add("stacking", "separator line runs from ", line->Y1(), " to ", line->Y2(), ", ", band,
            " to ", std::int64_t{bottom} - 50, " expected");
    }
  }
}

void checkWidths(kiv::KivDock& dock, Findings& f) {
  kiv::Elements& el = dock.elements();
  const bool scroll = dock.AllowScroll();
  const bool bar = scroll && el.VScroll().Visible();
  std::int32_t w = whole(static_cast<double>(dock.Width()) - (bar ? el.VScroll().Width() : 0) - 20);
  if (w < 200) w = 200;
  if (!scroll && (el.VScroll().Visible() || el.Line1().Visible() || el.Line2().Visible())) {
    f.add("widths", "fill mode shows the scroll bar or a separator line");
  }
  if (scroll) {
    const float x1 = w / 2.0f - 15, x2 = w / 2.0f;
    if (el.Line1().X1() != x1 || el.Line1().X2() != x1 || el.Line2().X1() != x2 ||
        el.Line2().X2() != x2 || !el.Line1().Visible() || !el.Line2().Visible()) {
      f.add("widths", "separator lines not at ", x1, " and ", x2, " for the usable width ", w);
    }
  }
  for (const auto& b : barsInOrder(dock.Bars())) {
    if (!b || b->Index() > kMaxElementIndex) continue;
    std::int32_t left = 30, width = w;
    const char* where = "at full width";
    if (scroll && b->AlignBar() == kiv::eAlignLeft) {
      width = whole(w / 2.0 - 45);
      where = "in the left column";
    } else if (scroll && b->AlignBar() == kiv::eAlignRight) {
      left = whole(w / 2.0 + 45);
      width = whole(w / 2.0 - 30);
      where = "in the right column";
    } else if (scroll && b->AlignBar() != kiv::eAlignTop && b->AlignBar() != kiv::eAlignBottom) {
      continue;  // any other alignment keeps its place
    }
    const kiv::PictureBox& body = el.picDockBar(static_cast<std::int16_t>(b->Index()));
    if (body.Left() != static_cast<float>(left) || body.Width() != static_cast<float>(width)) {
      f.add("widths", barName(*b), " ", where, ": left ", body.Left(), " width ", body.Width(),
            ", ", left, " and ", width, " expected");
    }
  }
}

// After a full layout pass every bar the pass reached is painted for its state: its body box
// shows, its splitter shows exactly when it is expanded with ShowResize, and a hosted control
// shows exactly when it is expanded.
void checkPainted(kiv::KivDock& dock, Findings& f) {
  kiv::Elements& el = dock.elements();
  for (const auto& b : barsInOrder(dock.Bars())) {
    if (!b || b->Index() > kMaxElementIndex || b->State() == kiv::eBarHidden) continue;
    if (dock.AllowScroll() &&
        (b->AlignBar() < kiv::eAlignTop || b->AlignBar() > kiv::eAlignBottom)) {
      continue;  // the width pass leaves these alone, and with them their paint
    }
    const auto k = static_cast<std::int16_t>(b->Index());
    const bool expanded = b->State() == kiv::eBarExpanded;
    if (!el.picDockBar(k).Visible())
      f.add("painted", barName(*b), " is not hidden but its body box is");
    if (el.picSplit(k).Visible() != (expanded && b->ShowResize())) {
      f.add("painted", barName(*b), ": splitter ", el.picSplit(k).Visible() ? "shown" : "hidden",
            " with State ", b->State(), " and ShowResize ", b->ShowResize());
    }
    auto probe = std::dynamic_pointer_cast<ProbeControl>(b->Control());
    if (probe && probe->kind() == ProbeControl::Kind::Full && probe->visible != expanded) {
      f.add("painted", barName(*b), ": hosted control ", probe->visible ? "shown" : "hidden",
            " with State ", b->State());
    }
  }
}

void checkHostedWindows(const InvariantInput& in, Findings& f) {
  kiv::clsBars& bars = in.dock->Bars();
  for (const auto& control : *in.controls) {
    if (!control->hasWindow()) continue;
    std::shared_ptr<kiv::cKivBar> host;
    for (std::int32_t i = 1; i <= bars.Count() && !host; ++i) {
      if (bars.Item(i)->Control() == control) host = bars.Item(i);
    }
    const kiv::Hwnd parent = in.platform->GetParent(control->window());
    if (host && host->Index() <= kMaxElementIndex) {
      const kiv::Hwnd body = in.dock->hWndItem(static_cast<std::int16_t>(host->Index()));
      if (parent != body) {
        f.add("hosted window", barName(*host), " hosts a control whose window lies elsewhere");
      }
    } else if (!host && parent != control->originalParent()) {
      f.add("hosted window", "the control of window ", control->window(),
            ", hosted by no bar, lies in window ", parent, " instead of ",
            control->originalParent());
    }
  }
}

}  // namespace

std::string barName(const kiv::cKivBar& bar) {
  return "bar " + std::to_string(bar.Index()) + " ('" + bar.Key() + "')";
}

std::vector<std::string> checkInvariants(const InvariantInput& in) {
  Findings f;
  kiv::KivDock& dock = *in.dock;
  checkOrder(dock.Bars(), f);
  checkElementSets(dock, f);
  checkBars(dock, f);
  if (dock.Show() && in.stackSettled) checkStacking(dock, f);
  if (dock.Show() && in.widthsSettled) {
    checkWidths(dock, f);
    checkPainted(dock, f);
  }
  if (in.services) {
    for (const auto& w : in.services->malformedWrites) f.add("settings", "malformed text ", w);
  }
  if (in.platform && in.controls) checkHostedWindows(in, f);
  return f.take();
}

std::map<std::string, std::string> expectedSettings(kiv::KivDock& dock) {
  std::map<std::string, std::string> texts;
  std::int32_t counter = 0;
  const auto order = barsInOrder(dock.Bars());
  for (std::int32_t align = kiv::eAlignTop; align <= kiv::eAlignBottom; ++align) {
    for (const auto& b : order) {
      if (!b || b->AlignBar() != align) continue;
      ++counter;
      if (b->Key().empty()) continue;
      texts[b->Key()] = std::to_string(counter) + ":" + std::to_string(align) + ":" +
                        std::to_string(b->State()) + ":" + std::to_string(b->Height());
    }
  }
  return texts;
}

std::vector<std::string> checkSavedSettings(kiv::KivDock& dock, const RecordingServices& services) {
  Findings f;
  for (const auto& [key, text] : expectedSettings(dock)) {
    if (services.stored(key) != text) {
      f.add("saved settings", "key '", key, "' holds '", services.stored(key), "', '", text,
            "' expected");
    }
  }
  return f.take();
}

}  // namespace kivrobust
