// Starts the start-up probe many times for the calculator's window and for a
// bare window, alternating, and prints the median time from process start to
// the first painted frame and the median peak resident memory of each, under a
// label naming the window system they ran on.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

extern char** environ;

namespace {

long long NowNs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

struct Sample {
  double milliseconds;
  double resident_mb;
};

bool RunOnce(const std::string& probe, const char* mode, Sample& sample) {
  int out[2];
  if (pipe(out) != 0) return false;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  std::string mode_arg = mode;
  char* argv[] = {const_cast<char*>(probe.c_str()), mode_arg.data(), nullptr};
  pid_t pid = 0;
  const long long start = NowNs();
  const int rc = posix_spawn(&pid, probe.c_str(), &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  if (rc != 0) return false;
  std::string text;
  char buf[256];
  for (ssize_t n; (n = read(out[0], buf, sizeof buf)) > 0;)
    text.append(buf, static_cast<size_t>(n));
  close(out[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  long long painted = 0;
  long resident_kb = 0;
  if (std::sscanf(text.c_str(), "%lld %ld", &painted, &resident_kb) != 2) return false;
  sample = {(painted - start) / 1e6, resident_kb / 1024.0};
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s path/to/vapentis_startup_probe [runs [label]]\n", argv[0]);
    return 2;
  }
  const std::string probe = argv[1];
  const int runs = argc > 2 ? std::atoi(argv[2]) : 31;
  const std::string label = argc > 3 ? std::string(" ") + argv[3] : std::string();
  std::vector<double> full_ms, bare_ms, full_mb, bare_mb;
  for (int i = 0; i < runs; ++i) {
    Sample full{}, bare{};
    if (!RunOnce(probe, "full", full) || !RunOnce(probe, "bare", bare)) {
      std::fprintf(stderr, "probe run failed\n");
      return 1;
    }
    full_ms.push_back(full.milliseconds);
    bare_ms.push_back(bare.milliseconds);
    full_mb.push_back(full.resident_mb);
    bare_mb.push_back(bare.resident_mb);
  }
  const double fm = Median(full_ms), bm = Median(bare_ms);
  const double fr = Median(full_mb), br = Median(bare_mb);
  std::printf("startup_first_paint_ms%s window=%.1f bare=%.1f ratio=%.2f target<=1.50 %s\n",
              label.c_str(), fm, bm, fm / bm, fm / bm <= 1.5 ? "ok" : "MISSED");
  std::printf("startup_peak_rss_mb%s window=%.1f bare=%.1f extra=%.1f target<=15.0 %s\n",
              label.c_str(), fr, br, fr - br, fr - br <= 15.0 ? "ok" : "MISSED");
  return 0;
}
