#pragma once

// A listener on what the toolkit shows, for the scripted screen's records.
// Nothing in the toolkit depends on anyone listening.

namespace ui {

class Dialog;

class ToolkitObserver {
  public:
    virtual ~ToolkitObserver() = default;
    // A dialog (a message box included) has just come up.
    virtual void dialogShown(const Dialog&) {}
    // A progress bar has been painted and presented at a new position.
    virtual void progressPainted(const Dialog&, int /*controlId*/, int /*position*/) {}
};

ToolkitObserver* toolkitObserver();
void setToolkitObserver(ToolkitObserver* observer);

}  // namespace ui
