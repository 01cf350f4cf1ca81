#include "platform/paint_memo.h"

#include <array>
#include <cstring>

namespace kiv::detail {

namespace {

using Op = PictureBox::DrawOp;

constexpr std::size_t kRemembered = 64;
constexpr std::size_t kLongestDrawing = 256;  // longer drawings are painted, not remembered

struct Remembered {
  std::uint64_t hash = 0;
  bool used = false;
  PictureBox::PaintInputs inputs;
  float width = 0, height = 0;
  int drawnW = 0, drawnH = 0;
  std::vector<Op> before;
  PaintResult after;
};

struct Memo {
  std::array<Remembered, kRemembered> slots;
  std::size_t next = 0;
  Remembered pending;
  std::uint64_t pendingToken = 0, lastToken = 0;
};

// One per thread: the elements of a dock live on its user-interface thread.
Memo& memo() {
  thread_local Memo m;
  return m;
}

// Floats are compared by their bits, so that 0 and -0 stay apart.
std::uint32_t bitsOf(float f) {
  std::uint32_t u = 0;
  std::memcpy(&u, &f, sizeof u);
  return u;
}

bool sameOp(const Op& a, const Op& b) {
  return bitsOf(a.x1) == bitsOf(b.x1) && bitsOf(a.y1) == bitsOf(b.y1) &&
         bitsOf(a.x2) == bitsOf(b.x2) && bitsOf(a.y2) == bitsOf(b.y2) && a.color == b.color &&
         a.clipWidthPx == b.clipWidthPx && a.clipHeightPx == b.clipHeightPx && a.left == b.left &&
         a.top == b.top && a.right == b.right && a.bottom == b.bottom && a.filledBox == b.filledBox;
}

class Hash {
 public:
  void add(std::uint64_t v) {
    h_ ^= v;
    h_ *= 0x100000001b3ull;
    h_ ^= h_ >> 29;
  }
  std::uint64_t value() const { return h_; }

 private:
  std::uint64_t h_ = 0xcbf29ce484222325ull;
};

std::uint64_t hashOf(const PaintStart& s) {
  Hash h;
  h.add(s.inputs.first);
  h.add(s.inputs.second);
  h.add(std::uint64_t{bitsOf(s.width)} << 32 | bitsOf(s.height));
  h.add(static_cast<std::uint64_t>(static_cast<std::uint32_t>(s.drawnW)) << 32 |
        static_cast<std::uint32_t>(s.drawnH));
  for (const Op& op : *s.drawing) {
    h.add(std::uint64_t{bitsOf(op.x1)} << 32 | bitsOf(op.x2));
    h.add(std::uint64_t{bitsOf(op.y1)} << 32 | bitsOf(op.y2));
    h.add(static_cast<std::uint64_t>(static_cast<std::uint32_t>(op.color)) << 32 |
          static_cast<std::uint32_t>(op.left) << 16 | static_cast<std::uint16_t>(op.right));
  }
  return h.value();
}

bool startsAt(const Remembered& r, const PaintStart& s) {
  if (!(r.inputs == s.inputs) || bitsOf(r.width) != bitsOf(s.width) ||
      bitsOf(r.height) != bitsOf(s.height) || r.drawnW != s.drawnW || r.drawnH != s.drawnH ||
      r.before.size() != s.drawing->size()) {
    return false;
  }
  for (std::size_t i = 0; i < r.before.size(); ++i) {
    if (!sameOp(r.before[i], (*s.drawing)[i])) return false;
  }
  return true;
}

}  // namespace

const PaintResult* rememberedPaint(const PaintStart& start) {
  if (start.drawing->size() > kLongestDrawing) return nullptr;
  const std::uint64_t hash = hashOf(start);
  for (const Remembered& r : memo().slots) {
    if (r.used && r.hash == hash && startsAt(r, start)) return &r.after;
  }
  return nullptr;
}

std::uint64_t beginPaint(const PaintStart& start) {
  if (start.drawing->size() > kLongestDrawing) return 0;
  Memo& m = memo();
  Remembered& p = m.pending;
  p.hash = hashOf(start);
  p.used = true;
  p.inputs = start.inputs;
  p.width = start.width;
  p.height = start.height;
  p.drawnW = start.drawnW;
  p.drawnH = start.drawnH;
  p.before.assign(start.drawing->begin(), start.drawing->end());
  m.pendingToken = ++m.lastToken;
  return m.pendingToken;
}

void keepPaint(std::uint64_t token, const std::vector<Op>& drawing, int drawnW, int drawnH,
               bool drew) {
  Memo& m = memo();
  if (token == 0 || token != m.pendingToken || drawing.size() > kLongestDrawing) return;
  m.pendingToken = 0;
  Remembered& slot = m.slots[m.next];
  m.next = (m.next + 1) % kRemembered;
  std::swap(slot, m.pending);
  slot.after.drawing.assign(drawing.begin(), drawing.end());
  slot.after.drawnW = drawnW;
  slot.after.drawnH = drawnH;
  slot.after.drew = drew;
}

}  // namespace kiv::detail
