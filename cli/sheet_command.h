// `vapentis-calc sheet`: requests read as `batch` reads them, or the calculated
// tools of a case file, one calculation sheet out, as HTML, text or JSON.
#pragma once

#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

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
  // Reads the requests from `in`, or from the case file given, writes the sheet
  // to `out`; the exit code.
  int Run(std::istream& in, std::ostream& out, std::ostream& err) const;

 private:
  // False, the reason written to `err`, where a line is no request or none is given.
  bool ReadRequests(std::istream& in, std::vector<InputTexts>& requests, std::ostream& err) const;
  // The case's calculated tools, and its header and prices where no option gives them.
  bool ReadCaseFile(std::vector<InputTexts>& requests, SheetHeader& header, InputTexts& assumptions,
                    std::ostream& err) const;
  std::string Prefix() const;

  CLI::App* app_;
  std::string case_file_;
  std::string format_ = "html";
  SheetHeader header_;  // an empty date: today's
  InputTexts assumptions_;
};

}  // namespace vapentis::cli
