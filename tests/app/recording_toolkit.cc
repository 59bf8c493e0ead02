#include "tests/app/recording_toolkit.h"

#include <stdexcept>

#include "text/code_page.h"

namespace modian::test {

std::string Describe(const PropertyValue& value) {
  if (const int* number = std::get_if<int>(&value)) {
    return std::to_string(*number);
  }
  if (const bool* on = std::get_if<bool>(&value)) return *on ? "true" : "false";
  return "\"" + AnsiToUtf8(std::get<AnsiText>(value)) + "\"";
}

RecordingToolkit::RecordingToolkit() { InstallToolkit(this); }

RecordingToolkit::~RecordingToolkit() { InstallToolkit(nullptr); }

void RecordingToolkit::SetProperty(Control control, Property property,
                                   const PropertyValue& value) {
  operations.push_back(std::string(ControlName(control)) + "." +
                       std::string(PropertyName(property)) +
                       " := " + Describe(value));
  ControlState& target = state[control];
  switch (property) {
    case Property::kLeft: target.left = std::get<int>(value); break;
    case Property::kTop: target.top = std::get<int>(value); break;
    case Property::kWidth: target.width = std::get<int>(value); break;
    case Property::kHeight: target.height = std::get<int>(value); break;
    case Property::kVisible: target.visible = std::get<bool>(value); break;
    case Property::kDisabled: target.disabled = std::get<bool>(value); break;
    case Property::kText: target.text = std::get<AnsiText>(value); break;
    case Property::kAddress: target.address = std::get<AnsiText>(value); break;
  }
  if (control == Control::MainWindow &&
      (property == Property::kWidth || property == Property::kHeight) &&
      window_ != nullptr && window_->onResized != nullptr) {
    window_->onResized();
  }
}

PropertyValue RecordingToolkit::GetProperty(Control control,
                                            Property property) {
  const ControlState& source = state[control];
  switch (property) {
    case Property::kLeft: return source.left;
    case Property::kTop: return source.top;
    case Property::kWidth: return source.width;
    case Property::kHeight: return source.height;
    case Property::kVisible: return source.visible;
    case Property::kDisabled: return source.disabled;
    case Property::kText: return source.text;
    case Property::kAddress: return source.address;
  }
  return 0;
}

void RecordingToolkit::SetFocus(Control control) {
  operations.push_back("focus " + std::string(ControlName(control)));
  focus = control;
}

void RecordingToolkit::EndProgram(int exitCode) {
  operations.push_back("end program " + std::to_string(exitCode));
  RunExitHooks();
  throw ProgramEnded{exitCode};
}

void RecordingToolkit::RegisterExitHook(void (*hook)()) {
  operations.push_back("register exit hook");
  exitHooks_.push_back(hook);
}

void RecordingToolkit::LoadWindow(const WindowDefinition& window) {
  operations.push_back("load window");
  window_ = &window;
  state.clear();
  state[Control::MainWindow] = ControlState{};
  state[Control::MainWindow].width = window.width;
  state[Control::MainWindow].height = window.height;
  for (const ControlDefinition& row : window.controls) {
    ControlState& control = state[row.name];
    control = ControlState{};
    control.left = row.left;
    control.top = row.top;
    control.width = row.width;
    control.height = row.height;
    control.text = row.text;
  }
  if (window.onCreated != nullptr) window.onCreated();
  if (window.onResized != nullptr) window.onResized();
  operations.push_back("shown");
}

void RecordingToolkit::RunMessageLoop() {
  operations.push_back("message loop");
  for (Control control : clicksDuringLoop) Click(control);
  operations.push_back("window destroyed");
}

void RecordingToolkit::BeginWait() { operations.push_back("wait begins"); }

void RecordingToolkit::EndWait() { operations.push_back("wait ends"); }

void RecordingToolkit::Click(Control control) {
  const ControlDefinition* row = FindControl(*window_, control);
  if (row == nullptr) throw std::logic_error("no such control");
  if (const auto* clicked = std::get_if<Clicked>(&row->event)) {
    clicked->handler();
  }
}

void RecordingToolkit::PressLeftButton(Control control, int x, int y,
                                       int keys) {
  const ControlDefinition* row = FindControl(*window_, control);
  if (row == nullptr) throw std::logic_error("no such control");
  if (const auto* pressed = std::get_if<LeftButtonPressed>(&row->event)) {
    pressed->handler(x, y, keys);
  }
}

void RecordingToolkit::ChangeSizeFromOutside(int width, int height) {
  state[Control::MainWindow].width = width;
  state[Control::MainWindow].height = height;
  if (window_->onResized != nullptr) window_->onResized();
}

void RecordingToolkit::RunExitHooks() {
  ++exitHookRuns;
  for (void (*hook)() : exitHooks_) hook();
}

}  // namespace modian::test
