// Services that cannot be created, and services whose Nth call fails: loading goes on without the
// failed value, colours keep theirs, the hide rule skips its message, saving stops at the first
// failure with one report and keeps what it wrote; the dock stays usable throughout.
#include <gtest/gtest.h>

#include "support/robust.h"

namespace kivrobust {
namespace {

// Three closable bars; the store holds a, b (collapsed) and c (hidden, as it is by default
// without a stored text), and the host's colours.
void build(Host& h) {
  for (const char* key : {"a", "b", "c"})
    h.addBar(key, 1000, kPlain | kShowClose | (*key == 'c' ? kHideByDefault : 0));
  h.dock->setSize(4800, 6000);
  h.services->store("a", "1:1:1:1000");
  h.services->store("b", "2:1:0:1200");
  h.services->store("c", "3:1:2:1400");
  h.services->Colors = {{140, 1}, {150, 2}, {14, 3}, {15, 4}, {10, 5}};
  h.services->Options = {{141, true}};
}

// Closes a, then tries to close b, the last one shown; returns the keys the host heard closed.
std::string closeBoth(Host& h) {
  for (const char* key : {"a", "b"}) {
    const auto k = static_cast<std::int16_t>(h.dock->Bars().ItemByKey(key)->Index());
    h.dock->elements().imgClose(k).Click();
  }
  std::string closed;
  for (const auto& e : h.heard) closed += e.rfind("Closed ", 0) == 0 ? e.substr(7) : "";
  return closed;
}

std::int32_t state(Host& h, const char* key) { return h.dock->Bars().ItemByKey(key)->State(); }

// The colours of the surface and of every bar that differ from the host's.
int coloursMissing(kiv::KivDock& dock) {
  int missing = dock.elements().surface().BackColor() != 5;
  for (std::int32_t i = 1; i <= dock.Bars().Count(); ++i) {
    auto b = dock.Bars().Item(i);
    missing += (b->BackColor() != 1) + (b->TitleForeColor() != 2) +
               (b->TitleBackColorStart() != 3) + (b->TitleBackColorEnd() != 4) +
               !b->TitleVertical();
  }
  return missing;
}

TEST(FailingServices, ServicesThatCannotBeCreatedLeaveTheDockUsable) {
  for (const bool throws : {false, true}) {
    SCOPED_TRACE(throws ? "the factory throws" : "the factory gives none");
    Host h;
    build(h);
    kiv::setSharedServicesFactory([throws]() -> std::shared_ptr<kiv::SharedServices> {
      if (throws) throw std::runtime_error("no services");
      return nullptr;
    });
    h.dock->setShow(true);
    h.dock->Save();
    EXPECT_EQ(closeBoth(h), "a");  // b stays as the last one, without its message
    EXPECT_EQ(h.check(true), kNone);
    EXPECT_EQ(coloursMissing(*h.dock), 16);
    EXPECT_EQ(state(h, "b"), kiv::eBarExpanded);  // nothing stored
    EXPECT_EQ(state(h, "c"), kiv::eBarHidden);    // hidden by default
    // Save and the close each report once.
    EXPECT_EQ(h.messages(),
              std::vector<std::string>(2, "pSaveSettings: Objekt kann nicht erstellt werden"));

    // Once the services can be created, the next use does so.
    kiv::setSharedServicesFactory([s = h.services] { return s; });
    h.dock->ShowElement(-1);
    EXPECT_EQ(coloursMissing(*h.dock), 0);
    EXPECT_EQ(h.resave(), kNone);
  }
}

// Show, Save and the two closes, once for every call the services get, with that call failing.
TEST(FailingServices, EveryCallMayFailOnce) {
  std::vector<std::string> calls;
  std::size_t showing = 0, saving = 0;  // the calls up to the end of showing, of saving
  {
    Host h;
    build(h);
    h.dock->setShow(true);
    showing = h.services->calls.size();
    h.dock->Save();
    saving = h.services->calls.size();
    closeBoth(h);
    calls = h.services->calls;
    ASSERT_EQ(calls.back(),
              "ShowMessage Sie m\xc3\xbcssen mindestens ein Element sichtbar lassen!");
  }
  for (std::size_t n = 1; n <= calls.size(); ++n) {
    const std::string& call = calls[n - 1];
    SCOPED_TRACE("call " + std::to_string(n) + " fails: " + call);
    Host h;
    build(h);
    h.services->failAt = n;
    h.dock->setShow(true);
    const bool colour = call.rfind("ReadColor", 0) == 0 || call.rfind("ReadOption", 0) == 0;
    EXPECT_EQ(coloursMissing(*h.dock), n <= showing && colour ? 1 : 0);
    const auto loaded = h.services->Settings;
    const auto wanted = expectedSettings(*h.dock);
    h.dock->Save();
    for (const std::string key : {"a", "b", "c"}) {  // written in this order, up to the failure
      const bool written = n <= showing || n > saving || key[0] - 'a' < int(n - showing - 1);
      EXPECT_EQ(h.services->stored(key), written ? wanted.at(key) : loaded.at({"DockBar", key}));
    }
    // The closes go as without the failure; the refused one shows its message unless it failed.
    EXPECT_EQ(closeBoth(h), "a");
    EXPECT_EQ(state(h, "b"), call == "ReadSetting b" ? kiv::eBarExpanded : kiv::eBarCollapsed);
    EXPECT_EQ(h.services->Messages.size(), n == calls.size() ? 0u : 1u);
    EXPECT_EQ(h.check(true), kNone);
    EXPECT_EQ(h.messages(), std::vector<std::string>(
                                call.rfind("WriteSetting", 0) == 0 ? 1u : 0u,
                                std::string("pSaveSettings: ") + RecordingServices::kFailure));

    // Usable afterwards: everything comes back and the next save writes every bar.
    h.services->failAt = 0;
    h.dock->ShowElement(-1);
    EXPECT_EQ(h.resave(), kNone);
  }
}

}  // namespace
}  // namespace kivrobust
