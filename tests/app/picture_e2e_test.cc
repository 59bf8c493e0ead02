// The picture lookup in the real program under X: a click on "图片" against a
// stroke-order site on loopback, seen from outside as a user would.
#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "tests/web/raw_http_server.h"

extern char** environ;

namespace modian {
namespace {

namespace site = modian::testing;
using namespace std::chrono_literals;

std::string Run(const std::string& command) {
  std::string output;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) output += buffer;
    pclose(pipe);
  }
  return output;
}

template <typename Check>
bool WaitFor(Check check, std::chrono::milliseconds limit = 40s) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (std::chrono::steady_clock::now() < end) {
    if (check()) return true;
    std::this_thread::sleep_for(100ms);
  }
  return check();
}

// An animated picture: a 4-pixel red frame round the character fading in.
const std::string& StrokeGif() {
  static const std::string gif = [] {
    const std::string dir = ::testing::TempDir() + "modian-gif";
    Run("mkdir -p " + dir);
    std::string frames;
    for (int i = 1; i <= 4; ++i) {
      const int grey = 220 - 55 * i;
      const std::string frame = dir + "/f" + std::to_string(i) + ".png";
      Run("convert -size 112x112 xc:'#FFF8E0' -font AR-PL-UKai-CN "
          "-pointsize 96 -fill 'rgb(" + std::to_string(grey) + "," +
          std::to_string(grey) + "," + std::to_string(grey) +
          ")' -gravity center -annotate +0+0 '春' -bordercolor '#C00000' "
          "-border 4 " + frame);
      frames += " " + frame;
    }
    Run("convert -delay 40 -loop 0" + frames + " " + dir + "/chun.gif");
    std::ifstream file(dir + "/chun.gif", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
  }();
  return gif;
}

std::string StrokePage(int port) {
  return "<html><head><meta charset=\"utf-8\"></head><body>"
         "<h2>春字的笔顺动画</h2><img src=\"http://127.0.0.1:" +
         std::to_string(port) +
         "/gif/%E6%98%A5.gif\" alt=\"春的笔顺\"></body></html>";
}

struct Geometry {
  int x = 0, y = 0, width = 0, height = 0;
};

// The program, started with its hosts on loopback.
class Program {
 public:
  explicit Program(const std::string& strokeHost) {
    std::vector<std::string> settings = {
        "MODIAN_STROKE_ORDER_HOST=" + strokeHost,
        "MODIAN_DICTIONARY_SEARCH_HOST=127.0.0.1:9",
        "MODIAN_DICTIONARY_FILE_HOST=127.0.0.1:9"};
    std::vector<char*> env;
    for (std::string& setting : settings) env.push_back(setting.data());
    for (char** e = environ; *e != nullptr; ++e) env.push_back(*e);
    env.push_back(nullptr);
    char* argv[] = {const_cast<char*>(MODIAN_PROGRAM), nullptr};
    if (posix_spawn(&pid_, MODIAN_PROGRAM, nullptr, nullptr, argv,
                    env.data()) != 0) {
      pid_ = -1;
    }
  }

  ~Program() {
    if (pid_ > 0 && !exitCode_) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
  }

  // The window's id once it is shown at its compact size.
  bool FindWindow() {
    return WaitFor([&] {
      const std::string ids =
          Run("xdotool search --onlyvisible --pid " + std::to_string(pid_) +
              " --name '^墨点$' 2>/dev/null");
      window_ = ids.substr(0, ids.find('\n'));
      return !window_.empty() && Size() == std::pair(145, 210) &&
             Pixel(5, 5) == "#000000";
    });
  }

  std::string Describe() const {
    const Geometry g = Where();
    return "window '" + window_ + "' at " + std::to_string(g.x) + "," +
           std::to_string(g.y) + " " + std::to_string(g.width) + "x" +
           std::to_string(g.height) + ", pixel " + Pixel(5, 5) +
           (pid_ > 0 ? "" : ", not started");
  }

  Geometry Where() const {
    const std::string shown =
        Run("xwininfo -id " + window_ + " 2>/dev/null");
    Geometry g;
    std::smatch m;
    auto field = [&](const char* name) {
      const std::regex pattern(std::string(name) + ":\\s+(-?\\d+)");
      return std::regex_search(shown, m, pattern) ? std::stoi(m[1]) : -1;
    };
    g.x = field("Absolute upper-left X");
    g.y = field("Absolute upper-left Y");
    g.width = field("Width");
    g.height = field("Height");
    return g;
  }

  std::pair<int, int> Size() const {
    const Geometry g = Where();
    return {g.width, g.height};
  }

  // A left click at a point of the window.
  void Click(int x, int y) const {
    const Geometry g = Where();
    // From outside the window, so that it sees the pointer come in.
    Run("xdotool mousemove 0 0 sleep 0.2 mousemove " +
        std::to_string(g.x + x) + " " + std::to_string(g.y + y) +
        " sleep 0.2 click 1");
  }

  void Key(const char* key) const {
    Run("xdotool key --window " + window_ + " " + key);
  }

  // The colour of a pixel of the window, as "#RRGGBB".
  std::string Pixel(int x, int y) const {
    const Geometry g = Where();
    const std::string shown = Run(
        "import -silent -window root -crop 1x1+" + std::to_string(g.x + x) +
        "+" + std::to_string(g.y + y) + " -depth 8 txt:- 2>/dev/null");
    std::smatch colour;
    const std::regex hex("#[0-9A-F]{6}\\b");
    return std::regex_search(shown, colour, hex) ? colour.str() : "";
  }

  void Screenshot(const std::string& path) const {
    const Geometry g = Where();
    Run("import -silent -window root -crop " + std::to_string(g.width) + "x" +
        std::to_string(g.height) + "+" + std::to_string(g.x) + "+" +
        std::to_string(g.y) + " +repage " + path);
  }

  std::optional<int> Exited(std::chrono::milliseconds limit = 15s) {
    WaitFor(
        [&] {
          int status = 0;
          if (waitpid(pid_, &status, WNOHANG) == pid_) {
            exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128;
          }
          return exitCode_.has_value();
        },
        limit);
    return exitCode_;
  }

  bool Running() {
    int status = 0;
    return waitpid(pid_, &status, WNOHANG) == 0;
  }

 private:
  pid_t pid_ = -1;
  std::string window_;
  std::optional<int> exitCode_;
};

// Where the push buttons' centres lie in the compact window.
constexpr int kPictureX = 6 + 20, kPictureY = 163 + 16;
constexpr int kDictionaryX = 98 + 20, kDictionaryY = 163 + 16;

class PictureLookupInWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "needs an X display";
  }
};

