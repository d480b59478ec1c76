// The application's start-up under the include path code outside the project has
// always used; the project itself includes "gui/shell/start_up.h".
#pragma once

#include "gui/shell/start_up.h"
