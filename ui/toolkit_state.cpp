// The few toolkit-wide settings: the look, the picture source, the observer
// and the system metrics.

#include "ui/look.h"
#include "ui/messages.h"
#include "ui/picture_source.h"
#include "ui/toolkit_observer.h"

namespace ui {

Look& look() {
    static Look current;
    return current;
}

namespace {

PictureSource*& installedSource() {
    static PictureSource* source = nullptr;
    return source;
}

ToolkitObserver*& installedObserver() {
    static ToolkitObserver* observer = nullptr;
    return observer;
}

}  // namespace

PictureSource& pictureSource() {
    static PictureSource placeholders;
    PictureSource* source = installedSource();
    return source ? *source : placeholders;
}

void setPictureSource(PictureSource* source) {
    installedSource() = source;
}

ToolkitObserver* toolkitObserver() {
    return installedObserver();
}
void setToolkitObserver(ToolkitObserver* observer) {
    installedObserver() = observer;
}

int getSystemMetrics(SystemMetric metric) {
    switch (metric) {
        case SM_CXICON:
        case SM_CYICON:
            return 32;
    }
    return 0;
}

}  // namespace ui
