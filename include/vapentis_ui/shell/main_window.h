// The main window under the include path code outside the project has always
// used; the project itself includes "gui/shell/main_window.h".
#pragma once

#include "gui/shell/main_window.h"
