#include "app/toolkit.h"

#include <cstdlib>

namespace modian {

namespace {

Toolkit* installed = nullptr;

Toolkit& Current() {
  // Every handler runs inside a toolkit; without one there is nothing to
  // act on, and carrying on would act on nothing silently.
  if (installed == nullptr) std::abort();
  return *installed;
}

}  // namespace

void InstallToolkit(Toolkit* toolkit) { installed = toolkit; }

void SetProperty(Control control, Property property,
                 const PropertyValue& value) {
  Current().SetProperty(control, property, value);
}

PropertyValue GetProperty(Control control, Property property) {
  return Current().GetProperty(control, property);
}

int GetNumber(Control control, Property property) {
  const PropertyValue value = GetProperty(control, property);
  const int* number = std::get_if<int>(&value);
  return number != nullptr ? *number : 0;
}

AnsiText GetText(Control control, Property property) {
  PropertyValue value = GetProperty(control, property);
  AnsiText* text = std::get_if<AnsiText>(&value);
  return text != nullptr ? std::move(*text) : AnsiText();
}

void SetFocus(Control control) { Current().SetFocus(control); }

void EndProgram(int exitCode) {
  Current().EndProgram(exitCode);
  std::abort();  // a toolkit that returned from ending the program is broken
}

void RegisterExitHook(void (*hook)()) { Current().RegisterExitHook(hook); }

void LoadWindow(const WindowDefinition& window) { Current().LoadWindow(window); }

void RunMessageLoop() { Current().RunMessageLoop(); }

WaitScope::WaitScope() { Current().BeginWait(); }

WaitScope::~WaitScope() { Current().EndWait(); }

}  // namespace modian
