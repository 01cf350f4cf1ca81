// A label: a caption that sizes itself to its text, on a transparent background.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "kivdock/element.h"
#include "kivdock/export.h"

namespace kiv {

class KIVDOCK_EXPORT Label : public Element {
 public:
  enum Alignments : std::int32_t { kAlignLeft = 0, kAlignRight = 1, kAlignCenter = 2 };

  Label();
  const std::string& Caption() const { return caption_; }
  void setCaption(const std::string& text);  // the label takes the size of its text
  std::int32_t ForeColor() const { return foreColor_; }
  void setForeColor(std::int32_t color);
  const Font& font() const { return font_; }
  void setFont(const Font& f);
  std::int32_t Alignment() const { return alignment_; }
  void setAlignment(std::int32_t a);

 private:
  Label(const Label& other) = default;
  std::unique_ptr<Element> clone() const override;
  void fitText();

  std::string caption_;
  std::int32_t foreColor_ = 0;
  Font font_;
  std::int32_t alignment_ = kAlignLeft;
};

}  // namespace kiv
