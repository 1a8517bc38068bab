// The state changes of a control that may fade instead of switching at once,
// and the per-control set of them.
#pragma once

#include <cstdint>
#include <initializer_list>

namespace au {

enum TacAnimatEvent : std::uint8_t {
  aeMouseEnter = 0,
  aeMouseLeave = 1,
  aeMouseDown = 2,
  aeMouseUp = 3,
  // In a control's set: the events of the process-wide default set fade too.
  aeGlobalDef = 4,
};

// A set of events in one byte: event n is bit n.
class TacAnimatEvents {
 public:
  constexpr TacAnimatEvents() = default;
  constexpr TacAnimatEvents(std::initializer_list<TacAnimatEvent> events) {
    for (const TacAnimatEvent event : events) bits_ |= Bit(event);
  }

  constexpr bool Contains(TacAnimatEvent event) const { return (bits_ & Bit(event)) != 0; }
  constexpr std::uint8_t Bits() const { return bits_; }
  friend constexpr bool operator==(TacAnimatEvents, TacAnimatEvents) = default;

 private:
  static constexpr std::uint8_t Bit(TacAnimatEvent event) {
    return static_cast<std::uint8_t>(1u << event);
  }

  std::uint8_t bits_ = 0;
};

}  // namespace au
