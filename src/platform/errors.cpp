#include "platform/errors.h"

#include <string>
#include <utility>

namespace kiv {

KivError::KivError(std::int32_t number, std::string source, std::string description)
    : std::runtime_error(description),
      number_(number),
      source_(std::move(source)),
      description_(std::move(description)) {}

namespace detail {

namespace {
const char* const kSource = "KivDocking5";
}

RecursionLimitError::RecursionLimitError()
    : KivError(28, kSource, "Nicht genügend Stapelspeicher") {}

namespace errors {
KivError invalidCall() {
  return KivError(5, kSource, "Unzulässiger Prozeduraufruf oder ungültiges Argument");
}
KivError overflow() { return KivError(6, kSource, "Überlauf"); }
KivError badIndex() { return KivError(9, kSource, "Index außerhalb des gültigen Bereichs"); }
KivError missingObject() {
  return KivError(91, kSource, "Objektvariable oder With-Blockvariable nicht festgelegt");
}
KivError missingElement(std::int32_t k) {
  return KivError(340, kSource,
                  "Steuerelementfeld-Element '" + std::to_string(k) + "' ist nicht vorhanden");
}
KivError alreadyLoaded() { return KivError(360, kSource, "Objekt bereits geladen"); }
KivError invalidValue() { return KivError(380, kSource, "Unzulässiger Eigenschaftswert"); }
KivError cannotCreate() { return KivError(429, kSource, "Objekt kann nicht erstellt werden"); }
KivError noMember() {
  return KivError(438, kSource, "Objekt unterstützt diese Eigenschaft oder Methode nicht");
}
}  // namespace errors

}  // namespace detail
}  // namespace kiv
