#include "support/operation.h"

#include <sstream>

namespace kivrobust {

namespace {
const char* const kButtonNames[] = {"close", "collapse", "expand", "up", "down", "options"};
const char* const kTargetNames[] = {"body", "title box",    "caption", "right caption",
                                    "icon", "close button", "splitter"};
const char* const kLookupNames[] = {
    "Item", "Bar", "ItemByKey", "ItemByOrder", "ItemByOrderVisible", "hWndItem", "Top", "Width"};

// A text as a C++ literal, so that a sequence can be pasted into a test.
std::string quoted(const std::string& text) {
  std::ostringstream out;
  out << '"';
  for (unsigned char c : text) {
    if (c == '"' || c == '\\') {
      out << '\\' << c;
    } else if (c < 0x20 || c >= 0x7f) {
      const char* hex = "0123456789abcdef";
      out << "\\x" << hex[c >> 4] << hex[c & 15] << "\"\"";
    } else {
      out << c;
    }
  }
  if (text.size() > 80)
    return out.str().substr(0, 60) + "...\" (" + std::to_string(text.size()) + " bytes)";
  out << '"';
  return out.str();
}
}  // namespace

const char* propertyName(Property p) {
  static const char* const names[] = {"Height",
                                      "State",
                                      "AlignBar",
                                      "AllowResize",
                                      "CanExpand",
                                      "CanMove",
                                      "ShowClose",
                                      "ShowResize",
                                      "ShowOptions",
                                      "HideByDefault",
                                      "HeightMax",
                                      "Title",
                                      "TitleRight",
                                      "Key",
                                      "fTitleHeight",
                                      "fTopBar",
                                      "Top",
                                      "left",
                                      "Width",
                                      "TitleBackColorStart",
                                      "TitleBackColorEnd",
                                      "TitleForeColor",
                                      "TitleVertical",
                                      "BackColor",
                                      "Icon",
                                      "letControl",
                                      "setControl",
                                      "setControl(nullptr)",
                                      "Redraw",
                                      "ID",
                                      "ItemData",
                                      "Tag",
                                      "ToolTipText",
                                      "TitleFont",
                                      "TitleForeColorOver",
                                      "fTitleTextHeight"};
  static_assert(sizeof(names) / sizeof(names[0]) == static_cast<int>(Property::kCount));
  return names[static_cast<int>(p)];
}

std::string Op::describe() const {
  std::ostringstream out;
  const char* any = anyElement ? " (element not on screen)" : "";
  switch (kind) {
    case OpKind::AddBar:
      out << "Add key=" << quoted(text) << " flags=" << value << " height=" << value2;
      break;
    case OpKind::SetProperty: {
      const auto p = static_cast<Property>(what);
      out << "bar " << bar << ": " << propertyName(p) << " = ";
      if (p == Property::Title || p == Property::TitleRight || p == Property::Key ||
          p == Property::Tag || p == Property::ToolTipText) {
        out << quoted(text);
      } else {
        out << value;
      }
      break;
    }
    case OpKind::SetShow:
      out << "Show = " << (value != 0);
      break;
    case OpKind::Resize:
      out << "setSize(" << value << ", " << value2 << ")";
      break;
    case OpKind::SetAllowScroll:
      out << "AllowScroll = " << (value != 0);
      break;
    case OpKind::SetDoLoadSettings:
      out << "DoLoadSettings = " << (value != 0);
      break;
    case OpKind::ShowElement:
      out << "ShowElement(" << value << ")";
      break;
    case OpKind::Save:
      out << "Save()";
      break;
    case OpKind::Clear:
      out << "Bars().Clear()";
      break;
    case OpKind::Click:
      out << "click " << kButtonNames[what] << " of bar " << bar << any;
      if (static_cast<Button>(what) == Button::Options) {
        out << " (host answers reload=" << ((value & kOptReload) != 0)
            << " cancel=" << ((value & kOptCancel) != 0) << ")";
      }
      break;
    case OpKind::PressTitle:
      out << "press button " << value << " on the " << (what == 0 ? "title box" : "caption")
          << " of bar " << bar << any;
      break;
    case OpKind::PressSurface:
      out << "press button " << value << " on the dock's empty area";
      break;
    case OpKind::SplitPress:
      out << "press on the splitter of bar " << bar << any;
      break;
    case OpKind::SplitMove:
      out << "move on the splitter of bar " << bar << " buttons=" << value << " Y=" << value2;
      break;
    case OpKind::SplitRelease:
      out << "release button " << value << " on the splitter of bar " << bar;
      break;
    case OpKind::DropOnBar:
      out << "drop on the " << kTargetNames[what] << " of bar " << bar << " with the pointer at ("
          << value << ", " << value2 << ") px" << any;
      break;
    case OpKind::DropOnSurface:
      out << "drop on the dock's empty area at (" << value << ", " << value2 << ")";
      break;
    case OpKind::Scroll:
      out << "scroll to " << value;
      break;
    case OpKind::StoreText:
      out << "the store holds " << quoted(text2) << " for key " << quoted(text);
      break;
    case OpKind::Read:
      out << "read " << kLookupNames[what] << "(" << value << ") key=" << quoted(text);
      break;
    case OpKind::kCount:
      break;
  }
  return out.str();
}

}  // namespace kivrobust
