// The real window on Qt: geometry, stacking, visibility, focus, the edit
// field, dragging, keys, and what the views are given.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QTest>
#include <QWebEngineView>
#include <memory>

#include "app/handlers.h"
#include "app/qt/edit_field.h"
#include "app/qt/html_view.h"
#include "app/qt/qt_toolkit.h"
#include "app/qt/text_bridge.h"
#include "app/window_definition.h"
#include "text/gbk.h"

namespace modian::test {
namespace {

using enum Control;

class QtWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    InstallToolkit(&toolkit_);
    toolkit_.LoadWindow(MainWindowDefinition());
    ASSERT_NE(Window(), nullptr);
  }
  void TearDown() override { InstallToolkit(nullptr); }

  QWidget* Window() const { return toolkit_.Widget(MainWindow); }
  QWidget* Widget(Control control) const { return toolkit_.Widget(control); }
  HtmlView* View(Control control) const {
    return dynamic_cast<HtmlView*>(toolkit_.Widget(control));
  }
  QLineEdit* Field() const { return qobject_cast<QLineEdit*>(Widget(编辑框1)); }
  void Click(Control button) {
    QTest::mouseClick(Widget(button), Qt::LeftButton, {},
                      Widget(button)->rect().center());
  }

  QtToolkit toolkit_;
};

TEST_F(QtWindowTest, FramelessCompactAtCentredCreationCorner) {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  QWidget* window = Window();
  EXPECT_EQ(window->pos(), QPoint(screen.x() + (screen.width() - 697) / 2,
                                  screen.y() + (screen.height() - 242) / 2));
  EXPECT_EQ(window->size(), QSize(145, 210));
  EXPECT_EQ(window->windowTitle(), QStringLiteral("墨点"));
  EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_TRUE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(window->minimumSize(), window->maximumSize());
  EXPECT_TRUE(window->isVisible());
}

TEST_F(QtWindowTest, ChildrenStackedAsDefinedWithTheirGeometry) {
  const WindowDefinition& definition = MainWindowDefinition();
  for (const ControlDefinition& row : definition.controls) {
    SCOPED_TRACE(ControlName(row.name));
    QWidget* widget = Widget(row.name);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->parentWidget(), Widget(row.parent));
    EXPECT_TRUE(widget->isVisible());
    EXPECT_TRUE(widget->isEnabled());
    if (row.name != 超文本浏览框1) {
      EXPECT_EQ(widget->geometry(),
                QRect(row.left, row.top, row.width, row.height));
    }
  }
  // Qt keeps siblings bottom first.
  std::vector<QString> bottomFirst;
  for (QObject* child : Window()->children()) {
    if (auto* widget = qobject_cast<QWidget*>(child)) {
      bottomFirst.push_back(widget->objectName());
    }
  }
  const std::vector<QString> want = {
      "按钮3", "编辑框1", "按钮1", "按钮2", "外形框1", "超文本浏览框1",
      "超文本浏览框2", "外形框2", "外形框3", "超文本浏览框3", "外形框4"};
  EXPECT_EQ(bottomFirst, want);
  std::vector<QString> titleBottomFirst;
  for (QObject* child : Widget(外形框1)->children()) {
    if (auto* widget = qobject_cast<QWidget*>(child)) {
      titleBottomFirst.push_back(widget->objectName());
    }
  }
  EXPECT_EQ(titleBottomFirst, (std::vector<QString>{"透明标签1", "透明标签2"}));
}

TEST_F(QtWindowTest, FirstShownWithViewOutsideAndFocusInField) {
  EXPECT_EQ(Widget(超文本浏览框1)->geometry(), QRect(184, 168, 137, 180));
  EXPECT_EQ(Window()->focusWidget(), Widget(编辑框1));
  EXPECT_EQ(Field()->text(), QStringLiteral("春"));
  EXPECT_EQ(Field()->cursorPosition(), 0);
  EXPECT_TRUE(Field()->font().bold());
  EXPECT_EQ(Field()->font().pixelSize(), 96);
  EXPECT_EQ(Field()->font().families().value(0), QStringLiteral("楷体"));
}

