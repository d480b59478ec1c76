// The numeric rules under the include path code outside the project has always
// used; the project itself includes "core/numeric/numeric.h".
#pragma once

#include "core/numeric/numeric.h"
