// The one-character edit field.
#pragma once

#include <QLineEdit>
#include <QValidator>

namespace modian {

// Accepts at most one character. A character outside the Basic Multilingual
// Plane is two UTF-16 units in Qt and still counts as one, and is never cut
// in half.
class OneCharacterValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& position) const override;
};

// Large, bold Kai characters, centred; the selection shows only while the
// field has the focus.
QLineEdit* CreateEditField(QWidget* parent);

}  // namespace modian