TEST_F(QtWindowTest, FieldRefusesSecondCharacterAndReplacesSelection) {
  QLineEdit* field = Field();
  field->setFocus();
  QTest::keyClicks(field, "x");
  EXPECT_EQ(field->text(), QStringLiteral("春"));
  field->setCursorPosition(1);
  QTest::keyClicks(field, "y");
  EXPECT_EQ(field->text(), QStringLiteral("春"));
  field->selectAll();
  QTest::keyClicks(field, "a");
  EXPECT_EQ(field->text(), QStringLiteral("a"));
  EXPECT_EQ(GetText(编辑框1, Property::kText), "a");
}

TEST(OneCharacterValidatorTest, AcceptsAtMostOneCharacter) {
  struct Case {
    QString input;
    QValidator::State want;
  };
  const Case cases[] = {
      {"", QValidator::Acceptable},
      {"春", QValidator::Acceptable},
      {"a", QValidator::Acceptable},
      {QString::fromUtf8("𠀀"), QValidator::Acceptable},  // two UTF-16 units
      {"春a", QValidator::Invalid},
      {"ab", QValidator::Invalid},
      {QString::fromUtf8("𠀀a"), QValidator::Invalid},
      {QString(QChar(0xD840)) + QChar(0xD840), QValidator::Invalid},
  };
  OneCharacterValidator validator;
  for (const Case& c : cases) {
    QString input = c.input;
    int position = 0;
    EXPECT_EQ(validator.validate(input, position), c.want)
        << c.input.toStdString();
  }
}

TEST_F(QtWindowTest, ButtonsOpenPanelsWithTheirAddresses) {
  struct Case {
    Control button;
    QSize window;
    Control view;
    const char* address;
  };
  const Case cases[] = {
      {按钮3, {610, 420}, 超文本浏览框3,
       "https://127.0.0.1:9/ZdSearch.asp?Query=%B4%BA"
       "&Submit=%D7%D6%B5%E4%B2%E9%D1%AF&Search=SWord"},
      {按钮2, {500, 520}, 超文本浏览框1,
       "https://127.0.0.1:9/Files/WordSwf/%E6%98%A5.swf"},
      {按钮1, {305, 335}, 超文本浏览框2, "http.gif"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ControlName(c.button));
    Click(c.button);
    EXPECT_EQ(Window()->size(), c.window);
    EXPECT_EQ(View(c.view)->Address(), c.address);
    EXPECT_EQ(GetText(c.view, Property::kAddress), c.address);
    EXPECT_TRUE(View(c.view)->isVisible());
  }
  EXPECT_FALSE(Widget(超文本浏览框2)->isEnabled());
  EXPECT_EQ(Widget(超文本浏览框2)->geometry(), QRect(-10, 15, 1200, 1200));
  EXPECT_EQ(qobject_cast<QLabel*>(Widget(透明标签3))->text(),
            QStringLiteral("【春】字的笔顺"));
  Click(超级按钮4);
  EXPECT_EQ(Window()->size(), QSize(145, 210));
  EXPECT_FALSE(Widget(超文本浏览框2)->isVisible());
  EXPECT_TRUE(Widget(超文本浏览框1)->isVisible());  // left by the picture panel
  EXPECT_EQ(Widget(超文本浏览框1)->geometry(), QRect(-5, -5, 137, 180));
}

TEST_F(QtWindowTest, EngineViewsAreMadeOnFirstAddressAndFillTheirView) {
  for (Control view : {超文本浏览框1, 超文本浏览框2, 超文本浏览框3}) {
    EXPECT_EQ(View(view)->Engine(), nullptr) << ControlName(view);
  }
  Click(按钮3);
  QWebEngineView* engine = View(超文本浏览框3)->Engine();
  ASSERT_NE(engine, nullptr);
  EXPECT_EQ(engine->geometry(), QRect(0, 0, 840, 500));
  EXPECT_TRUE(engine->isVisible());
  EXPECT_EQ(View(超文本浏览框1)->Engine(), nullptr);
  Click(超级按钮1);
  Click(按钮1);
  ASSERT_NE(View(超文本浏览框2)->Engine(), nullptr);
  EXPECT_FALSE(View(超文本浏览框2)->Engine()->isEnabled());
  EXPECT_EQ(View(超文本浏览框2)->Engine()->size(), QSize(1200, 1200));
}

