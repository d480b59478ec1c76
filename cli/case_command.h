// `vapentis-calc case`: the tools of a case file recalculated as the window would,
// or a case of the start texts written out; and the case file read for `sheet`.
#pragma once

#include <ctime>
#include <optional>
#include <ostream>
#include <string>
#include <variant>

#include "core/case/case_file.h"

namespace CLI {
class App;
}  // namespace CLI

namespace vapentis::cli {

// The case in the file at `path` (UTF-8, as the command line gives it), or the
// message, naming the file, that says why it cannot be opened.
std::variant<Case, std::string> LoadCase(const std::string& path);

// The time in the local time zone, ISO 8601 with its offset: "2026-12-09T10:15:00+08:00".
std::string IsoLocalTime(std::time_t time);

class CaseCommand {
 public:
  // Gives `subcommand` its description, options and help; its options write
  // into this object, which therefore stays where it is.
  explicit CaseCommand(CLI::App& subcommand);
  CaseCommand(const CaseCommand&) = delete;
  CaseCommand& operator=(const CaseCommand&) = delete;

  // What is wrong with the options given; nullopt when nothing is.
  std::optional<std::string> UsageProblem() const;
  // Runs the case's tools, or writes the template; the exit code.
  int Run(std::ostream& out, std::ostream& err) const;

 private:
  CLI::App* app_;
  std::string file_;
  bool json_ = false;
  bool all_ = false;
  bool template_ = false;
};

}  // namespace vapentis::cli
