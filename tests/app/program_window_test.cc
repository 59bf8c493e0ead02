// The real program on the X display that scripts/with-xvfb provides
// (1920 x 1080): where it appears, what clicks on its buttons do, and how
// it ends.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace modian::test {
namespace {

using namespace std::chrono_literals;

std::string Shell(const std::string& command) {
  std::string output;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) output += buffer;
    pclose(pipe);
  }
  return output;
}

struct Geometry {
  int x = 0, y = 0, width = 0, height = 0;
  bool operator==(const Geometry&) const = default;
};

void PrintTo(const Geometry& g, std::ostream* out) {
  *out << g.width << " x " << g.height << " at (" << g.x << ", " << g.y << ")";
}

// The program under test, in a process group of its own so that whatever it
// leaves running (the web engine's helpers) can be found.
class Program {
 public:
  Program() {
    int out[2];
    if (pipe(out) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      setpgid(0, 0);
      dup2(out[1], STDOUT_FILENO);
      close(out[0]);
      close(out[1]);
      setenv("MODIAN_REPORT_FIRST_SHOW", "1", 1);
      for (const char* host : {"MODIAN_DICTIONARY_SEARCH_HOST",
                               "MODIAN_DICTIONARY_FILE_HOST",
                               "MODIAN_STROKE_ORDER_HOST"}) {
        setenv(host, "127.0.0.1:9", 1);
      }
      execl(MODIAN_PROGRAM, MODIAN_PROGRAM, static_cast<char*>(nullptr));
      _exit(127);
    }
    setpgid(pid_, pid_);
    close(out[1]);
    output_ = out[0];
  }

  ~Program() {
    if (!exitCode_) {
      kill(-pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
    kill(-pid_, SIGKILL);
    if (output_ >= 0) close(output_);
  }

  // The first line the program writes, within `limit`.
  std::string FirstLine(std::chrono::milliseconds limit) {
    std::string line;
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
      pollfd ready{output_, POLLIN, 0};
      if (poll(&ready, 1, 100) <= 0) continue;
      char c;
      if (read(output_, &c, 1) != 1) break;
      if (c == '\n') return line;
      line += c;
    }
    return line;
  }

  std::string WindowId() {
    return Shell("xdotool search --onlyvisible --pid " + std::to_string(pid_) +
               " 2>/dev/null | head -n1 | tr -d '\\n'");
  }

  // The exit code, once the program has ended within `limit`.
  std::optional<int> WaitForExit(std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
      int status = 0;
      if (waitpid(pid_, &status, WNOHANG) == pid_) {
        exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status)
                                      : 128 + WTERMSIG(status);
        return exitCode_;
      }
      std::this_thread::sleep_for(20ms);
    }
    return std::nullopt;
  }

  // Whether any process of the program's group is still running after
  // `limit`.
  bool GroupOutlives(std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
      if (kill(-pid_, 0) != 0) return false;
      std::this_thread::sleep_for(50ms);
    }
    return true;
  }

 private:
  pid_t pid_ = -1;
  int output_ = -1;
  std::optional<int> exitCode_;
};

Geometry GeometryOf(const std::string& window) {
  Geometry g;
  const std::string shell =
      Shell("xdotool getwindowgeometry --shell " + window + " 2>/dev/null");
  std::sscanf(shell.c_str(), "WINDOW=%*d\nX=%d\nY=%d\nWIDTH=%d\nHEIGHT=%d",
              &g.x, &g.y, &g.width, &g.height);
  return g;
}

// The window's geometry once it has become `want`, or what it is after the
// wait has run out.
Geometry WaitForGeometry(const std::string& window, const Geometry& want) {
  Geometry now;
  for (int i = 0; i < 200; ++i) {
    now = GeometryOf(window);
    if (now == want) break;
    std::this_thread::sleep_for(50ms);
  }
  return now;
}

void ClickAt(const std::string& window, int x, int y) {
  Shell("xdotool mousemove --window " + window + " " + std::to_string(x) + " " +
      std::to_string(y) + " click 1");
}

class ProgramWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "no X display";
    ASSERT_EQ(program_.FirstLine(60s),
              "modian-first-show x=611 y=419 width=145 height=210");
    // The first paint can come before X reports the window as viewable.
    const auto end = std::chrono::steady_clock::now() + 10s;
    while ((window_ = program_.WindowId()).empty() &&
           std::chrono::steady_clock::now() < end) {
      std::this_thread::sleep_for(50ms);
    }
    ASSERT_FALSE(window_.empty());
  }

  Program program_;
  std::string window_;
};

const Geometry kCompact = {611, 419, 145, 210};

TEST_F(ProgramWindowTest, AppearsCompactAtCreationCorner) {
  EXPECT_EQ(GeometryOf(window_), kCompact);
}

TEST_F(ProgramWindowTest, ButtonsOpenPanelsAndCloseReturnsToCompact) {
  struct Case {
    const char* button;
    int buttonX;        // centre of the push button, in the window
    Geometry open;
    int closeX;         // inside the visible part of "关闭"
  };
  const Case cases[] = {
      {"字典", 118, {611, 419, 610, 420}, 590},
      {"动画", 72, {611, 419, 500, 520}, 475},
      {"图片", 26, {611, 419, 305, 335}, 280},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    ClickAt(window_, c.buttonX, 179);
    EXPECT_EQ(WaitForGeometry(window_, c.open), c.open);
    ClickAt(window_, c.closeX, 15);
    EXPECT_EQ(WaitForGeometry(window_, kCompact), kCompact);
  }
}

TEST_F(ProgramWindowTest, EscapeEndsWithZeroAndLeavesNothingRunning) {
  Shell("xdotool windowfocus --sync " + window_ + " key Escape");
  EXPECT_EQ(program_.WaitForExit(30s), 0);
  EXPECT_FALSE(program_.GroupOutlives(10s));
}

TEST_F(ProgramWindowTest, PressOnExitMarkEndsAtOnceWithZero) {
  // With a page loaded in a view: the panel opened and closed again.
  ClickAt(window_, 72, 179);
  WaitForGeometry(window_, {611, 419, 500, 520});
  ClickAt(window_, 475, 15);
  ASSERT_EQ(WaitForGeometry(window_, kCompact), kCompact);
  Shell("xdotool mousemove --window " + window_ + " 132 15 mousedown 1");
  const std::optional<int> exitCode = program_.WaitForExit(30s);
  Shell("xdotool mouseup 1");
  EXPECT_EQ(exitCode, 0);
  EXPECT_FALSE(program_.GroupOutlives(10s));
}

}  // namespace
}  // namespace modian::test
