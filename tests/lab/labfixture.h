// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "display/picturearea.h"
#include "lab/core/circuitlaunchers.h"
#include "lab/labwindow.h"
#include "support/scripteddialogs.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace kel::testing
{

// A fresh lab window for every test, with the dialogs scripted.
class LabTest : public ::testing::Test
{
protected:
    lab::LabWindow &window()
    {
        if (!m_window)
            m_window = std::make_unique<lab::LabWindow>(dialogs);
        return *m_window;
    }
    const lab::LabSession &session() { return window().session(); }
    // What the main menu's button `Command<command>` does to the lab window.
    void launch(int command)
    {
        const lab::CircuitConfiguration *configuration = lab::launcherConfiguration(command);
        ASSERT_NE(configuration, nullptr) << command;
        window().applyConfiguration(*configuration);
    }
    void setScale(double x1, double x2, double y1, double y2)
    {
        window().setGraphScale({x1, x2, y1, y2});
    }

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

private:
    std::unique_ptr<lab::LabWindow> m_window;
};

} // namespace kel::testing
