// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "display/picturearea.h"
#include "display/windowinstance.h"
#include "lab/labstate.h"
#include "lab/labwindow.h"
#include "shell/circuitlaunchers.h"
#include "support/scripteddialogs.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <vector>

namespace kel::testing
{

// A fresh lab window and lab state for every test, with the dialogs scripted.
class LabTest : public ::testing::Test
{
protected:
    using Window = display::WindowInstance<lab::LabWindow>;

    void SetUp() override
    {
        Window::destroy();
        lab::labState() = lab::LabState{};
    }
    void TearDown() override { Window::destroy(); }

    lab::LabWindow &window() { return Window::get(); }
    void launch(int command) { shell::launchCircuit(command); }

    QLineEdit *edit(const char *name)
    {
        auto *w = window().findChild<QLineEdit *>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QString text(const char *name) { return edit(name)->text(); }
    void type(const char *name, const QString &text) { edit(name)->setText(text); }
    QCheckBox *box(const char *name)
    {
        auto *w = window().findChild<QCheckBox *>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void command(const char *name)
    {
        auto *a = window().findChild<QAction *>(name);
        ASSERT_NE(a, nullptr) << name;
        a->trigger();
    }
    bool shown(const char *name)
    {
        auto *w = window().findChild<QWidget *>(name);
        EXPECT_NE(w, nullptr) << name;
        return w && !w->isHidden();
    }

    const std::vector<display::DrawOp> &ops() { return window().graphArea()->operations(); }
    std::vector<display::DrawOp> opsOf(display::DrawOp::Kind kind)
    {
        std::vector<display::DrawOp> result;
        for (const auto &op : ops())
            if (op.kind == kind)
                result.push_back(op);
        return result;
    }

    ScriptedDialogs dialogs;
};

} // namespace kel::testing
