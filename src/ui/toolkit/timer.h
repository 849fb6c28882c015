// A repeating timer whose ticks arrive through whatever message loop runs.
#pragma once

#include "ui/toolkit/component.h"

#include <functional>
#include <string>

namespace qm::ui {

class Timer : public Component {
public:
    Timer(Form& form, std::string name, int intervalMs = 1000);

    int interval() const { return interval_; }
    void setInterval(int ms);
    bool enabled() const { return enabled_; }
    // Enabling a running timer keeps its rhythm.
    void setEnabled(bool enabled);

    std::function<void()> onTimer;
    void tick();

private:
    int interval_;
    bool enabled_ = true;
};

}  // namespace qm::ui
