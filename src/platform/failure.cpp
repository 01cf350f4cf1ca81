#include "platform/failure.h"

#include <exception>

#include "kivdock/platform.h"
#include "platform/errors.h"

namespace kiv::detail {

void showReport(const std::string& text, const std::string& caption) noexcept {
  try {
    if (auto p = platform()) p->MessageBox(text, caption);
  } catch (...) {
  }
}

std::string currentFailureDescription() {
  try {
    throw;
  } catch (const KivError& e) {
    return e.Description();
  } catch (const std::exception& e) {
    return e.what();
  } catch (...) {
    return "Anwendungs- oder objektdefinierter Fehler";
  }
}

void reportCurrentFailure(const char* caption) noexcept {
  try {
    try {
      throw;
    } catch (const RecursionLimitError&) {
      return;  // reported where it was detected
    } catch (...) {
      showReport(currentFailureDescription(), caption);
    }
  } catch (...) {
  }
}

}  // namespace kiv::detail
