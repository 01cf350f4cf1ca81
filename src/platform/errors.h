// The platform's failures, as KivError values with their numbers and German descriptions.
#pragma once

#include <cstdint>
#include <memory>

#include "kivdock/types.h"

namespace kiv::detail {

// A recursion that does not end. It is reported once, where it is detected; the trap forms
// only leave their procedure when it passes through them.
class RecursionLimitError : public KivError {
 public:
  RecursionLimitError();
};

namespace errors {
KivError invalidCall();                 // 5
KivError overflow();                    // 6
KivError badIndex();                    // 9
KivError missingObject();               // 91
KivError missingElement(std::int32_t);  // 340
KivError alreadyLoaded();               // 360
KivError invalidValue();                // 380
KivError cannotCreate();                // 429
KivError noMember();                    // 438
}  // namespace errors

// The object behind a reference; a missing one fails with KivError 91, as the platform does.
template <class T>
T& must(const std::shared_ptr<T>& p) {
  if (!p) throw errors::missingObject();
  return *p;
}

}  // namespace kiv::detail
