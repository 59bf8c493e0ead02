// The toolkit on Qt Widgets and Qt WebEngine: builds MainWindow from its
// definition and carries out the handlers' operations on it.
#pragma once

#include <QPointer>
#include <map>
#include <memory>
#include <vector>

#include "app/qt/busy_wait.h"
#include "app/toolkit.h"

class QWebEngineProfile;
class QWidget;

namespace modian {

class HtmlView;
class TopLevelWindow;
class WindowDrag;

class QtToolkit : public Toolkit {
 public:
  QtToolkit();
  ~QtToolkit() override;

  void SetProperty(Control control, Property property,
                   const PropertyValue& value) override;
  PropertyValue GetProperty(Control control, Property property) override;
  void SetFocus(Control control) override;
  [[noreturn]] void EndProgram(int exitCode) override;
  void RegisterExitHook(void (*hook)()) override;
  void LoadWindow(const WindowDefinition& window) override;
  void RunMessageLoop() override;
  void BeginWait() override;
  void EndWait() override;

  // Destroys the window and its views, then runs the exit hooks; returns
  // `exitCode`. For the end of main, after the message loop has ended.
  int Finish(int exitCode);

  // The widget of `control` (the window for MainWindow); nullptr once the
  // window is gone.
  QWidget* Widget(Control control) const;

 private:
  void BuildControl(const ControlDefinition& row);
  void Deliver(void (*handler)());
  void DestroyWindow();
  void RunExitHooks();

  std::unique_ptr<QWebEngineProfile> profile_;
  QPointer<TopLevelWindow> window_;
  WindowDrag* drag_ = nullptr;  // owned by the window
  std::map<Control, QPointer<QWidget>> widgets_;
  BusyWait busy_;
  std::vector<void (*)()> exitHooks_;
  bool exitHooksRun_ = false;
  // Off while the window is built and once the program ends: events then
  // reach no handler.
  bool deliveringEvents_ = false;
};

}  // namespace modian
