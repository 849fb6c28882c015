#include "ui/toolkit/range_controls.h"

#include <algorithm>
#include <utility>

namespace qm::ui {

TrackBar::TrackBar(Form& form, std::string name) : Control(&form, ControlKind::TrackBar, std::move(name))
{
    setBounds(0, 0, 150, 45);
}

void TrackBar::setRange(int min, int max)
{
    min_ = min;
    max_ = std::max(min, max);
    changed(Change::Range);
    setPosition(position_);
}

void TrackBar::setFrequency(int frequency)
{
    frequency_ = std::max(1, frequency);
    changed(Change::Range);
}

void TrackBar::setPosition(int position)
{
    position = std::clamp(position, min_, max_);
    if (position == position_) {
        return;
    }
    position_ = position;
    changed(Change::Position);
}

void TrackBar::userSetPosition(int position)
{
    if (!takesInput()) {
        return;
    }
    const int before = position_;
    setPosition(position);
    if (position_ != before && onChange) {
        onChange();
    }
}

ProgressBar::ProgressBar(Form& form, std::string name) : Control(&form, ControlKind::ProgressBar, std::move(name))
{
    setBounds(0, 0, 150, 16);
}

void ProgressBar::setRange(int min, int max)
{
    min_ = min;
    max_ = std::max(min, max);
    changed(Change::Range);
    setPosition(position_);
}

void ProgressBar::setPosition(int position)
{
    position = std::clamp(position, min_, max_);
    if (position == position_) {
        return;
    }
    position_ = position;
    changed(Change::Position);
}

StatusBar::StatusBar(Form& form, std::string name) : Control(&form, ControlKind::StatusBar, std::move(name))
{
    setBounds(0, 0, 100, 19);
}

}  // namespace qm::ui
