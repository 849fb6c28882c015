// Controls that show or pick a position in a range.
#pragma once

#include "ui/toolkit/control.h"

#include <functional>
#include <string>

namespace qm::ui {

class TrackBar : public Control {
public:
    TrackBar(Form& form, std::string name);

    int min() const { return min_; }
    int max() const { return max_; }
    void setRange(int min, int max);
    // Distance between tick marks.
    int frequency() const { return frequency_; }
    void setFrequency(int frequency);
    int position() const { return position_; }
    // Clamped into the range.
    void setPosition(int position);
    bool tabStop() const override { return true; }

    std::function<void()> onChange;
    void userSetPosition(int position);

private:
    int min_ = 0;
    int max_ = 10;
    int frequency_ = 1;
    int position_ = 0;
};

class ProgressBar : public Control {
public:
    ProgressBar(Form& form, std::string name);

    int min() const { return min_; }
    int max() const { return max_; }
    void setRange(int min, int max);
    int position() const { return position_; }
    // Clamped into the range.
    void setPosition(int position);

private:
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
};

// One line of plain text along the bottom of its parent.
class StatusBar : public Control {
public:
    StatusBar(Form& form, std::string name);
    const std::string& simpleText() const { return caption(); }
    void setSimpleText(std::string text) { setCaption(std::move(text)); }
};

}  // namespace qm::ui
