// Test doubles for hosts and test suites: the in-memory platform and the in-memory services.
#pragma once

#include "kivdock/headless_platform.h"
#include "kivdock/memory_shared_services.h"
