#pragma once

#include "TempFolder.h"
#include "ui/ScriptedDialogService.h"

#include <QApplication>
#include <fstream>
#include <gtest/gtest.h>

// A fresh executable folder and the scripted dialog service for every window test; a dialog
// nobody expected fails the test.
class WindowTest : public ::testing::Test {
protected:
    WindowTest()
    {
        dialogs.OnUnexpected = [](const ui::ScriptedDialogService::Call& call) {
            ADD_FAILURE() << "unexpected dialog: " << call.kind.toStdString() << " " << call.text.toStdString();
        };
        ui::SetDialogs(&dialogs);
    }
    ~WindowTest() override { ui::SetDialogs(nullptr); }

    void WriteSettings(const std::string& text) { std::ofstream(folder.File("SYS"), std::ios::binary) << text; }

    TempFolder folder;
    ui::ScriptedDialogService dialogs;
};
