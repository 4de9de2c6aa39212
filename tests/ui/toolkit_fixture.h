#pragma once

#include <gtest/gtest.h>

#include "res/dialog_templates.h"
#include "ui/application.h"
#include "ui/dialog.h"
#include "ui/testing/scripted_screen.h"

// Every toolkit test runs with one scripted screen and one application object.
class ToolkitTest : public ::testing::Test {
  protected:
    ToolkitTest() { app.setTitle("navisift"); }

    ui::ScriptedScreen screen;
    ui::Application app{screen};
};

// A dialog of any template that records what reaches it.
class RecordingDialog : public ui::Dialog {
  public:
    explicit RecordingDialog(const ui::DialogTemplate& t, ui::Dialog* owner = nullptr)
        : ui::Dialog(t, owner) {}

    std::vector<std::string> heard;

  protected:
    bool onMessage(ui::Message& message) override {
        if (message.id == ui::WM_COMMAND)
            heard.push_back("command " + std::to_string(message.controlId) + " code " +
                            std::to_string(message.code));
        return false;
    }
};
