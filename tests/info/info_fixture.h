#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "res/pictures/built_in_pictures.h"
#include "ui/application.h"
#include "ui/cp1252.h"
#include "ui/dialog.h"
#include "ui/picture_source.h"
#include "ui/testing/scripted_screen.h"

// The information dialogs run on a scripted screen, with the program's title
// and its built-in pictures, as the program runs them.
class InfoDialogTest : public ::testing::Test {
  protected:
    InfoDialogTest() {
        app.setTitle("navisift");
        res::installBuiltInPictures();
    }
    ~InfoDialogTest() override { ui::setPictureSource(nullptr); }

    // Where a control of the active dialog, or a rectangle of its template, shows.
    ui::Rect onScreen(int controlId) const {
        const ui::Dialog* dialog = screen.topDialog();
        const ui::Rect client = dialog->clientRect();
        return dialog->control(controlId)->rect().translated(client.x, client.y);
    }
    ui::Rect onScreen(ui::units::UnitRect templateRect) const {
        const ui::Rect client = screen.topDialog()->clientRect();
        return ui::units::toCells(templateRect).translated(client.x, client.y);
    }
    // The rows of the last frame inside an area, as UTF-8 text without trailing spaces.
    std::vector<std::string> textIn(ui::Rect area) const {
        std::vector<std::string> rows;
        for (int y = area.y; y < area.bottom(); ++y) {
            std::u32string row;
            for (int x = area.x; x < area.right(); ++x) {
                row.push_back(screen.lastFrame().canvas.at({x, y}).ch);
            }
            while (!row.empty() && row.back() == U' ')
                row.pop_back();
            rows.push_back(ui::cp1252::toUtf8(row));
        }
        return rows;
    }

    ui::ScriptedScreen screen;
    ui::Application app{screen};
};
