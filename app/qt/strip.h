// A black bar holding a header's labels and close button.
#pragma once

#include <QWidget>

namespace modian {

class Strip : public QWidget {
 public:
  explicit Strip(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace modian
