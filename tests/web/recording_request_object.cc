#include "tests/web/recording_request_object.h"

#include <cstdio>
#include <utility>

namespace modian::testing {
namespace {

std::string Hex(int value) {
  char text[16];
  std::snprintf(text, sizeof text, "%#x", static_cast<unsigned>(value));
  return text;
}

}  // namespace

RecordingRequestObject::RecordingRequestObject(std::shared_ptr<CallLog> log,
                                               FakeResponse response)
    : log_(std::move(log)), response_(std::move(response)) {}

RecordingRequestObject::~RecordingRequestObject() {
  log_->push_back("Release");
}

void RecordingRequestObject::SetTimeouts(int resolveMs, int connectMs,
                                         int sendMs, int receiveMs) {
  log_->push_back("SetTimeouts(" + std::to_string(resolveMs) + "|" +
                  std::to_string(connectMs) + "|" + std::to_string(sendMs) +
                  "|" + std::to_string(receiveMs) + ")");
}

void RecordingRequestObject::SetProxy(int setting, std::string_view proxy) {
  log_->push_back("SetProxy(" + std::to_string(setting) + "|" +
                  std::string(proxy) + ")");
}

void RecordingRequestObject::Open(std::string_view method,
                                  std::string_view url, bool async) {
  log_->push_back("Open(" + std::string(method) + "|" + std::string(url) +
                  "|" + (async ? "true" : "false") + ")");
}

void RecordingRequestObject::SetOption(int option, int value) {
  log_->push_back("SetOption(" + std::to_string(option) + "|" + Hex(value) +
                  ")");
}

void RecordingRequestObject::SetRequestHeader(std::string_view name,
                                              std::string_view value) {
  log_->push_back("Header(" + std::string(name) + "|" + std::string(value) +
                  ")");
}

void RecordingRequestObject::Send(std::string_view bodyText) {
  log_->push_back("SendText(" + std::string(bodyText) + ")");
}

void RecordingRequestObject::Send(const ByteBlock& bodyBytes) {
  log_->push_back("SendBytes(" +
                  std::string(bodyBytes.begin(), bodyBytes.end()) + ")");
}

ByteBlock RecordingRequestObject::ResponseBody() {
  log_->push_back("ResponseBody");
  return response_.body;
}

AnsiText RecordingRequestObject::GetAllResponseHeaders() {
  log_->push_back("GetAllResponseHeaders");
  return response_.headers;
}

double RecordingRequestObject::Status() {
  log_->push_back("Status");
  return response_.status;
}

AnsiText RecordingRequestObject::StatusText() {
  log_->push_back("StatusText");
  return response_.statusText;
}

RequestObjectFactory RecordingFactory(std::shared_ptr<CallLog> log,
                                      FakeResponse response, bool fails) {
  return [log, response, fails]() -> std::shared_ptr<RequestObject> {
    log->push_back("Create");
    if (fails) return nullptr;
    return std::make_shared<RecordingRequestObject>(log, response);
  };
}

}  // namespace modian::testing
