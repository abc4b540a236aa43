// What all readers share: the block buffer with its look-behind, the end of
// input test and line assembly from slices of the buffer.
#include <cstring>

#include "formats/UniText.h"

namespace qv {

void TUnicodeInput::Refill() {
  // Keep the last bytes of the previous block in front of the new one, so a
  // step back over the character just read never leaves valid bytes.
  std::memcpy(buffer_.data(), buffer_.data() + kBlockSize, kLookBehind);
  pos_ = kLookBehind;
  const size_t read = stream_->Read(buffer_.data() + kLookBehind, kBlockSize);
  blockEnd_ = kLookBehind + read;
  drained_ = read == 0;
}

// A read that returns nothing ends the input even short of the size taken at
// open: another program may have shortened the file meanwhile.
bool TUnicodeInput::Eof() const {
  return blockEnd_ == kLookBehind && (drained_ || stream_->Position() == stream_->Size());
}

unsigned TUnicodeInput::UnitAt(size_t at, size_t unit) const {
  return unit == 1 ? buffer_[at] : buffer_[at] | (unsigned{buffer_[at + 1]} << 8);
}

int TUnicodeInput::PeekUnit(size_t unit) {
  if (pos_ + unit > blockEnd_) {
    Refill();
    if (pos_ + unit > blockEnd_) return -1;
  }
  return static_cast<int>(UnitAt(pos_, unit));
}

int TUnicodeInput::TakeUnit(size_t unit) {
  int c = PeekUnit(unit);
  if (c >= 0) pos_ += unit;
  return c;
}

bool TUnicodeInput::SkipBlanks() { return SkipBlankUnits(1); }

bool TUnicodeInput::SkipBlankUnits(size_t unit) {
  for (;;) {
    int c = PeekUnit(unit);
    if (c < 0) return true;
    if (c > 32) return false;
    pos_ += unit;
  }
}

void TUnicodeInput::ReadLineBytes(std::string& out, size_t unit) {
  auto bytesAt = [this](size_t at) { return reinterpret_cast<const char*>(buffer_.data() + at); };
  size_t start = pos_;
  for (;;) {
    if (pos_ + unit > blockEnd_) {
      out.append(bytesAt(start), pos_ - start);
      Refill();
      if (pos_ + unit > blockEnd_) return;
      start = pos_;
    }
    unsigned c = UnitAt(pos_, unit);
    pos_ += unit;
    if (c == 13 || c == 10) {
      out.append(bytesAt(start), pos_ - unit - start);
      // A CR takes a following LF with it, even from the next block; any
      // other character stays unread and starts the next line.
      if (c == 13 && PeekUnit(unit) == 10) pos_ += unit;
      return;
    }
  }
}

std::string TUnicodeInput::ReadRemainingBytes(size_t& buffered) {
  std::string out(reinterpret_cast<const char*>(buffer_.data() + pos_), blockEnd_ - pos_);
  buffered = out.size();
  const uint64_t size = stream_->Size(), position = stream_->Position();
  const uint64_t rest = size > position ? size - position : 0;
  out.resize(buffered + static_cast<size_t>(rest));
  out.resize(buffered + stream_->Read(out.data() + buffered, static_cast<size_t>(rest)));
  pos_ = blockEnd_;
  return out;
}

void TUnicodeInput::ReadLines(std::vector<std::string>& lines) {
  lines.clear();
  while (!Eof()) lines.push_back(ReadLineA());
}

}  // namespace qv
