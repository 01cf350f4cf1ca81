// Settings persistence: each keyed bar's order number, alignment, state and height, stored in
// the dock's settings section through the host's SharedServices
// (settings/settings_persistence.cpp). Stored numbers are read leniently
// (settings/lenient_number.h); the services' factory and the in-memory double live in
// settings/shared_services.cpp.
#pragma once

namespace kiv::detail {
class DockCore;
}

namespace kiv::detail::settings {

// Writes every keyed bar, group by group; a failure is trapped and reported as "pSaveSettings".
void pSaveSettings(DockCore& dock);
// Reads every keyed bar and applies the stored order; each step is skipped when it fails.
void pLoadSettings(DockCore& dock);

}  // namespace kiv::detail::settings
