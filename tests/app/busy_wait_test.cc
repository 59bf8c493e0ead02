// The busy state of a handler that holds the thread: the cursor, and the
// input that queued up meanwhile.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>

#include "app/qt/busy_wait.h"

namespace modian {
namespace {

void PostClick(QPushButton& button) {
  const QPointF centre(button.width() / 2.0, button.height() / 2.0);
  const QPointF global = button.mapToGlobal(centre);
  for (const QEvent::Type type :
       {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QCoreApplication::postEvent(
        &button, new QMouseEvent(type, centre, global, Qt::LeftButton,
                                 type == QEvent::MouseButtonPress
                                     ? Qt::LeftButton
                                     : Qt::NoButton,
                                 Qt::NoModifier));
  }
}

void PostSpace(QPushButton& button) {
  for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
    QCoreApplication::postEvent(
        &button, new QKeyEvent(type, Qt::Key_Space, Qt::NoModifier, " "));
  }
}

class BusyWaitTest : public ::testing::Test {
 protected:
  void SetUp() override {
    button_.resize(80, 30);
    button_.show();
    button_.setFocus();
    QObject::connect(&button_, &QPushButton::clicked, [this] { ++clicks_; });
    QCoreApplication::processEvents();
  }

  QPushButton button_;
  int clicks_ = 0;
  BusyWait busy_;
};

TEST_F(BusyWaitTest, ShowsTheBusyCursorUntilTheEnd) {
  busy_.Begin();
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  busy_.End();
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(BusyWaitTest, InputGivenWhileBusyIsDropped) {
  busy_.Begin();
  PostClick(button_);
  PostSpace(button_);
  busy_.End();
  QCoreApplication::processEvents();
  EXPECT_EQ(clicks_, 0);
}

TEST_F(BusyWaitTest, InputAfterTheWaitArrives) {
  busy_.Begin();
  busy_.End();
  PostClick(button_);
  QCoreApplication::processEvents();
  EXPECT_EQ(clicks_, 1);
}

TEST_F(BusyWaitTest, NestedWaitsEndWithTheOutermost) {
  busy_.Begin();
  busy_.Begin();
  busy_.End();
  EXPECT_NE(QApplication::overrideCursor(), nullptr);
  busy_.End();
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace modian

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