TEST_F(PictureLookupInWindow, ShowsThePictureFromTheSiteUnderTheStrip) {
  int port = 0;
  site::RawHttpServer server([&](const site::RawRequest& request) {
    if (request.head.starts_with("GET /gif/")) {
      return site::Reply{.steps = {{.bytes = site::HttpResponse(
                                        "HTTP/1.1 200 OK",
                                        "Content-Type: image/gif\r\n",
                                        StrokeGif())}}};
    }
    return site::Reply{.steps = {{.bytes = site::HttpResponse(
                                      "HTTP/1.1 200 OK",
                                      "Content-Type: text/html; "
                                      "charset=utf-8\r\n",
                                      StrokePage(port))}}};
  });
  port = server.Port();
  ASSERT_FALSE(StrokeGif().empty());
  const std::string host = "127.0.0.1:" + std::to_string(port);
  Program program(host);
  ASSERT_TRUE(program.FindWindow());

  program.Click(kPictureX, kPictureY);

  ASSERT_TRUE(WaitFor([&] { return program.Size() == std::pair(305, 335); }));
  ASSERT_TRUE(WaitFor([&] { return server.Requests().size() >= 2; }));
  const auto requests = server.Requests();
  const std::string query = "http://" + host + "/mandarin.php?q=%E6%98%A5";
  EXPECT_EQ(requests[0].head,
            "GET /mandarin.php?q=%E6%98%A5 HTTP/1.1\r\n"
            "Host: " + host + "\r\n"
            "Accept: */*\r\n"
            "Referer: " + query + "\r\n"
            "Accept-Language: zh-cn\r\n"
            "User-Agent: Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)\r\n"
            "\r\n");
  EXPECT_TRUE(requests[1].head.starts_with("GET /gif/%E6%98%A5.gif HTTP/1.1"))
      << requests[1].head;

  // The picture's red frame starts right under the strip at the left edge.
  EXPECT_TRUE(WaitFor([&] { return program.Pixel(1, 31) == "#C00000"; }))
      << program.Pixel(1, 31);
  EXPECT_EQ(program.Pixel(1, 28), "#000000");
  if (const char* dir = std::getenv("MODIAN_SCREENSHOT_DIR")) {
    std::this_thread::sleep_for(2s);  // the last frame of the animation
    program.Screenshot(std::string(dir) + "/picture-panel.png");
  }

  program.Key("Escape");
  EXPECT_EQ(program.Exited(), 0);
}

TEST_F(PictureLookupInWindow, OpensThePanelWhenTheSiteIsDown) {
  Program program("127.0.0.1:" + std::to_string(site::RefusingPort()));
  ASSERT_TRUE(program.FindWindow());
  program.Click(kPictureX, kPictureY);
  EXPECT_TRUE(WaitFor([&] { return program.Size() == std::pair(305, 335); }));
  EXPECT_TRUE(program.Running());
  program.Key("Escape");
  EXPECT_EQ(program.Exited(), 0);
}

TEST_F(PictureLookupInWindow, ClicksAndKeysWhileWaitingAreDropped) {
  site::RawHttpServer server([](const site::RawRequest&) {
    return site::Reply{
        .steps = {{.pauseMsBefore = 2500,
                   .bytes = site::HttpResponse("HTTP/1.1 404 Not Found", "",
                                               "not here")}}};
  });
  Program program("127.0.0.1:" + std::to_string(server.Port()));
  ASSERT_TRUE(program.FindWindow());

  program.Click(kPictureX, kPictureY);
  ASSERT_TRUE(WaitFor([&] { return !server.Requests().empty(); }));
  program.Click(kDictionaryX, kDictionaryY);
  program.Key("Escape");

  ASSERT_TRUE(WaitFor([&] { return program.Size() == std::pair(305, 335); }));
  std::this_thread::sleep_for(1500ms);
  EXPECT_EQ(program.Size(), std::pair(305, 335));
  EXPECT_TRUE(program.Running());
  program.Key("Escape");
  EXPECT_EQ(program.Exited(), 0);
}

}  // namespace
}  // namespace modian
