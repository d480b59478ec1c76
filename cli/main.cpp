// vapentis-calc: the window's calculations from the shell, one by one or in batches.
#include <exception>
#include <iostream>

#include "cli/calc_command.h"

int main(int argc, char** argv) {
  // Unsynchronised streams buffer on their own, which a batch of a million lines needs.
  std::ios::sync_with_stdio(false);
  std::cin.tie(nullptr);
  try {
    return vapentis::cli::RunCalc(argc, argv, std::cin, std::cout, std::cerr);
  } catch (const std::exception& e) {
    std::cerr << "vapentis-calc: 内部错误：" << e.what() << '\n';
    return vapentis::cli::kExitFailure;
  }
}
