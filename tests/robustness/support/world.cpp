#include "support/world.h"

#include <algorithm>

namespace kivrobust {

namespace {
constexpr std::int32_t kMaxElementIndex = 32767;

std::shared_ptr<kiv::Picture> icon(std::int32_t variant) {
  switch (variant % 4) {
    case 1: {
      auto p = std::make_shared<kiv::Picture>();
      p->WidthPx = p->HeightPx = 16;
      p->Argb.assign(256, 0xff3366ccu);
      return p;
    }
    case 2:
      return std::make_shared<kiv::Picture>();  // 0 x 0
    case 3: {
      auto p = std::make_shared<kiv::Picture>();
      p->WidthPx = 2000;  // 30000 twips, wider than any title
      p->HeightPx = 1;
      p->Argb.assign(2000, 0xff000000u);
      return p;
    }
    default:
      return nullptr;
  }
}
}  // namespace

World::World()
    : platform_(std::make_shared<kiv::HeadlessPlatform>()),
      services_(std::make_shared<RecordingServices>()),
      sink_(std::make_unique<Sink>()) {
  kiv::setPlatform(platform_);
  auto services = services_;
  kiv::setSharedServicesFactory([services] { return services; });
  form_ = platform_->CreateWindow();
  dock_ = kiv::KivDock::create();
  dock_->setSize(4800, 3600);
  dock_->setEventSink(sink_.get());
}

World::~World() {
  if (dock_) dock_->setEventSink(nullptr);
  dock_.reset();
  kiv::setSharedServicesFactory([] { return std::make_shared<kiv::MemorySharedServices>(); });
}

std::shared_ptr<ProbeControl> World::newControl(std::int32_t kind) {
  auto control =
      std::make_shared<ProbeControl>(static_cast<ProbeControl::Kind>(kind % ProbeControl::kKinds),
                                     platform_->CreateWindow(form_), form_);
  controls_.push_back(control);
  return control;
}

kiv::Element* World::element(kiv::ElementArray array, std::int32_t bar, bool anyElement) const {
  if (bar < 1 || bar > kMaxElementIndex) return nullptr;
  kiv::Element* e = dock_->elements().find(array, static_cast<std::int16_t>(bar));
  if (!e || (!anyElement && !e->VisibleOnScreen())) return nullptr;
  return e;
}

World::Before World::snapshot(const Op& op) const {
  Before b;
  kiv::clsBars& bars = dock_->Bars();
  b.scroll = dock_->AllowScroll();
  for (std::int32_t p = 1; p <= bars.Count(); ++p) {
    auto bar = bars.ItemByOrder(p);
    b.order.push_back(bar ? bar->Index() : 0);
  }
  for (std::int32_t i = 1; i <= bars.Count(); ++i) {
    b.align.push_back(bars.Item(i)->AlignBar());
    b.state.push_back(bars.Item(i)->State());
  }
  if (auto bar = bars.Item(op.bar)) {
    b.height = bar->Height();
    b.key = bar->Key();
    if (op.bar <= kMaxElementIndex) {
      b.box = dock_->elements().picDockBar(static_cast<std::int16_t>(op.bar)).Height();
    }
  }
  return b;
}

void World::setProperty(kiv::cKivBar& bar, const Op& op) {
  const std::int32_t v = op.value;
  switch (static_cast<Property>(op.what)) {
    case Property::Height:
      bar.setHeight(v);
      break;
    case Property::State:
      bar.setState(static_cast<kiv::EKivBarStates>(v));
      break;
    case Property::AlignBar:
      bar.setAlignBar(static_cast<kiv::eAlignBar>(v));
      break;
    case Property::AllowResize:
      bar.setAllowResize(v & 1);
      break;
    case Property::CanExpand:
      bar.setCanExpand(v & 1);
      break;
    case Property::CanMove:
      bar.setCanMove(v & 1);
      break;
    case Property::ShowClose:
      bar.setShowClose(v & 1);
      break;
    case Property::ShowResize:
      bar.setShowResize(v & 1);
      break;
    case Property::ShowOptions:
      bar.setShowOptions(v & 1);
      break;
    case Property::HideByDefault:
      bar.setHideByDefault(v & 1);
      break;
    case Property::HeightMax:
      bar.setHeightMax(v);
      break;
    case Property::Title:
      bar.setTitle(op.text);
      break;
    case Property::TitleRight:
      bar.setTitleRight(op.text);
      break;
    case Property::Key:
      bar.setKey(op.text);
      break;
    case Property::fTitleHeight:
      bar.setfTitleHeight(v);
      break;
    case Property::fTopBar:
      bar.setfTopBar(v);
      break;
    case Property::Top:
      bar.setTop(v);
      break;
    case Property::Left:
      bar.setleft(v);
      break;
    case Property::Width:
      bar.setWidth(v);
      break;
    case Property::TitleBackColorStart:
      bar.setTitleBackColorStart(v);
      break;
    case Property::TitleBackColorEnd:
      bar.setTitleBackColorEnd(v);
      break;
    case Property::TitleForeColor:
      bar.setTitleForeColor(v);
      break;
    case Property::TitleVertical:
      bar.setTitleVertical(v & 1);
      break;
    case Property::BackColor:
      bar.setBackColor(v);
      break;
    case Property::Icon:
      bar.setIcon(icon(v));
      break;
    case Property::LetControl:
      bar.letControl(newControl(v));
      break;
    case Property::SetControl:
      bar.setControl(newControl(v));
      break;
    case Property::RemoveControl:
      if (v & 1) {
        bar.setControl(nullptr);
      } else {
        bar.letControl(nullptr);
      }
      break;
    case Property::Redraw:
      bar.setRedraw(v & 1);
      break;
    case Property::ID:
      bar.setID(v);
      break;
    case Property::ItemData:
      bar.setItemData(v);
      break;
    case Property::Tag:
      bar.setTag(op.text);
      break;
    case Property::ToolTipText:
      bar.setToolTipText(op.text);
      break;
    case Property::TitleFont:
      bar.setTitleFont(v & 1 ? std::make_shared<kiv::Font>(kiv::Font{"Arial", 72, true}) : nullptr);
      break;
    case Property::TitleForeColorOver:
      bar.setTitleForeColorOver(v);
      break;
    case Property::fTitleTextHeight:
      bar.setfTitleTextHeight(v);
      break;
    case Property::kCount:
      break;
  }
}

void World::read(const Op& op) {
  kiv::clsBars& bars = dock_->Bars();
  const std::int32_t v = op.value;
  switch (static_cast<Lookup>(op.what)) {
    case Lookup::Item:
      bars.Item(v);
      break;
    case Lookup::Bar:
      bars.Bar(v);
      break;
    case Lookup::ItemByKey:
      bars.ItemByKey(op.text);
      break;
    case Lookup::ItemByOrder:
      bars.ItemByOrder(v);
      break;
    case Lookup::ItemByOrderVisible:
      bars.ItemByOrderVisible(v);
      break;
    case Lookup::hWndItem:
      dock_->hWndItem(static_cast<std::int16_t>(v));
      break;
    case Lookup::Top:
      if (auto b = bars.Item(v)) b->Top();
      break;
    case Lookup::Width:
      if (auto b = bars.Item(v)) b->Width();
      break;
    case Lookup::kCount:
      break;
  }
}

bool World::run(const Op& op) {
  using A = kiv::ElementArray;
  kiv::Elements& el = dock_->elements();
  switch (op.kind) {
    case OpKind::AddBar: {
      auto bar = dock_->Bars().Add();
      if (!bar) return true;
      const std::int32_t f = op.value;
      bar->setKey(op.text);
      if (f & kAddTitle) bar->setTitle(op.text.empty() ? "Titel" : op.text);
      bar->setCanExpand(f & kAddCanExpand);
      bar->setAllowResize(f & kAddAllowResize);
      bar->setShowClose(f & kAddShowClose);
      bar->setShowOptions(f & kAddShowOptions);
      bar->setHideByDefault(f & kAddHideByDefault);
      bar->setCanMove(!(f & kAddFixed));
      bar->setHeight(op.value2);
      if (f & kAddControl) bar->letControl(newControl(0));
      return true;
    }
    case OpKind::SetProperty: {
      auto bar = dock_->Bars().Item(op.bar);
      if (!bar) return false;
      setProperty(*bar, op);
      return true;
    }
    case OpKind::SetShow:
      dock_->setShow(op.value != 0);
      return true;
    case OpKind::Resize:
      dock_->setSize(op.value, op.value2);
      return true;
    case OpKind::SetAllowScroll:
      dock_->setAllowScroll(op.value != 0);
      return true;
    case OpKind::SetDoLoadSettings:
      dock_->setDoLoadSettings(op.value != 0);
      return true;
    case OpKind::ShowElement:
      if (dock_->ShowElement(op.value).has_value()) {
        runFindings_.push_back("[empty result] ShowElement returned a value");
      }
      return true;
    case OpKind::Save:
      dock_->Save();
      return true;
    case OpKind::Clear:
      dock_->Bars().Clear();
      return true;
    case OpKind::Click: {
      static constexpr A kButtons[] = {A::imgClose, A::imgCollapse, A::imgExpand,
                                       A::imgUp,    A::imgDown,     A::imgOpt};
      kiv::Element* e = element(kButtons[op.what], op.bar, op.anyElement);
      if (!e) return false;
      sink_->optAnswer = op.value;
      e->Click();
      return true;
    }
    case OpKind::PressTitle: {
      kiv::Element* e = element(op.what == 0 ? A::picTitel : A::lblTitel, op.bar, op.anyElement);
      if (!e) return false;
      e->MouseDown(static_cast<std::int16_t>(op.value), 0, 60, 60);
      return true;
    }
    case OpKind::PressSurface:
      el.surface().MouseDown(static_cast<std::int16_t>(op.value), 0, 10, 10);
      return true;
    case OpKind::SplitPress: {
      kiv::Element* e = element(A::picSplit, op.bar, op.anyElement);
      if (!e) return false;
      e->MouseDown(kiv::kButtonLeft, 0, 100, 30);
      splitBar_ = op.bar;
      return true;
    }
    case OpKind::SplitMove:
    case OpKind::SplitRelease: {
      // The splitter keeps the mouse while a button is held, seen or not.
      kiv::Element* e = element(A::picSplit, op.bar, true);
      if (op.kind == OpKind::SplitRelease) splitBar_ = 0;
      if (!e) return false;
      const auto y = static_cast<float>(op.value2);
      if (op.kind == OpKind::SplitMove) {
        e->MouseMove(static_cast<std::int16_t>(op.value), 0, 100, y);
      } else {
        e->MouseUp(static_cast<std::int16_t>(op.value), 0, 100, y);
      }
      return true;
    }
    case OpKind::DropOnBar: {
      static constexpr A kTargets[] = {A::picDockBar, A::picTitel, A::lblTitel, A::lblTitelRight,
                                       A::imgIcon,    A::imgClose, A::picSplit};
      kiv::Element* e = element(kTargets[op.what], op.bar, op.anyElement);
      if (!e) return false;
      platform_->SetCursorPos(op.value, op.value2);
      e->DragDrop(60, 60);
      return true;
    }
    case OpKind::DropOnSurface:
      el.surface().DragDrop(static_cast<float>(op.value), static_cast<float>(op.value2));
      return true;
    case OpKind::Scroll: {
      kiv::VScrollBar& scroll = el.VScroll();
      if (!scroll.Visible() && !op.anyElement) return false;
      if (op.value < std::min(scroll.Min(), scroll.Max()) ||
          op.value > std::max(scroll.Min(), scroll.Max())) {
        return false;
      }
      scroll.setValue(op.value);
      return true;
    }
    case OpKind::StoreText:
      services_->store(op.text, op.text2);
      return true;
    case OpKind::Read:
      read(op);
      return true;
    case OpKind::kCount:
      break;
  }
  return false;
}

}  // namespace kivrobust
