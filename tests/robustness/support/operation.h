// One operation of a host or a user on a dock, as the random sequences and the fuzzer make them.
#pragma once

#include <cstdint>
#include <string>

namespace kivrobust {

enum class OpKind : std::uint8_t {
  AddBar,          // text: key; value: setup flags (kAdd...); value2: height
  SetProperty,     // bar, what: Property, value or text
  SetShow,         // value: 0 or 1
  Resize,          // value: width, value2: height
  SetAllowScroll,  // value: 0 or 1
  SetDoLoadSettings,
  ShowElement,  // value: the index argument
  Save,
  Clear,
  Click,          // bar, what: Button; value: OptShow answer (kOpt...)
  PressTitle,     // bar, what: 0 title box, 1 caption; value: mouse button
  PressSurface,   // value: mouse button
  SplitPress,     // bar
  SplitMove,      // bar, value: buttons, value2: Y offset in twips
  SplitRelease,   // bar, value: button
  DropOnBar,      // bar, what: Target; value, value2: pointer in pixels
  DropOnSurface,  // value: x, value2: y in twips
  Scroll,         // value: scroll value
  StoreText,      // text: key; text2: the stored text
  Read,           // what: Lookup; value: argument; text: key
  kCount
};

enum class Property : std::uint8_t {
  Height,
  State,
  AlignBar,
  AllowResize,
  CanExpand,
  CanMove,
  ShowClose,
  ShowResize,
  ShowOptions,
  HideByDefault,
  HeightMax,
  Title,
  TitleRight,
  Key,
  fTitleHeight,
  fTopBar,
  Top,
  Left,
  Width,
  TitleBackColorStart,
  TitleBackColorEnd,
  TitleForeColor,
  TitleVertical,
  BackColor,
  Icon,
  LetControl,
  SetControl,
  RemoveControl,
  Redraw,
  // Stored for the host only.
  ID,
  ItemData,
  Tag,
  ToolTipText,
  TitleFont,
  TitleForeColorOver,
  fTitleTextHeight,
  kCount  // Index is left alone: a host that renumbers a bar breaks the bar's tie to its elements
};

enum class Button : std::uint8_t { Close, Collapse, Expand, Up, Down, Options, kCount };

enum class Target : std::uint8_t {
  Body,
  Title,
  Caption,
  RightCaption,
  Icon,
  CloseButton,
  Splitter,
  kCount
};

enum class Lookup : std::uint8_t {
  Item,
  Bar,
  ItemByKey,
  ItemByOrder,
  ItemByOrderVisible,
  hWndItem,
  Top,
  Width,
  kCount
};

// AddBar setup flags.
enum AddFlags : std::int32_t {
  kAddTitle = 1,
  kAddCanExpand = 2,
  kAddAllowResize = 4,
  kAddShowClose = 8,
  kAddShowOptions = 16,
  kAddHideByDefault = 32,
  kAddFixed = 64,
  kAddControl = 128
};
// What the host answers in OptShow.
enum OptAnswer : std::int32_t { kOptReload = 1, kOptCancel = 2 };

struct Op {
  OpKind kind = OpKind::Save;
  std::int32_t bar = 0;
  std::int32_t what = 0;
  std::int32_t value = 0;
  std::int32_t value2 = 0;
  std::string text, text2;
  bool anyElement = false;  // input on an element the user cannot see

  std::string describe() const;
};

const char* propertyName(Property p);

}  // namespace kivrobust
