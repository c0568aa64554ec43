#pragma once
#include "core/decimal.h"

#include <optional>
#include <string>
#include <string_view>

namespace zt {

// The Earth time of a game: its exact value and the text the player sees. A new game
// shows "2300.00"; after any change the text is the shortest decimal of the new value.
// A saved game stores the text, so a loaded game shows exactly what was saved.
class EarthTime {
  public:
    EarthTime() = default;
    static EarthTime atStart() { return EarthTime(Decimal::whole(2300), "2300.00"); }

    // A stored text; nothing when it does not read as a number.
    static std::optional<EarthTime> fromText(std::string_view text);

    const std::string& text() const { return text_; }
    const Decimal& value() const { return value_; }

    EarthTime plus(const Decimal& years) const;
    bool isAfterYear(int year) const { return value_ > Decimal::whole(year); }

    bool operator==(const EarthTime&) const = default;

  private:
    EarthTime(Decimal value, std::string text) : value_(value), text_(std::move(text)) {}
    Decimal value_;
    std::string text_ = "0";
};

} // namespace zt
