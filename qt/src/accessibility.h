// The dock in the accessibility tree: each bar's body an accessible grouping named by the bar's
// title, its title a title bar of the same name, and each title button that shows an accessible
// push button named by its tooltip, whose press action clicks it as the mouse would.
#pragma once

namespace kiv::qt::detail {

// Installs the factory of these interfaces once per process.
void installAccessibility();

}  // namespace kiv::qt::detail
