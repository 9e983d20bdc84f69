#pragma once

#include <string>

class QLineEdit;

// One direction of copying between a dialog's controls and its members.
class DataExchange {
public:
    explicit DataExchange(bool takeIn) : takeIn_(takeIn) {}

    bool takesIn() const { return takeIn_; }

    // Whole text, no validation, no length limit beyond the control's own.
    void text(QLineEdit& control, std::u16string& member) const;

private:
    bool takeIn_;
};
