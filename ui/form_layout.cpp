#include "ui/form_layout.h"

namespace lumivane {

const ControlSpec& ControlSpecOf(ControlId id) {
    for (const ControlSpec& control : kControls) {
        if (control.id == id) return control;
    }
    return kControls[0];  // not reached: every ControlId is in the table
}

int ClientLeftTwips(const ControlSpec& control) {
    int left = control.left;
    for (int container = control.container; container != kForm1;) {
        const ControlSpec& frame = ControlSpecOf(static_cast<ControlId>(container));
        left += frame.left;
        container = frame.container;
    }
    return left;
}

int ClientTopTwips(const ControlSpec& control) {
    int top = control.top;
    for (int container = control.container; container != kForm1;) {
        const ControlSpec& frame = ControlSpecOf(static_cast<ControlId>(container));
        top += frame.top;
        container = frame.container;
    }
    return top;
}

}  // namespace lumivane
