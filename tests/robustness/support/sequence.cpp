// Random operations of a host and a user on one dock, each followed by the invariant checks. Each
// operation tells what it leaves settled: the stacking after anything that restacks, the widths
// after a full layout pass; a change of what the layout depends on unsettles them.
#include <climits>
#include <iterator>
#include <sstream>
#include <tuple>

#include "support/robust.h"

namespace kivrobust {

namespace {
using A = kiv::ElementArray;
using Bar = kiv::cKivBar;

struct Effect {  // -1 unsettles, 0 keeps, 1 settles; saved: the operation ended with a save
  int stack = 0, widths = 0;
  bool saved = false;
};
constexpr Effect kKeep{}, kFull{1, 1}, kUnsettle{-1, -1};

template <class V>
struct Setter {
  const char* name;
  void (Bar::*set)(V);
};
#define KIV_SETTER(property) \
  { #property, &Bar::set##property }
const Setter<bool> kSwitches[] = {
    KIV_SETTER(AllowResize),   KIV_SETTER(CanExpand),     KIV_SETTER(CanMove),
    KIV_SETTER(ShowClose),     KIV_SETTER(ShowResize),    KIV_SETTER(ShowOptions),
    KIV_SETTER(HideByDefault), KIV_SETTER(TitleVertical), KIV_SETTER(Redraw)};
const Setter<std::int32_t> kNumbers[] = {KIV_SETTER(Top), KIV_SETTER(left), KIV_SETTER(Width),
                                         KIV_SETTER(HeightMax), KIV_SETTER(fTopBar)};
const Setter<std::int32_t> kColours[] = {KIV_SETTER(TitleBackColorStart),
                                         KIV_SETTER(TitleBackColorEnd), KIV_SETTER(TitleForeColor),
                                         KIV_SETTER(BackColor)};
const Setter<const std::string&> kTexts[] = {KIV_SETTER(Title), KIV_SETTER(TitleRight),
                                             KIV_SETTER(Key)};
#undef KIV_SETTER

const char* const kKeys[] = {"", "a", "b", "c", "d", "e", "ZAHL_TOP", "Schl\xc3\xbcssel", "x:y"};
const char* const kTitles[] = {"", "\xe2\x82\xac \xc3\xa4\xc3\xb6\xc3\xbc", "\xff\xfe kaputt",
                               "Ein sehr langer Titel, der unter die Knoepfe laeuft"};
struct Run {
  explicit Run(Choices& choices) : c(choices) {
    if (c.chance(95)) dock().setSize(4800, 3600);  // else never sized: its smallest size
  }
  // A choice, noted in the description of the operation.
  template <class T>
  T note(const char* label, T value) {
    if (describe) line << ' ' << label << "=[" << value << ']';
    return value;
  }
  template <class T, std::size_t N>
  const T& any(const T (&list)[N]) {
    return list[c.below(N)];
  }
  kiv::KivDock& dock() { return *h.dock; }
  std::int32_t length() {
    return c.chance(65) ? c.between(300, 6000)
                        : c.pick({INT_MIN, -1, 0, 1, 150, 299, 300, 301, 600, 2655, 20000, 32767,
                                  32768, (1 << 24) + 1, INT_MAX - 1, INT_MAX});
  }
  std::string key() { return c.chance(3) ? std::string(300, 'k') : any(kKeys); }
  std::int32_t bar() {
    const std::int32_t n = dock().Bars().Count();
    return note("bar", c.chance(92) ? c.between(1, std::max(n, 1)) : c.pick({0, -1, n + 1, 32768}));
  }
  // An element of a bar that the user can reach, or (offScreen percent of the time) any.
  kiv::Element* element(A array, std::int32_t bar, std::uint32_t offScreen) {
    const bool any = note("offScreen", c.chance(offScreen));
    if (bar < 1 || bar > kLastElement) return nullptr;
    kiv::Element* e = dock().elements().find(array, static_cast<std::int16_t>(bar));
    return e && (any || e->VisibleOnScreen()) ? e : nullptr;
  }
  std::vector<std::int32_t> arrangement() {  // index and alignment of each bar, in order
    std::vector<std::int32_t> list;
    for (std::int32_t p = 1; p <= dock().Bars().Count(); ++p) {
      if (auto b = dock().Bars().ItemByOrder(p))
        list.insert(list.end(), {b->Index(), b->AlignBar()});
    }
    return list;
  }
  std::vector<std::string> step();
  // The operation reached neither the dock nor the host: nothing changed since the last check.
  void idle() { untouched = true; }

  Choices& c;
  Host h;
  std::ostringstream line;
  Effect effect;                      // of the running operation
  std::vector<std::string> messages;  // of the last step
  std::int32_t splitBar = 0;          // the bar whose splitter holds the mouse
  bool stack = false, widths = false;
  bool untouched = false;  // of the running operation
  bool describe = false;   // the operations are noted in line
};

void setProperty(Run& r) {
  auto bar = r.dock().Bars().Item(r.bar());
  auto set = [&](const char* name, auto setter, auto value) {
    const auto v = r.note(name, value());
    if (!bar) return r.idle();
    ((*bar).*setter)(v);
    // Its top unsettles the stacking, its place across the dock (and AllowResize, which sets
    // ShowResize without a repaint) the widths, its alignment both.
    const std::string p = name;
    r.effect.stack = -(p == "Top" || p == "AlignBar");
    r.effect.widths = -(p == "left" || p == "Width" || p == "AllowResize" || p == "AlignBar");
  };
  auto setAny = [&](const auto& setters, auto value) {
    const auto& setter = r.any(setters);
    set(setter.name, setter.set, value);
  };
  switch (r.c.below(11)) {
    case 0:
      return setAny(kSwitches, [&] { return r.c.chance(50); });
    case 1:
      return setAny(kNumbers, [&] { return r.length(); });
    case 6:
      return setAny(kColours, [&] {
        return r.c.chance(80) ? r.c.between(0, 0xFFFFFF) : r.c.pick({-1, INT_MIN});
      });
    case 2:
      return setAny(kTexts, [&] { return r.c.chance(50) ? r.key() : std::string(r.any(kTitles)); });
    case 3:
      return set("State", &Bar::setState, [&] {
        return kiv::EKivBarStates(r.c.chance(80) ? r.c.between(0, 2) : r.c.pick({-1, 3, INT_MIN}));
      });
    case 4:
      return set("AlignBar", &Bar::setAlignBar, [&] {
        return kiv::eAlignBar(r.c.chance(80) ? r.c.between(1, 4) : r.c.pick({0, 5, -1, INT_MAX}));
      });
    case 5:  // up to the largest title line whose collapsed height is still a 32-bit number
      return set("fTitleHeight", &Bar::setfTitleHeight, [&] {
        return r.c.pick({0, 20, 260, -300, 151, 1 << 24, INT_MAX - 20});
      });
    case 7: {  // none, 16 x 16, 0 x 0, or wider than any title
      const int w = r.note("icon", r.c.pick({-1, 16, 0, 2000})), h = w == 16 ? 16 : 1;
      const kiv::Picture icon{w, h, std::vector<std::uint32_t>(std::max(w * h, 0), 0xff3366ccu)};
      if (!bar) return r.idle();
      bar->setIcon(w < 0 ? nullptr : std::make_shared<kiv::Picture>(icon));
      return;
    }
    case 8: {
      const auto [replace, kind] =
          std::tuple{r.note("setControl", r.c.chance(50)),
                     r.note("control", r.c.between(-1, ProbeControl::kKinds - 1))};
      auto control = kind < 0 ? nullptr : r.h.control(kind);  // -1: none
      if (bar) replace ? bar->setControl(control) : bar->letControl(control);
      return;
    }
    default: {
      const std::int32_t v = r.note("Height", r.length());
      if (!bar) return r.idle();  // a sequence stays far below the last element index
      const auto k = static_cast<std::int16_t>(bar->Index());
      const std::int32_t height = bar->Height();
      auto box = [&] { return r.dock().elements().picDockBar(k).Height(); };
      const float before = box();
      bar->setHeight(v);
      // A height that its body box already had is not passed on: nothing restacks.
      if (bar->Height() != height && box() == before) r.effect.stack = -1;
    }
  }
}

void click(Run& r) {
  static const std::pair<const char*, A> kButtons[] = {
      {"close", A::imgClose}, {"collapse", A::imgCollapse}, {"expand", A::imgExpand},
      {"up", A::imgUp},       {"down", A::imgDown},         {"options", A::imgOpt}};
  const std::int32_t i = r.bar();
  const auto& [name, array] = r.any(kButtons);
  r.note("button", name);
  r.h.optAnswer = r.note("OptShow", r.c.between(0, 3));
  kiv::Element* e = r.element(array, i, 8);
  auto bar = r.dock().Bars().Item(i);
  if (!e || !bar) return r.idle();
  const bool wasHidden = bar->State() == kiv::eBarHidden, keyed = !bar->Key().empty();
  const bool another = r.dock().Bars().CountVisible() > (wasHidden ? 0 : 1);
  const bool shown = r.dock().Show();
  e->Click();
  if (array == A::imgClose)
    r.effect = {another, another, shown && !wasHidden && bar->State() == kiv::eBarHidden};
  if (array == A::imgCollapse || array == A::imgExpand) r.effect = {1, 0, shown};
  if (array == A::imgUp || array == A::imgDown) r.effect = {1, 1, shown};
  // Reloading the settings of a keyed bar lays out anew, but while the dock is not shown it
  // only sets the dock's Show back to true: what the bars show waits for the dock to be shown.
  if (array == A::imgOpt && keyed && !(r.h.optAnswer & 2)) {
    r.effect = shown ? kFull : kUnsettle;
    if (!shown) r.h.bodyBoxesPainted = false;
  }
}

// A press on a title, a caption or a splitter; a left press on a splitter holds the mouse there.
void press(Run& r) {
  static const A kTargets[] = {A::lblTitel, A::picTitel, A::picSplit};
  const auto button = r.note("button", static_cast<std::int16_t>(r.c.pick({1, 1, 2, 2, 4})));
  if (r.note("onEmptyArea", r.c.chance(15)))
    return r.dock().elements().surface().MouseDown(button, 0, 10, 10);
  const std::int32_t i = r.bar();
  const A target = static_cast<A>(r.note("on", static_cast<int>(r.any(kTargets))));
  kiv::Element* e = r.element(target, i, 8);
  if (!e) return r.idle();
  e->MouseDown(button, 0, 100, 30);
  if (target == A::picSplit && button == kiv::kButtonLeft) r.splitBar = i;
  if (target != A::picSplit && button == kiv::kButtonRight) r.effect = kFull;
}

// While the mouse is held on a splitter it moves there, until it is released. The splitter keeps
// the mouse, seen or not. In fill mode a move sets the tops of two bars; the release restacks.
void dragSplitter(Run& r) {
  kiv::Element* e = r.element(A::picSplit, r.note("bar", r.splitBar), 100);
  if (r.note("release", r.c.chance(25))) {
    const auto button = r.note("button", static_cast<std::int16_t>(r.c.pick({1, 1, 2})));
    r.splitBar = 0;
    if (!e) return r.idle();
    e->MouseUp(button, 0, 100, 0);
    r.effect = {1, 0, r.dock().Show()};
    return;
  }
  const auto [buttons, y] =
      std::tuple{r.note("buttons", static_cast<std::int16_t>(r.c.pick({1, 1, 1, 1, 2, 3, 0}))),
                 r.note("y", r.c.chance(85) ? r.c.between(-600, 600)
                                            : r.c.pick({-1000000000, -1, 2000000000}))};
  if (!e) return r.idle();
  e->MouseMove(buttons, 0, 100, static_cast<float>(y));
  if (!r.dock().AllowScroll()) r.effect.stack = -1;
}

void drop(Run& r) {
  static const A kTargets[] = {A::picDockBar, A::picTitel, A::lblTitel, A::lblTitelRight,
                               A::imgIcon,    A::imgClose, A::picSplit};
  const std::vector<std::int32_t> before = r.arrangement();
  if (r.note("onEmptyArea", r.c.chance(30))) {
    const auto [x, y] =
        std::tuple{r.note("x", r.c.between(0, std::min(r.dock().Width(), 1000000) + 100)),
                   r.note("y", r.c.between(0, std::min(r.dock().Height(), 1000000)))};
    r.dock().elements().surface().DragDrop(static_cast<float>(x), static_cast<float>(y));
  } else {
    const auto [i, target, x, y] = std::tuple{
        r.bar(),
        r.note("onArray",
               static_cast<int>(r.c.chance(70) ? kTargets[r.c.below(3)] : r.any(kTargets))),
        r.note("xPx", r.c.between(0, 400)),
        r.note("yPx", r.c.chance(35) ? r.c.between(0, 19) : r.c.between(20, 600))};
    kiv::Element* e = r.element(static_cast<A>(target), i, 5);
    if (!e) return r.idle();
    r.h.platform->SetCursorPos(x, y);
    e->DragDrop(60, 60);
  }
  if (r.arrangement() != before) r.effect = {1, 1, r.dock().Show()};
}

struct Op {
  const char* name;
  std::uint32_t weight;  // 0: by the number of bars
  Effect effect;         // unless the operation tells otherwise
  bool mayFail;          // a bar may refuse a control or a value with a KivError
  void (*act)(Run&);
};
const Op kOps[] = {
    {"addBar", 0, kUnsettle, true,  // the new bar waits for the next layout pass
     [](Run& r) {
       const auto [key, height, flags] =
           std::tuple{r.note("key", r.key()), r.note("height", r.length()),
                      r.note("flags", r.c.between(0, 255))};
       r.h.addBar(key, height, flags);
     }},
    {"set", 24, kKeep, true, setProperty},
    {"click", 18, kKeep, false, click},
    {"press", 12, kKeep, false, press},
    {"drop", 9, kKeep, false, drop},
    {"setShow", 3, kFull, false,
     [](Run& r) {
       const bool show = r.note("show", r.c.chance(80));
       r.dock().setShow(show);
       if (show) r.h.bodyBoxesPainted = true;  // every bar painted anew
     }},
    {"setSize", 3, kFull, false,
     [](Run& r) {
       const bool usual = r.c.chance(75);
       const auto [w, h] = std::tuple{
           r.note("w", usual ? r.c.between(500, 12000) : r.c.pick({INT_MIN, 0, 499, INT_MAX})),
           r.note("h", usual ? r.c.between(200, 12000) : r.c.pick({INT_MIN, 0, 199, INT_MAX}))};
       r.dock().setSize(w, h);
     }},
    {"setAllowScroll", 3, kKeep, false,
     [](Run& r) {
       const bool before = r.dock().AllowScroll();
       r.dock().setAllowScroll(r.note("scroll", r.c.chance(50)));
       if (before != r.dock().AllowScroll()) r.effect = kUnsettle;
     }},
    {"ShowElement", 3, kFull, false,
     [](Run& r) {
       r.dock().ShowElement(r.note("index", r.c.pick({0, -1, 1, 2, 32768, INT_MIN})));
     }},
    {"Save", 3, {0, 0, true}, false, [](Run& r) { r.dock().Save(); }},
    {"Clear", 1, kUnsettle, false, [](Run& r) { r.dock().Bars().Clear(); }},
    {"scroll", 3, kKeep, false, [](Run& r) {
       kiv::VScrollBar& bar = r.dock().elements().VScroll();
       const auto v = r.note(
           "to", r.c.between(std::min(bar.Min(), bar.Max()), std::max(bar.Min(), bar.Max())));
       if (!bar.Visible() && !r.note("anyway", r.c.chance(15))) return r.idle();
       bar.setValue(v);
     }}};
const Op kDragSplitter = {"dragSplitter", 1, kKeep, false, dragSplitter};

std::vector<std::string> Run::step() {
  const Op* op = &kDragSplitter;
  if (splitBar == 0) {
    const std::int32_t n = dock().Bars().Count();
    auto weight = [&](const Op& o) { return o.weight ? o.weight : n < 3 ? 30u : n < 10 ? 6u : 1u; };
    std::uint32_t r = 0;
    for (const Op& o : kOps) r += weight(o);
    for (op = kOps, r = c.below(r); r >= weight(*op); ++op) r -= weight(*op);
  }
  if (describe) line << op->name;
  const std::size_t before = h.platform->Messages().size(), calls = h.services->callCount;
  std::vector<std::string> found;
  effect = op->effect;
  untouched = false;
  try {
    op->act(*this);
  } catch (const kiv::KivError& e) {
    effect = kUnsettle;  // the dock may not have heard of the change
    if (!op->mayFail)
      found.push_back("[no failure] KivError " + std::to_string(e.Number()) + ": " +
                      e.Description());
  } catch (const std::exception& e) {
    found.push_back(std::string("[no failure] ") + e.what());
  }
  messages = h.messages(before);
  for (const auto& m : messages) {
    // A layout pass that failed and said so leaves the layout to the next pass.
    if (m.rfind("KivDock: OrderBars: ", 0) == 0 || m.rfind("KivDock.pResizeWidth: ", 0) == 0)
      effect = kUnsettle;
    // Sharings of the height around a resizable "ZAHL_TOP" bar may start each other for good.
    // Every step the runaway passed through on its way out failed, the repaints and splitter
    // limits among them: the layout is left to the next pass.
    if (m.find(kStackMessage) != std::string::npos) {
      effect = kUnsettle;
      if (!dock().Bars().ItemByKey("ZAHL_TOP"))
        found.push_back("[recursion] a plain operation met the limit");
    }
  }
  // The step in which the services failed: a save may have stopped early, a layout may wait.
  const std::size_t failAt = h.services->failAt;
  if (failAt > calls && failAt <= h.services->callCount) {
    if (describe) line << " (services failed)";
    effect = kUnsettle;
  }
  // An operation that changed nothing leaves what the last check found: nothing.
  const bool unchanged = untouched && found.empty() && messages.empty() && effect.stack == 0 &&
                         effect.widths == 0 && !effect.saved;
  if (!dock().Show()) effect.stack = effect.widths = -1;
  if (effect.stack != 0) stack = effect.stack > 0;
  if (effect.widths != 0) widths = effect.widths > 0;
  if (unchanged) return found;
  for (auto& f : h.check(stack, widths)) found.push_back(f);
  for (auto& f : effect.saved ? h.checkSaved() : std::vector<std::string>{}) found.push_back(f);
  return found;
}
}  // namespace

namespace {

struct Outcome {
  std::vector<std::string> done, found, messages;  // done: the operations, described or not
  SequenceStats stats;
};

Outcome runOnce(Choices& choices, std::size_t maxSteps, std::size_t failAt, bool describe) {
  Run run(choices);
  run.describe = describe;
  run.h.logging = run.h.services->logging = false;
  run.h.services->failAt = failAt;
  Outcome o;
  while (o.found.empty() && o.done.size() < maxSteps && !choices.exhausted()) {
    run.line.str("");
    o.found = run.step();
    o.done.push_back(run.line.str());
  }
  o.stats = {o.done.size(), failAt != 0 && run.h.services->callCount >= failAt};
  if (o.found.empty()) {
    o.done.push_back("the host releases the dock");
    run.h.release();
    o.found = run.h.check(false);
  }
  o.messages = run.messages;
  return o;
}

}  // namespace

std::string runSequence(Choices& choices, std::size_t maxSteps, const std::string& label,
                        std::size_t failAt, SequenceStats* stats) {
  // The operations are described only for a report: the run that found something is run again
  // from the same choices, describing them, which repeats it exactly.
  const Choices start = choices;
  Outcome o = runOnce(choices, maxSteps, failAt, false);
  if (stats) *stats = o.stats;
  if (o.found.empty()) return {};
  Choices again = start;
  Outcome described = runOnce(again, maxSteps, failAt, true);
  const bool repeated = !described.found.empty();
  if (repeated) o = std::move(described);
  std::ostringstream out;
  out << label << ": an invariant broke after step " << o.done.size() << "\n";
  if (!repeated) out << "  (running it again with descriptions found nothing)\n";
  for (std::size_t i = 0; i < o.done.size(); ++i) out << "  " << i + 1 << ":" << o.done[i] << "\n";
  for (const auto& f : o.found) out << "  " << f << "\n";
  for (const auto& m : o.messages) out << "  message box " << m << "\n";
  return out.str();
}

}  // namespace kivrobust
