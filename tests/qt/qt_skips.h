// Behaviour tests that cannot hold on the Qt backend, each with the reason.
#pragma once

namespace kivtest {

// Skips the running test when it is listed; called at the start of every test.
void skipOnQtWhereListed();

}  // namespace kivtest
