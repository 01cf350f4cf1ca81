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
    showReport(currentFailureDescription(), caption);
  } catch (...) {
  }
}

}  // namespace kiv::detail
