// The host's interface: the dock, its bars and their collection, the broker, the host's events,
// hosted controls, the shared services and the shared types.
#pragma once

#include "kivdock/bar.h"
#include "kivdock/bars.h"
#include "kivdock/broker.h"
#include "kivdock/dock.h"
#include "kivdock/events.h"
#include "kivdock/hosted_control.h"
#include "kivdock/shared_services.h"
#include "kivdock/types.h"
