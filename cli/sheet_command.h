// `vapentis-calc sheet`: requests read as `batch` reads them, one calculation
// sheet out, as HTML, text or JSON.
#pragma once

#include <istream>
#include <optional>
#include <ostream>
#include <string>

#include "core/description/tool_description.h"
#include "core/sheet/sheet.h"

namespace CLI {
class App;
}  // namespace CLI

namespace vapentis::cli {

class SheetCommand {
 public:
  // Gives `subcommand` its description, options and help; its options write
  // into this object, which therefore stays where it is.
  explicit SheetCommand(CLI::App& subcommand);
  SheetCommand(const SheetCommand&) = delete;
  SheetCommand& operator=(const SheetCommand&) = delete;

  CLI::App* app() const { return app_; }
  // What is wrong with the options given; nullopt when nothing is.
  std::optional<std::string> UsageProblem() const;
  // Reads the requests from `in`, writes the sheet to `out`; the exit code.
  int Run(std::istream& in, std::ostream& out, std::ostream& err) const;

 private:
  CLI::App* app_;
  std::string format_ = "html";
  SheetHeader header_;  // an empty date: today's
  InputTexts assumptions_;
};

}  // namespace vapentis::cli
