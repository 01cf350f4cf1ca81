// The QSettings entry name of a (section, key) pair of the dock. A key is any byte string of the
// host; each one maps to an entry of its own, so no two keys share a stored arrangement.
#pragma once

#include <QString>
#include <string>

namespace kiv::qt::detail {

// Valid UTF-8 stays readable as it is; '%' and the characters QSettings reads as group separators
// ('/', '\\'), control characters and every byte that is not part of valid UTF-8 become %XX.
// The section's '/' separate nested groups.
QString settingsKey(const std::string& section, const std::string& key);

}  // namespace kiv::qt::detail
