// Start-up of the program against a bare Qt window with one web view: the
// time from starting the process to its window first painted, and the
// memory then resident, of the process and of all it started.
//
// Needs an X display: scripts/with-xvfb build/DIR/bench/app/modian_startup_bench
#include <benchmark/benchmark.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <sstream>
#include <string>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Resident memory in kB of one process, from /proc.
long ResidentKb(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
  }
  return 0;
}

// Resident memory in kB of every process in the process group `group`.
long GroupResidentKb(pid_t group) {
  long total = 0;
  DIR* proc = opendir("/proc");
  if (proc == nullptr) return 0;
  while (dirent* entry = readdir(proc)) {
    const pid_t pid = std::atoi(entry->d_name);
    if (pid <= 0) continue;
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string all((std::istreambuf_iterator<char>(stat)), {});
    const std::size_t close = all.rfind(')');
    if (close == std::string::npos) continue;
    std::istringstream fields(all.substr(close + 2));
    char state;
    pid_t parent, processGroup;
    fields >> state >> parent >> processGroup;
    if (processGroup == group) total += ResidentKb(pid);
  }
  closedir(proc);
  return total;
}

struct Start {
  double seconds = 0;
  long residentKb = 0;
  long groupResidentKb = 0;
  bool shown = false;
};

Start StartOnce(const char* program) {
  int out[2];
  Start start;
  if (pipe(out) != 0) return start;
  const auto began = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    setpgid(0, 0);
    dup2(out[1], STDOUT_FILENO);
    close(out[0]);
    close(out[1]);
    setenv("MODIAN_REPORT_FIRST_SHOW", "1", 1);
    execl(program, program, static_cast<char*>(nullptr));
    _exit(127);
  }
  setpgid(pid, pid);
  close(out[1]);
  std::string line;
  pollfd ready{out[0], POLLIN, 0};
  while (poll(&ready, 1, 60'000) > 0) {
    char c;
    if (read(out[0], &c, 1) != 1) break;
    if (c == '\n') {
      start.shown = line.rfind("modian-first-show", 0) == 0;
      break;
    }
    line += c;
  }
  start.seconds = std::chrono::duration<double>(
                      std::chrono::steady_clock::now() - began)
                      .count();
  start.residentKb = ResidentKb(pid);
  start.groupResidentKb = GroupResidentKb(pid);
  kill(-pid, SIGKILL);
  waitpid(pid, nullptr, 0);
  close(out[0]);
  return start;
}

void StartUp(benchmark::State& state, const char* program) {
  if (std::getenv("DISPLAY") == nullptr) {
    state.SkipWithError("needs an X display (scripts/with-xvfb)");
    return;
  }
  long resident = 0, groupResident = 0;
  for (auto _ : state) {
    const Start start = StartOnce(program);
    if (!start.shown) {
      state.SkipWithError("the window did not report its first show");
      return;
    }
    state.SetIterationTime(start.seconds);
    resident += start.residentKb;
    groupResident += start.groupResidentKb;
  }
  const double runs = static_cast<double>(state.iterations());
  state.counters["rss_MB"] = resident / runs / 1024.0;
  state.counters["group_rss_MB"] = groupResident / runs / 1024.0;
}

// Alternating, so that both see the same state of the machine.
BENCHMARK_CAPTURE(StartUp, bare_window_with_one_view, MODIAN_BARE_WINDOW)
    ->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10)
    ->Repetitions(2);
BENCHMARK_CAPTURE(StartUp, modian, MODIAN_PROGRAM)
    ->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10)
    ->Repetitions(2);

}  // namespace

BENCHMARK_MAIN();
