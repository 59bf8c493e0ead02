// For tests and benchmarks: a line on standard output once the window has
// first been painted, when MODIAN_REPORT_FIRST_SHOW is set to anything but
// the empty text:
//
//   modian-first-show x=611 y=419 width=145 height=210
#pragma once

class QWidget;

namespace modian {

void ReportFirstShowIfAsked(QWidget& window);

}  // namespace modian
