// How the core tests expect a calculation to fail: the kind, the input blamed,
// and the cause in words exactly when a step failed on that input's value.
#pragma once

#include <gtest/gtest.h>

#include <string_view>

#include "core/numeric/numeric.h"

namespace vapentis::testing {

// Runs `calculation` (any callable) and checks the CalcFailure it must throw.
// `input` is the key blamed, or empty when no single input is the cause.
template <class Calculation>
void ExpectFailure(std::string_view name, Calculation&& calculation, CalcFailure::Kind kind,
                   std::string_view input) {
  SCOPED_TRACE(name);
  try {
    calculation();
    ADD_FAILURE() << "did not fail";
  } catch (const CalcFailure& failure) {
    EXPECT_EQ(failure.kind(), kind);
    EXPECT_EQ(failure.input(), input);
    // A step that fails on an input's value says in words what the value did;
    // a failure blamed on nobody has no cause to tell.
    const bool step_failed =
        kind == CalcFailure::Kind::DivisionByZero || kind == CalcFailure::Kind::InvalidArgument;
    if (step_failed || input.empty()) {
      EXPECT_EQ(failure.cause().empty(), input.empty());
    }
  }
}

}  // namespace vapentis::testing
