// Tokens derived from simulated time, tokens set by the scenario, and event effects.
#include "aircraft.h"

#include "elevator_trim_position.h"

Aircraft::Aircraft(const SimClock& clock) : clock_(clock) {}

void Aircraft::set(uint32_t token, double value) {
    if (set_trim_token(trims_, token, value)) return;
    if (set_elevator_trim_position_token(trims_, token, value)) return;
    if (token == TOKEN_COM_FREQUENCY) {  // a word, not a number; one that fits no word is ignored
        if (value >= 0.0 && value <= 4294967295.0) com_radio_.set_word(uint32_t(value));
        return;
    }
    if (air_data_.set(token, value)) return;
    tokens_[token] = number_value(value);
}

void Aircraft::set_word(uint32_t token, uint32_t word) {
    if (token == TOKEN_COM_FREQUENCY) return com_radio_.set_word(word);
    VAR_VALUE value{};
    value.d = word;
    tokens_[token] = value;
}

void Aircraft::set_time_of_day(int hours, int minutes, int seconds) {
    time_of_day_at_start_s_ = hours * 3600 + minutes * 60 + seconds;
}

VAR_VALUE Aircraft::read(uint32_t token) const {
    int64_t now_ms = clock_.now_ms();
    int64_t time_of_day_s = (time_of_day_at_start_s_ + now_ms / 1000) % 86400;
    switch (token) {
        case TOKEN_TICK18: return number_value(double(now_ms * 18 / 1000));
        case TOKEN_CLOCK_HOUR: return number_value(double(time_of_day_s / 3600));
        case TOKEN_CLOCK_MINUTE: return number_value(double(time_of_day_s / 60 % 60));
        case TOKEN_CLOCK_SECOND: return number_value(double(time_of_day_s % 60));
        default: break;
    }
    if (auto com = com_radio_.read(token)) return *com;
    if (auto air = air_data_.read(token)) return *air;
    if (auto trim = read_trim_token(trims_, token)) return *trim;
    if (auto trim = read_elevator_trim_position(trims_, token)) return *trim;
    auto found = tokens_.find(token);
    return found != tokens_.end() ? found->second : VAR_VALUE{};
}

void Aircraft::perform(uint32_t event_id, uint32_t value) {
    if (perform_trim_event(trims_, event_id)) return;
    if (perform_elevator_trim_position_event(trims_, event_id, value)) return;
    if (com_radio_.perform(event_id, value)) return;
    if (air_data_.perform(event_id)) return;
    // Each group of events has its handler in a file of its own under host/sim/, called
    // from here; an event no handler knows changes nothing (the panel records it anyway).
}
