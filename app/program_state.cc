#include "app/program_state.h"

namespace modian {

std::optional<AnsiText> StrokeQueryUrl;
std::optional<AnsiText> StrokeImageUrl;

}  // namespace modian
