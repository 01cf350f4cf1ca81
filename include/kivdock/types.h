// Shared types of the dock: window handles, bar states and alignments, errors, pictures, fonts.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "kivdock/export.h"

namespace kiv {

using Hwnd = std::uintptr_t;  // a platform window handle, 0 = none

enum EKivBarStates : std::int32_t { eBarCollapsed = 0, eBarExpanded = 1, eBarHidden = 2 };
enum eAlignBar : std::int32_t { eAlignTop = 1, eAlignLeft = 2, eAlignRight = 3, eAlignBottom = 4 };
// Values outside the enumerators are legal and stored unchanged.

// A failure that reaches the caller. Numbers: 5 invalid call, 6 overflow, 9 bad collection index,
// 28 runaway recursion, 91 missing object, 340 missing element, 380 invalid property value,
// 429 services object cannot be created, 438 missing member, 9999 rejected aligned control.
class KIVDOCK_EXPORT KivError : public std::runtime_error {
 public:
  KivError(std::int32_t number, std::string source, std::string description);
  std::int32_t Number() const { return number_; }
  const std::string& Source() const { return source_; }
  const std::string& Description() const { return description_; }

 private:
  std::int32_t number_;
  std::string source_;
  std::string description_;
};

// A bitmap; 15 twips per pixel. Row-major 0xAARRGGBB, alpha 0 = transparent.
struct Picture {
  int WidthPx = 0, HeightPx = 0;
  std::vector<std::uint32_t> Argb;
  // The pixel spot that points, for pictures used as mouse icons.
  int HotSpotX = 0, HotSpotY = 0;
};

struct Font {
  std::string Name;
  float Size = 9;
  bool Bold = false, Italic = false, Underline = false;
};

constexpr int kTwipsPerPixel = 15;

}  // namespace kiv
