#include "app/qt/qt_toolkit.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QWebEngineProfile>
#include <algorithm>
#include <cstdio>
#include <unistd.h>

#include "app/qt/close_button.h"
#include "app/qt/edit_field.h"
#include "app/qt/first_show_report.h"
#include "app/qt/html_view.h"
#include "app/qt/label.h"
#include "app/qt/lone_picture_style.h"
#include "app/qt/strip.h"
#include "app/qt/text_bridge.h"
#include "app/qt/top_level_window.h"
#include "app/qt/window_drag.h"
#include "app/qt/swf_player.h"

namespace modian {

QtToolkit::QtToolkit() = default;

QtToolkit::~QtToolkit() {
  DestroyWindow();
  profile_.reset();
}

QWidget* QtToolkit::Widget(Control control) const {
  const auto found = widgets_.find(control);
  return found == widgets_.end() ? nullptr : found->second.data();
}

void QtToolkit::Deliver(void (*handler)()) {
  if (deliveringEvents_ && handler != nullptr) handler();
}

void QtToolkit::LoadWindow(const WindowDefinition& window) {
  deliveringEvents_ = false;
  if (!profile_) {
    // No storage name: nothing is kept on disk between runs.
    profile_ = std::make_unique<QWebEngineProfile>();
    InstallSwfPlayer(*profile_);
    DrawLonePicturesAtTopLeft(*profile_);
  }

  auto* top = new TopLevelWindow();
  window_ = top;
  widgets_[Control::MainWindow] = top;
  top->setObjectName(QStringLiteral("MainWindow"));
  top->setWindowTitle(ToQString(window.title));
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QRect area = screen != nullptr
                         ? screen->geometry()
                         : QRect(0, 0, window.width, window.height);
  top->setFixedSize(window.width, window.height);
  top->move(area.x() + (area.width() - window.width) / 2,
            area.y() + (area.height() - window.height) / 2);
  drag_ = new WindowDrag(*top);
  top->installEventFilter(drag_);

  for (const ControlDefinition& row : window.controls) BuildControl(row);

  // Raised from the bottom up, so that stack 1 ends on top of its siblings.
  std::vector<const ControlDefinition*> bottomFirst;
  for (const ControlDefinition& row : window.controls) {
    bottomFirst.push_back(&row);
  }
  std::stable_sort(bottomFirst.begin(), bottomFirst.end(),
                   [](const ControlDefinition* a, const ControlDefinition* b) {
                     return a->stack > b->stack;
                   });
  for (const ControlDefinition* row : bottomFirst) {
    if (QWidget* widget = Widget(row->name)) widget->raise();
  }

  top->onSizeChanged = [this, handler = window.onResized] { Deliver(handler); };
  top->onClosing = [this] { deliveringEvents_ = false; };
  ReportFirstShowIfAsked(*top);

  deliveringEvents_ = true;
  if (window_) Deliver(window.onCreated);
  if (window_) window_->RaiseSizeChanged();
  if (window_) {
    window_->show();
    window_->activateWindow();
  }
}

void QtToolkit::BuildControl(const ControlDefinition& row) {
  QWidget* parent = Widget(row.parent);
  if (parent == nullptr) return;
  QWidget* widget = nullptr;
  switch (row.kind) {
    case Kind::kStrip: {
      widget = new Strip(parent);
      widget->installEventFilter(drag_);
      break;
    }
    case Kind::kLabel: {
      auto* label = new Label(parent);
      label->setText(ToQString(row.text));
      if (row.name == Control::透明标签2) {
        label->setAlignment(Qt::AlignCenter);
      }
      if (const auto* pressed = std::get_if<LeftButtonPressed>(&row.event)) {
        label->onLeftButtonPressed = [this, handler = pressed->handler](
                                         int x, int y, int keys) {
          if (deliveringEvents_ && handler != nullptr) handler(x, y, keys);
        };
      }
      widget = label;
      break;
    }
    case Kind::kCloseButton:
    case Kind::kPushButton: {
      QPushButton* button = row.kind == Kind::kCloseButton
                                ? CreateCloseButton(parent)
                                : new QPushButton(parent);
      button->setAutoDefault(false);
      button->setText(ToQString(row.text));
      if (const auto* clicked = std::get_if<Clicked>(&row.event)) {
        QObject::connect(button, &QPushButton::clicked, button,
                         [this, handler = clicked->handler] { Deliver(handler); });
      }
      widget = button;
      break;
    }
    case Kind::kHtmlView:
      widget = new HtmlView(*profile_, parent);
      break;
    case Kind::kEditField: {
      QLineEdit* field = CreateEditField(parent);
      field->setText(ToQString(row.text));
      field->setCursorPosition(0);
      widget = field;
      break;
    }
  }
  const std::string_view name = ControlName(row.name);
  widget->setObjectName(QString::fromUtf8(
      name.data(), static_cast<qsizetype>(name.size())));
  widget->setGeometry(row.left, row.top, row.width, row.height);
  widgets_[row.name] = widget;
}

void QtToolkit::SetProperty(Control control, Property property,
                            const PropertyValue& value) {
  QWidget* widget = Widget(control);
  if (widget == nullptr) return;
  const int* number = std::get_if<int>(&value);
  const bool* on = std::get_if<bool>(&value);
  const AnsiText* text = std::get_if<AnsiText>(&value);
  switch (property) {
    case Property::kLeft:
      if (number) widget->move(*number, widget->y());
      return;
    case Property::kTop:
      if (number) widget->move(widget->x(), *number);
      return;
    case Property::kWidth:
    case Property::kHeight: {
      if (!number) return;
      QSize size = widget->size();
      if (property == Property::kWidth) {
        size.setWidth(*number);
      } else {
        size.setHeight(*number);
      }
      if (control == Control::MainWindow) {
        window_->ResizeByProgram(size);
      } else {
        widget->resize(size);
      }
      return;
    }
    case Property::kVisible:
      if (on) widget->setVisible(*on);
      return;
    case Property::kDisabled:
      if (on) widget->setEnabled(!*on);
      return;
    case Property::kText:
      if (!text) return;
      if (control == Control::MainWindow) {
        widget->setWindowTitle(ToQString(*text));
      } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(ToQString(*text));
      } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        button->setText(ToQString(*text));
      } else if (auto* field = qobject_cast<QLineEdit*>(widget)) {
        field->setText(ToQString(*text));
      }
      return;
    case Property::kAddress:
      if (!text) return;
      if (auto* view = dynamic_cast<HtmlView*>(widget)) view->SetAddress(*text);
      return;
  }
}

