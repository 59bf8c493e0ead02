// GBK texts across the edge to Qt, which holds text as UTF-16.
#pragma once

#include <QString>
#include <string_view>

#include "text/types.h"

namespace modian {

QString ToQString(std::string_view gbk);
AnsiText FromQString(const QString& text);

}  // namespace modian
