#include "text/iconv_convert.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <memory>

#include "text/utf8_sequence.h"

namespace modian {
namespace {

const char* IconvName(Encoding encoding) {
  switch (encoding) {
    case Encoding::kGbk:
      return "CP936";
    case Encoding::kUtf8:
      return "UTF-8";
    case Encoding::kUtf16Le:
      return "UTF-16LE";
  }
  return "UTF-8";
}

std::string_view Replacement(Encoding encoding) {
  using namespace std::string_view_literals;
  return encoding == Encoding::kUtf16Le ? "?\0"sv : "?"sv;
}

// An output size that is enough for nearly every input, so the happy path
// needs one buffer; the conversion grows it when it is not.
std::size_t FirstCapacity(std::size_t inputSize, Encoding to) {
  if (to == Encoding::kUtf16Le) return 2 * inputSize + 8;
  if (to == Encoding::kUtf8) return inputSize + inputSize / 2 + 8;
  return inputSize + 8;
}

std::size_t Gbk2ByteLength(std::string_view bytes) {
  const auto lead = static_cast<unsigned char>(bytes[0]);
  if (lead < 0x81 || lead > 0xFE || bytes.size() < 2) return 1;
  const auto trail = static_cast<unsigned char>(bytes[1]);
  const bool validTrail =
      (trail >= 0x40 && trail <= 0x7E) || (trail >= 0x80 && trail <= 0xFE);
  return validTrail ? 2 : 1;
}

std::size_t Utf16LeLength(std::string_view bytes) {
  if (bytes.size() < 2) return bytes.size();
  const auto unitAt = [&](std::size_t i) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[i]) |
                                      static_cast<unsigned char>(bytes[i + 1])
                                          << 8);
  };
  const auto first = unitAt(0);
  if (first >= 0xD800 && first <= 0xDBFF && bytes.size() >= 4) {
    const auto second = unitAt(2);
    if (second >= 0xDC00 && second <= 0xDFFF) return 4;
  }
  return 2;
}

// How many input bytes one "?" stands for when iconv stops at `rest`: a whole
// character the target lacks, or the bad part of an invalid sequence.
std::size_t BadRunLength(std::string_view rest, Encoding from) {
  switch (from) {
    case Encoding::kGbk:
      return Gbk2ByteLength(rest);
    case Encoding::kUtf8:
      return Utf8SequenceLength(rest);
    case Encoding::kUtf16Le:
      return Utf16LeLength(rest);
  }
  return 1;
}

class IconvHandle {
 public:
  IconvHandle(Encoding from, Encoding to)
      : handle_(iconv_open(IconvName(to), IconvName(from))) {}
  ~IconvHandle() {
    if (valid()) iconv_close(handle_);
  }
  IconvHandle(const IconvHandle&) = delete;
  IconvHandle& operator=(const IconvHandle&) = delete;

  bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t get() const { return handle_; }

 private:
  iconv_t handle_;
};

constexpr int kEncodings = 3;

// Opening a converter costs far more than converting a short text, and the
// program converts many short texts, so each thread keeps its converters.
IconvHandle& ConverterFor(Encoding from, Encoding to) {
  thread_local std::unique_ptr<IconvHandle> handles[kEncodings][kEncodings];
  auto& handle = handles[static_cast<int>(from)][static_cast<int>(to)];
  if (!handle) handle = std::make_unique<IconvHandle>(from, to);
  if (handle->valid()) {
    iconv(handle->get(), nullptr, nullptr, nullptr, nullptr);
  }
  return *handle;
}

}  // namespace

std::string ConvertAll(std::string_view input, Encoding from, Encoding to) {
  if (input.empty()) return {};
  IconvHandle& converter = ConverterFor(from, to);
  if (!converter.valid()) return {};

  const auto replacement = Replacement(to);
  std::string output(FirstCapacity(input.size(), to), '\0');
  std::size_t written = 0;
  char* in = const_cast<char*>(input.data());
  std::size_t inLeft = input.size();

  const auto ensureRoom = [&](std::size_t needed) {
    if (output.size() - written < needed) {
      output.resize(std::max(2 * output.size(), written + needed));
    }
  };

  while (inLeft > 0) {
    char* out = output.data() + written;
    std::size_t outLeft = output.size() - written;
    const std::size_t result =
        iconv(converter.get(), &in, &inLeft, &out, &outLeft);
    written = output.size() - outLeft;
    if (result != static_cast<std::size_t>(-1)) break;
    if (errno == E2BIG) {
      ensureRoom(output.size() - written + 16);
      continue;
    }
    if (errno != EILSEQ && errno != EINVAL) break;
    // Text in the wrong code page is bad almost byte by byte, so a run of
    // bad UTF-8 is passed over here rather than by one iconv call each.
    do {
      ensureRoom(replacement.size());
      output.replace(written, replacement.size(), replacement);
      written += replacement.size();
      const auto skip = std::min(
          inLeft, std::max<std::size_t>(
                      1, BadRunLength(std::string_view(in, inLeft), from)));
      in += skip;
      inLeft -= skip;
    } while (from == Encoding::kUtf8 && inLeft > 0 &&
             !StartsWithWellFormedUtf8(std::string_view(in, inLeft)));
    iconv(converter.get(), nullptr, nullptr, nullptr, nullptr);
  }
  output.resize(written);
  return output;
}

}  // namespace modian
