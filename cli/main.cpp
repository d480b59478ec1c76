// vapentis-calc: the window's calculations from the shell, one by one or in batches.
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "cli/calc_command.h"
#include "core/catalog/program_info.h"

#ifdef _WIN32
#include "cli/windows_console.h"
#endif

int main(int argc, char** argv) {
  // Unsynchronised streams buffer on their own, which a batch of a million lines needs.
  std::ios::sync_with_stdio(false);
  std::cin.tie(nullptr);
  std::vector<const char*> arguments(argv, argv + argc);
#ifdef _WIN32
  // The command reads and writes UTF-8, on Windows as elsewhere.
  const vapentis::cli::StandardStreams streams;
  const std::vector<std::string> utf8_arguments = vapentis::cli::Utf8Arguments();
  if (!utf8_arguments.empty()) {
    arguments.clear();
    for (const std::string& argument : utf8_arguments) arguments.push_back(argument.c_str());
  }
#endif
  try {
    return vapentis::cli::RunCalc(static_cast<int>(arguments.size()), arguments.data(), std::cin,
                                  std::cout, std::cerr);
  } catch (const std::exception& e) {
    std::cerr << vapentis::program::kCommandName << ": 内部错误：" << e.what() << '\n';
    return vapentis::cli::kExitFailure;
  }
}
