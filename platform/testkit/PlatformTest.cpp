#include "platform/testkit/PlatformTest.h"
