// A request object for tests that writes every call, with its arguments, to a
// log shared with the test, and answers with a configured response.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "web/request_object.h"

namespace modian::testing {

using CallLog = std::vector<std::string>;

struct FakeResponse {
  ByteBlock body = {};
  AnsiText headers = {};
  double status = 0;
  AnsiText statusText = {};
};

// Calls are logged as "Open(GET|http://a/|false)", "Header(Cookie| a=1)",
// "SendText(...)", "SendBytes(...)", "ResponseBody", ..., and "Release" when
// the last reference goes.
class RecordingRequestObject final : public RequestObject {
 public:
  RecordingRequestObject(std::shared_ptr<CallLog> log, FakeResponse response);
  ~RecordingRequestObject() override;

  void SetTimeouts(int resolveMs, int connectMs, int sendMs,
                   int receiveMs) override;
  void SetProxy(int setting, std::string_view proxy) override;
  void Open(std::string_view method, std::string_view url,
            bool async) override;
  void SetOption(int option, int value) override;
  void SetRequestHeader(std::string_view name,
                        std::string_view value) override;
  void Send(std::string_view bodyText) override;
  void Send(const ByteBlock& bodyBytes) override;
  ByteBlock ResponseBody() override;
  AnsiText GetAllResponseHeaders() override;
  double Status() override;
  AnsiText StatusText() override;

 private:
  std::shared_ptr<CallLog> log_;
  FakeResponse response_;
};

// A factory that logs "Create" and makes a RecordingRequestObject; with
// `fails` it logs "Create" and makes nothing.
RequestObjectFactory RecordingFactory(std::shared_ptr<CallLog> log,
                                      FakeResponse response = {},
                                      bool fails = false);

}  // namespace modian::testing
