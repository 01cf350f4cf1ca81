// KivDocking5: a docking-panel control. The one header hosts include: the host's interface, the
// backend's interface and the test doubles (the headless platform, the in-memory services).
#pragma once

#include "kivdock/backend.h"
#include "kivdock/host.h"
#include "kivdock/testing.h"