TEST_F(QtWindowTest, LateReportsOfProgramSizesDoNotRerunSizeRule) {
  Click(按钮2);
  ASSERT_EQ(Widget(超文本浏览框1)->size(), QSize(510, 530));
  for (QSize reported : {QSize(500, 210), QSize(500, 520)}) {
    QResizeEvent late(reported, QSize(145, 210));
    QCoreApplication::sendEvent(Window(), &late);
  }
  EXPECT_EQ(Widget(超文本浏览框1)->size(), QSize(510, 530));
  // A size the program did not make does run it.
  Window()->setFixedSize(400, 300);
  EXPECT_EQ(Widget(超文本浏览框1)->size(), QSize(392, 270));
}

TEST_F(QtWindowTest, MinimiseAndRestoreRunSizeRule) {
  Click(按钮2);
  ASSERT_EQ(Widget(超文本浏览框1)->size(), QSize(510, 530));
  Window()->setWindowState(Qt::WindowMinimized);
  Window()->setWindowState(Qt::WindowNoState);
  EXPECT_EQ(Widget(超文本浏览框1)->size(), QSize(492, 490));
}

TEST_F(QtWindowTest, EscapeClosesTheWindowAndStopsEvents) {
  QTest::keyClick(Field(), Qt::Key_Escape);
  EXPECT_FALSE(Window()->isVisible());
  Click(按钮3);
  EXPECT_EQ(View(超文本浏览框3)->Address(), "");
}

TEST_F(QtWindowTest, DragsByStripAndSurfaceButNotByLabelsButtonsOrViews) {
  struct Case {
    Control pressed;
    QPoint at;  // in the pressed control
    bool moves;
  };
  Click(按钮1);  // 超文本浏览框2 is now disabled, over the compact content
  Click(超级按钮4);
  const Case cases[] = {
      {外形框1, {80, 15}, true},      {MainWindow, {140, 100}, true},
      {透明标签1, {10, 15}, false},
      {按钮3, {20, 16}, false},      {编辑框1, {60, 50}, false},
      {超文本浏览框1, {60, 60}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ControlName(c.pressed));
    QWidget* widget = Widget(c.pressed);
    const QPoint before = Window()->pos();
    QTest::mousePress(widget, Qt::LeftButton, {}, c.at);
    QMouseEvent move(QEvent::MouseMove, QPointF(c.at + QPoint(30, 20)),
                     QPointF(widget->mapToGlobal(c.at + QPoint(30, 20))),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, c.at + QPoint(30, 20));
    EXPECT_EQ(Window()->pos() != before, c.moves);
  }
}

TEST(NavigableUrlTest, OnlyHttpAndHttpsAddressesAreNavigated) {
  struct Case {
    const char* address;
    const char* want;
  };
  const Case cases[] = {
      {"", "about:blank"},
      {"http.gif", "about:blank"},
      {"file:///etc/passwd", "about:blank"},
      {"javascript:alert(1)", "about:blank"},
      {"httpx://h/p.gif", "about:blank"},
      {"http://", "about:blank"},
      {"http://h.test/p.gif", "http://h.test/p.gif"},
      {"https://h.test:8080/a/%E6%98%A5.swf", "https://h.test:8080/a/%E6%98%A5.swf"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NavigableUrl(c.address).toEncoded().toStdString(), c.want)
        << c.address;
  }
}

TEST(RedirectPageTest, ScriptCarriesAddressWithoutBreakingOut) {
  const QString page =
      RedirectPage("http://h.test/?q=%61\"</script><b>&x=\\");
  EXPECT_TRUE(page.contains(
      "location.replace(\"http://h.test/?q=%61\\u0022\\u003c/script\\u003e"
      "\\u003cb\\u003e&x=\\u005c\")"))
      << page.toStdString();
}

}  // namespace
}  // namespace modian::test
