// The three ways a procedure handles failures:
//   ignoreFailure  - ignore step by step: a failing step is skipped, nothing is reported;
//   trapAndReport  - trap and report: the failure's description is shown in the platform's
//                    message box with a fixed caption, then the procedure is left;
//   ReportingSteps - the same report, after which the procedure goes on with its next step;
// and no trap at all, which is a plain call. Any C++ exception counts as a failure.
#pragma once

#include <exception>
#include <string>

#include "platform/errors.h"

namespace kiv::detail {

// Work the innermost running call still owes (a waiting restack), done before a report reaches
// the user: a modal message box lets the host and the backend run and read the elements.
class ReportPreparation {
 public:
  using Work = void (*)(void* context);
  ReportPreparation(Work work, void* context) noexcept;
  ~ReportPreparation();
  ReportPreparation(const ReportPreparation&) = delete;
  ReportPreparation& operator=(const ReportPreparation&) = delete;
  static void runInnermost() noexcept;

 private:
  Work work_;
  void* context_;
  ReportPreparation* outer_;
};

// Shows a failure report in the platform's message box; never fails.
void showReport(const std::string& text, const std::string& caption) noexcept;
// The same for a failure being trapped; its texts are copied inside, so nothing can escape.
void reportFailure(const char* text, const char* caption) noexcept;
// What a failure that is neither a KivError nor a standard exception is reported as.
extern const char* const kUnknownFailureText;

template <class Step>
void ignoreFailure(Step&& step) noexcept {
  try {
    step();
  } catch (...) {
  }
}

template <class Body>
bool trapAndReport(const char* caption, Body&& body) noexcept {
  try {
    body();
    return true;
  } catch (const RecursionLimitError&) {
    // reported once, where it was detected
  } catch (const KivError& e) {
    reportFailure(e.Description().c_str(), caption);
  } catch (const std::exception& e) {
    reportFailure(e.what(), caption);
  } catch (...) {
    reportFailure(kUnknownFailureText, caption);
  }
  return false;
}

class ReportingSteps {
 public:
  explicit ReportingSteps(const char* caption) : caption_(caption) {}
  template <class Step>
  void operator()(Step&& step) const noexcept {
    trapAndReport(caption_, step);
  }

 private:
  const char* caption_;
};

}  // namespace kiv::detail
