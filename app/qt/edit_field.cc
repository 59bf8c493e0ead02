#include "app/qt/edit_field.h"

#include <QFont>
#include <QPalette>

namespace modian {

QValidator::State OneCharacterValidator::validate(QString& input, int&) const {
  const qsizetype units = input.size();
  if (units <= 1) return Acceptable;
  if (units == 2 && input[0].isHighSurrogate() && input[1].isLowSurrogate()) {
    return Acceptable;
  }
  return Invalid;
}

QLineEdit* CreateEditField(QWidget* parent) {
  auto* field = new QLineEdit(parent);
  field->setValidator(new OneCharacterValidator(field));
  field->setMaxLength(2);
  field->setAlignment(Qt::AlignCenter);
  field->setFrame(true);

  QFont font;
  // "楷体" where the system has it; otherwise another Kai face.
  font.setFamilies({QStringLiteral("楷体"), QStringLiteral("KaiTi"),
                    QStringLiteral("SimKai"), QStringLiteral("AR PL UKai CN"),
                    QStringLiteral("AR PL KaitiM GB"),
                    QStringLiteral("AR PL UKai TW")});
  font.setPixelSize(96);
  font.setWeight(QFont::Bold);
  field->setFont(font);

  QPalette colours = field->palette();
  colours.setColor(QPalette::Base, Qt::white);
  colours.setColor(QPalette::Text, Qt::black);
  colours.setColor(QPalette::Inactive, QPalette::Highlight, Qt::white);
  colours.setColor(QPalette::Inactive, QPalette::HighlightedText, Qt::black);
  field->setPalette(colours);
  return field;
}

}  // namespace modian
