// An arbitrary response header text through RequestPage's cookie steps: the
// received-cookie parsing and the merge with the cookies that were sent.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "fuzz/fuzz_check.h"
#include "web/cookie_merge.h"
#include "web/received_cookies.h"
#include "web/request_page.h"

using namespace modian;

namespace {

class HeaderAnswer final : public RequestObject {
 public:
  explicit HeaderAnswer(std::string headers) : headers_(std::move(headers)) {}
  void SetTimeouts(int, int, int, int) override {}
  void SetProxy(int, std::string_view) override {}
  void Open(std::string_view, std::string_view, bool) override {}
  void SetOption(int, int) override {}
  void SetRequestHeader(std::string_view, std::string_view) override {}
  void Send(std::string_view) override {}
  void Send(const ByteBlock&) override {}
  ByteBlock ResponseBody() override { return {}; }
  AnsiText GetAllResponseHeaders() override { return headers_; }
  double Status() override { return 200; }
  AnsiText StatusText() override { return {}; }

 private:
  std::string headers_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  FuzzedDataProvider provider(data, size);
  const std::string sent = provider.ConsumeRandomLengthString(64);
  const std::string headers = provider.ConsumeRemainingBytesAsString();

  const AnsiText parsed = ReceivedCookies(headers);
  FuzzCheck(HasNoZeroByte(parsed), "zero byte in the received cookies");
  if (headers.find("Set-Cookie: ") == std::string::npos) {
    FuzzCheck(parsed.empty(), "cookies without a Set-Cookie line");
  }

  AnsiText cookies = sent, received;
  RequestPage("http://fuzz.test/",
              {.cookies = &cookies, .receivedCookies = &received,
               .requestObject = std::make_shared<HeaderAnswer>(headers)});
  AnsiText expectedSent = sent;
  AnsiText expectedReceived = parsed;
  // RequestPage strips a "Cookie:" prefix first; with none in the input the
  // merge must be the direct one.
  if (sent.find(':') == std::string::npos) {
    FuzzCheck(received == MergeCookies(expectedSent, expectedReceived),
              "RequestPage merged differently");
  }
  FuzzCheck(cookies == received, "cookies and received cookies differ");
  return 0;
}
