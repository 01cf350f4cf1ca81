#include "platform/failure.h"

#include <exception>

#include "kivdock/platform.h"
#include "platform/errors.h"

namespace kiv::detail {

namespace {
thread_local ReportPreparation* innermostPreparation = nullptr;
}  // namespace

ReportPreparation::ReportPreparation(Work work, void* context) noexcept
    : work_(work), context_(context), outer_(innermostPreparation) {
  innermostPreparation = this;
}

ReportPreparation::~ReportPreparation() { innermostPreparation = outer_; }

void ReportPreparation::runInnermost() noexcept {
  try {
    if (innermostPreparation) innermostPreparation->work_(innermostPreparation->context_);
  } catch (...) {
  }
}

void showReport(const std::string& text, const std::string& caption) noexcept {
  ReportPreparation::runInnermost();
  try {
    if (auto p = platform()) p->MessageBox(text, caption);
  } catch (...) {
  }
}

void reportFailure(const char* text, const char* caption) noexcept {
  try {
    showReport(text, caption);
  } catch (...) {
  }
}

const char* const kUnknownFailureText = "Anwendungs- oder objektdefinierter Fehler";

}  // namespace kiv::detail
