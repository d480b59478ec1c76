// The built vapentis-calc as the shell runs it: exit codes, linkage, pipes.
#include <gtest/gtest.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "cli_test_support.h"

extern char** environ;

namespace vapentis::cli {
namespace {

const std::string kCalc = VAPENTIS_CALC_PATH;

// Output and exit code of a shell command line.
struct Shell {
  int code;
  std::string out;
};

Shell RunShell(const std::string& command) {
  std::FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return {-1, {}};
  std::string out;
  std::array<char, 4096> buffer{};
  for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) {
    out.append(buffer.data(), n);
  }
  const int status = pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

struct ExitCase {
  const char* name;
  const char* args;
  const char* input;  // standard input
  int code;
};

const ExitCase kExitCases[] = {
    {"success", "sizing --throughput 12", "", 0},
    {"json success", "sizing --json", "", 0},
    {"help", "sizing --help", "", 0},
    {"calculation failure", "sizing --product 0", "", 1},
    {"json failure", "sizing --feed x --json", "", 1},
    {"unknown option", "sizing --speed 3", "", 2},
    {"no subcommand", "", "", 2},
    {"batch, every line fine", "batch", "{\"tool\":\"sizing\"}\n{\"tool\":\"sizing\"}\n", 0},
    {"batch, one line fails", "batch", "{\"tool\":\"sizing\"}\nnot json\n", 1},
    {"batch, nothing to do", "batch", "", 0},
    {"sheet", "sheet", "{\"tool\":\"sizing\"}\n{\"tool\":\"pump\"}\n", 0},
    {"sheet, a request fails", "sheet", "{\"tool\":\"pump\",\"flow\":\"x\"}\n", 1},
    {"sheet, a line is no request", "sheet", "{\"tool\":\"pump\"}\nnot json\n", 1},
    {"sheet, nothing to do", "sheet", "", 1},
    {"sheet, unknown format", "sheet --format pdf", "{\"tool\":\"pump\"}\n", 2},
    {"case template", "case --template", "", 0},
    {"case without a file", "case", "", 2},
    {"case, the file missing", "case /nonexistent/quote.vapentis", "", 1},
};

TEST(Process, ExitCodes) {
  const std::string input_file = ::testing::TempDir() + "vapentis_calc_input.jsonl";
  for (const ExitCase& c : kExitCases) {
    SCOPED_TRACE(c.name);
    std::ofstream(input_file, std::ios::binary) << c.input;
    const Shell run = RunShell(kCalc + " " + c.args + " <" + input_file + " 2>/dev/null");
    EXPECT_EQ(run.code, c.code) << run.out;
  }
}

TEST(Process, PrintsWhatTheCommandPrintsInProcess) {
  const Shell run = RunShell(kCalc + " sizing --json --application 中药浓缩");
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.out, RunWith({"sizing", "--json", "--application", "中药浓缩"}).out);
}

TEST(Process, LinksNoQt) {
  const Shell run = RunShell("ldd " + kCalc);
  ASSERT_EQ(run.code, 0) << "ldd could not read " << kCalc;
  EXPECT_EQ(run.out.find("libQt"), std::string::npos) << run.out;
}

// A program that feeds a batch one request at a time through a pipe must get
// each answer before it sends the next, or both would wait for ever.
TEST(Process, BatchAnswersEachLineWhileItsInputStaysOpen) {
  int to_child[2];
  int from_child[2];
  ASSERT_EQ(pipe(to_child), 0);
  ASSERT_EQ(pipe(from_child), 0);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, to_child[0], STDIN_FILENO);
  posix_spawn_file_actions_adddup2(&actions, from_child[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, to_child[1]);
  posix_spawn_file_actions_addclose(&actions, from_child[0]);
  std::string program = kCalc;
  std::string subcommand = "batch";
  char* argv[] = {program.data(), subcommand.data(), nullptr};
  pid_t pid = 0;
  ASSERT_EQ(posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ), 0);
  posix_spawn_file_actions_destroy(&actions);
  close(to_child[0]);
  close(from_child[1]);

  std::string answers;
  for (int request = 1; request <= 2; ++request) {
    const std::string line =
        "{\"tool\":\"sizing\",\"throughput\":" + std::to_string(request) + "}\n";
    ASSERT_EQ(write(to_child[1], line.data(), line.size()), static_cast<ssize_t>(line.size()));
    // Wait for the answer's newline with the child's input still open.
    while (std::count(answers.begin(), answers.end(), '\n') < request) {
      pollfd ready{from_child[0], POLLIN, 0};
      ASSERT_EQ(poll(&ready, 1, 10000), 1) << "no answer to request " << request;
      std::array<char, 4096> buffer{};
      const ssize_t n = read(from_child[0], buffer.data(), buffer.size());
      ASSERT_GT(n, 0);
      answers.append(buffer.data(), static_cast<std::size_t>(n));
    }
  }
  close(to_child[1]);
  int status = 0;
  waitpid(pid, &status, 0);
  close(from_child[0]);
  EXPECT_EQ(WEXITSTATUS(status), 0);
  const std::vector<std::string> lines = SplitLines(answers);
  ASSERT_EQ(lines.size(), 2U);
  EXPECT_NE(lines[1].find("\"line\":2"), std::string::npos) << lines[1];
}

}  // namespace
}  // namespace vapentis::cli
