#include "ui/toolkit/timer.h"

#include <utility>

namespace qm::ui {

Timer::Timer(Form& form, std::string name, int intervalMs) : Component(&form, std::move(name)), interval_(intervalMs) {}

void Timer::setInterval(int ms)
{
    if (ms == interval_) {
        return;
    }
    interval_ = ms;
    changed(Change::Timer);
}

void Timer::setEnabled(bool enabled)
{
    if (enabled == enabled_) {
        return;
    }
    enabled_ = enabled;
    changed(Change::Timer);
}

void Timer::tick()
{
    if (enabled_ && onTimer) {
        onTimer();
    }
}

}  // namespace qm::ui