PropertyValue QtToolkit::GetProperty(Control control, Property property) {
  const QWidget* widget = Widget(control);
  if (widget == nullptr) return 0;
  switch (property) {
    case Property::kLeft: return widget->x();
    case Property::kTop: return widget->y();
    case Property::kWidth: return widget->width();
    case Property::kHeight: return widget->height();
    case Property::kVisible: return !widget->isHidden();
    case Property::kDisabled: return !widget->isEnabled();
    case Property::kText:
      if (control == Control::MainWindow) {
        return FromQString(widget->windowTitle());
      } else if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return FromQString(label->text());
      } else if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
        return FromQString(button->text());
      } else if (const auto* field = qobject_cast<const QLineEdit*>(widget)) {
        return FromQString(field->text());
      }
      return AnsiText();
    case Property::kAddress:
      if (const auto* view = dynamic_cast<const HtmlView*>(widget)) {
        return view->Address();
      }
      return AnsiText();
  }
  return 0;
}

void QtToolkit::SetFocus(Control control) {
  if (QWidget* widget = Widget(control)) widget->setFocus(Qt::OtherFocusReason);
}

void QtToolkit::RegisterExitHook(void (*hook)()) {
  if (hook != nullptr) exitHooks_.push_back(hook);
}

void QtToolkit::RunMessageLoop() {
  if (window_ && !window_->isHidden()) QApplication::exec();
  deliveringEvents_ = false;
  DestroyWindow();
}

void QtToolkit::BeginWait() { busy_.Begin(); }

void QtToolkit::EndWait() { busy_.End(); }

void QtToolkit::EndProgram(int exitCode) {
  deliveringEvents_ = false;
  DestroyWindow();
  RunExitHooks();
  std::fflush(nullptr);
  // Returning into the event that asked for the end would run Qt and the web
  // engine on with their window gone; nothing is left to tear down.
  _exit(exitCode);
}

int QtToolkit::Finish(int exitCode) {
  deliveringEvents_ = false;
  DestroyWindow();
  profile_.reset();
  RunExitHooks();
  return exitCode;
}

void QtToolkit::DestroyWindow() {
  if (!window_) return;
  window_->hide();
  // Views first: their pages must go before the profile they belong to.
  for (auto& [control, widget] : widgets_) {
    if (dynamic_cast<HtmlView*>(widget.data()) != nullptr) delete widget.data();
  }
  delete window_.data();
  widgets_.clear();
}

void QtToolkit::RunExitHooks() {
  if (exitHooksRun_) return;
  exitHooksRun_ = true;
  for (void (*hook)() : exitHooks_) hook();
}

}  // namespace modian
