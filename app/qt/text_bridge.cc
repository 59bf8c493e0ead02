#include "app/qt/text_bridge.h"

#include <QByteArray>

#include "text/code_page.h"

namespace modian {

QString ToQString(std::string_view gbk) {
  const AnsiText utf8 = AnsiToUtf8(gbk);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

AnsiText FromQString(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  return Utf8ToAnsi(std::string_view(utf8.constData(),
                                     static_cast<std::size_t>(utf8.size())));
}

}  // namespace modian
