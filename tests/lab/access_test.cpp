// SPDX-License-Identifier: GPL-3.0-or-later
// The lab window by keyboard and screen reader: names, Tab order, the menu bar's spacers, the
// graph's cursor, legend and description.
#include "labfixture.h"

#include "display/qbcolor.h"
#include "lab/core/graphdescription.h"
#include "solutions/numbertext.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QMenuBar>
#include <QTest>

namespace kel::testing
{
namespace
{

using display::DrawOp;

class LabAccess : public LabTest
{
protected:
    display::PictureArea *graph() { return window().graphArea(); }
    void plotEverything()
    {
        for (const char *n : {"Charge", "Current", "Voltage"})
            box(n)->setChecked(true);
        command("PlGraphs");
        dialogs.clear();
    }
    QString description()
    {
        QAccessibleInterface *access = QAccessible::queryAccessibleInterface(graph());
        return access ? access->text(QAccessible::Description) : QString();
    }
    void press(Qt::Key key)
    {
        graph()->setFocus();
        QTest::keyClick(graph(), key);
    }
    // The place of a control in the client area.
    QRect placeOf(QWidget *w)
    {
        return QRect(w->mapTo(window().centralWidget(), QPoint(0, 0)), w->size());
    }
};

TEST_F(LabAccess, EveryFocusableControlHasAName)
{
    for (int command : {1, 5, 10, 13}) {
        launch(command);
        for (QWidget *w : window().findChildren<QWidget *>()) {
            if (!w->isVisibleTo(&window()) || !(w->focusPolicy() & Qt::TabFocus))
                continue;
            QAccessibleInterface *access = QAccessible::queryAccessibleInterface(w);
            ASSERT_NE(access, nullptr);
            EXPECT_FALSE(access->text(QAccessible::Name).trimmed().isEmpty())
                << command << " " << w->objectName().toStdString();
        }
    }
}

TEST_F(LabAccess, TabFollowsTheReadingOrder)
{
    launch(13);
    const auto order = lab::labKeyboardOrder();
    ASSERT_EQ(std::string(order.front().first), "Picture1");
    // Controls that never take the focus may lie between in the chain.
    const auto nextStop = [](QWidget *w) {
        do
            w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus));
        return w;
    };
    for (std::size_t n = 0; n + 1 < order.size(); ++n)
        EXPECT_EQ(nextStop(window().findChild<QWidget *>(order[n].first))->objectName(),
                  order[n + 1].first)
            << order[n].first;
    // After the graph, each control lies in the row of the one before and to its right, or in
    // a row below.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
    QWidget *previous = nullptr;
    for (std::size_t n = 1; n < order.size(); ++n) {
        QWidget *w = window().findChild<QWidget *>(order[n].first);
        if (!w->isVisibleTo(&window()))
            continue;
        if (previous) {
            const QRect a = placeOf(previous), b = placeOf(w);
            const bool sameRow =
                std::abs(a.center().y() - b.center().y()) < std::min(a.height(), b.height()) / 2;
            EXPECT_TRUE(sameRow ? b.left() > a.left() : b.center().y() > a.center().y())
                << previous->objectName().toStdString() << " then "
                << w->objectName().toStdString();
        }
        previous = w;
    }
    // The graph sits left of the column that follows it.
    EXPECT_LT(placeOf(graph()).right(), placeOf(box("Charge")).left());

    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    graph()->setFocus();
    QTest::keyClick(graph(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), box("Charge"));
    QTest::keyClick(box("Charge"), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), graph());
}

TEST_F(LabAccess, MenuBarSpacersAreNeitherItemsNorStops)
{
    launch(13);
    QMenuBar *bar = window().menuBar();
    QAccessibleInterface *access = QAccessible::queryAccessibleInterface(bar);
    ASSERT_NE(access, nullptr);
    int separators = 0;
    for (int i = 0; i < access->childCount(); ++i) {
        QAccessibleInterface *item = access->child(i);
        ASSERT_NE(item, nullptr);
        if (item->role() == QAccessible::Separator) {
            ++separators;
            EXPECT_TRUE(item->state().invisible);
            continue;
        }
        EXPECT_EQ(item->role(), QAccessible::MenuItem);
        EXPECT_FALSE(item->text(QAccessible::Name).trimmed().isEmpty()) << i;
    }
    EXPECT_EQ(separators, 6);
    for (const char *name : {"Blank1", "Blank2", "blank3", "blank4", "blank5", "blank6"}) {
        auto *spacer = window().findChild<QAction *>(name);
        ASSERT_NE(spacer, nullptr) << name;
        EXPECT_FALSE(spacer->isEnabled()) << name;
        EXPECT_GT(bar->actionGeometry(spacer).width(), 0) << name; // it keeps its room
    }

    // The arrow keys in the bar pass over them.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
    bar->setActiveAction(window().findChild<QAction *>("ClGraphs"));
    QStringList visited;
    for (int n = 0; n < 4; ++n) {
        QTest::keyClick(bar, Qt::Key_Right);
        if (bar->activeAction())
            visited << bar->activeAction()->objectName();
    }
    EXPECT_EQ(visited, QStringList({"GScale", "PlGraphs", "close", "Export"}));
    bar->setActiveAction(nullptr);

    // The bar looks as one with plain enabled blank commands does.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
    QMenuBar plain;
    plain.setFont(bar->font());
    for (QAction *a : bar->actions()) {
        if (a->isEnabled())
            plain.addAction(a);
        else
            plain.addAction(a->objectName() == "Blank1" ? QStringLiteral(" ") : QString());
    }
    plain.resize(bar->size());
    plain.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&plain));
    const QImage before = plain.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage after = bar->grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (before != after) {
        before.save(QDir::temp().filePath("kel-menubar-plain.png"));
        after.save(QDir::temp().filePath("kel-menubar-spacers.png"));
    }
    EXPECT_EQ(before, after);
}

TEST_F(LabAccess, GraphDescribesItsCurvesRangeAndPlots)
{
    launch(13);
    EXPECT_EQ(graph()->accessibleName(), "Graph against time");
    EXPECT_EQ(graph()->toolTip(), "Click here to get values of time, current and/or charge");
    EXPECT_TRUE(description().contains("No curves plotted.")) << description().toStdString();
    EXPECT_TRUE(graph()->legend().empty());
    plotEverything();
    const QString said = description();
    EXPECT_EQ(said, graph()->accessibleDescription());
    for (const char *part : {"RLC circuit.", "charge (red, solid)", "current (blue, solid)",
                             "source voltage (red, dashed)", "Plots drawn: 1."})
        EXPECT_TRUE(said.contains(part)) << part << " in " << said.toStdString();
    EXPECT_TRUE(
        said.contains(QString::fromUtf8("Time from 0 to 100 s, values from \u221210 to 10.")))
        << said.toStdString();
    command("PlGraphs");
    EXPECT_TRUE(description().contains("Plots drawn: 2."));

    // The legend names the same curves; only the source voltage is dashed.
    ASSERT_EQ(graph()->legend().size(), 3u);
    EXPECT_EQ(graph()->legend()[2].text, "Source voltage");
    EXPECT_TRUE(graph()->legend()[2].dashed);
    EXPECT_EQ(graph()->legend()[0].colour, display::QBColor(4));
    EXPECT_EQ(graph()->legend()[1].colour, display::QBColor(1));
    bool dashedCharge = false, dashedVoltage = true;
    int dashed = 0;
    for (const DrawOp &op : ops()) {
        if (op.kind != DrawOp::Kind::Line || op.foreground)
            continue;
        dashed += op.dashed;
        dashedCharge = dashedCharge || (op.dashed && op.x2 == 0.5f);
        dashedVoltage = dashedVoltage && (op.dashed || op.x2 != 0.2f);
    }
    EXPECT_EQ(dashed, 2 * 500);
    EXPECT_FALSE(dashedCharge);
    EXPECT_TRUE(dashedVoltage);

    // In pictures too, in the upper right corner.
    const QImage picture = window().pictures().image(2.0);
    const QRectF box = graph()->legendRect(QSizeF(graph()->size()) * 2.0);
    ASSERT_FALSE(box.isEmpty());
    EXPECT_GT(box.left(), picture.width() / 2);
    EXPECT_LT(box.width() * box.height(), picture.width() * picture.height() / 8.0);
    EXPECT_EQ(picture.pixel(box.topLeft().toPoint()) & 0xFFFFFF, 0u);

    command("ClGraphs");
    EXPECT_TRUE(description().contains("No curves plotted."));
    EXPECT_TRUE(graph()->legend().empty());
    setScale(5, 20, 2, -3);
    command("ClGraphs");
    EXPECT_TRUE(
        description().contains(QString::fromUtf8("Time from 5 to 20 s, values from \u22123 to 2.")))
        << description().toStdString();
}

TEST_F(LabAccess, CursorKeysReadOutAsAClickDoes)
{
    launch(13);
    plotEverything();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
    EXPECT_EQ(graph()->focusPolicy(), Qt::StrongFocus);

    // At the left edge a key and a click read out the same time.
    press(Qt::Key_Home);
    ASSERT_TRUE(graph()->cursorX());
    EXPECT_EQ(*graph()->cursorX(), 0.f);
    const QString keyed[] = {text("Time"), text("qq"), text("ii")};
    for (const char *name : {"Time", "qq", "ii"})
        type(name, "");
    QTest::mouseClick(graph(), Qt::LeftButton, {}, QPoint(0, 10));
    EXPECT_EQ(text("Time"), keyed[0]);
    EXPECT_EQ(text("qq"), keyed[1]);
    EXPECT_EQ(text("ii"), keyed[2]);
    EXPECT_TRUE(description().contains(
        QString::fromUtf8("Cursor at t = 0 s: charge 10 C, current 0 A, source voltage 0 V.")))
        << description().toStdString();

    // A step along the axis reads out what the click's handler gives at the cursor's time.
    press(Qt::Key_Right);
    const float t = *graph()->cursorX();
    EXPECT_FLOAT_EQ(t, 0.5f);
    const QString stepped[] = {text("Time"), text("qq"), text("ii")};
    EXPECT_EQ(stepped[0], "0.5");
    for (const char *name : {"Time", "qq", "ii"})
        type(name, "");
    window().readOutAt(1, 0, t, 0);
    EXPECT_EQ(text("Time"), stepped[0]);
    EXPECT_EQ(text("qq"), stepped[1]);
    EXPECT_EQ(text("ii"), stepped[2]);
    const double q = solutions::toNumber(stepped[1].toStdString()).value();
    EXPECT_TRUE(description().contains(QString::fromUtf8("Cursor at t = 0.5 s: charge %1 C")
                                           .arg(QString::fromStdString(solutions::shortText(q)))))
        << description().toStdString();
    EXPECT_TRUE(dialogs.calls().empty());
}

TEST_F(LabAccess, AnUnchangedReadOutIsNotWrittenAgain)
{
    launch(13);
    plotEverything();
    press(Qt::Key_End);
    for (const char *name : {"Time", "qq", "ii"})
        edit(name)->setCursorPosition(0);
    // Writing a box anew would put its caret at the end and tell screen readers the whole
    // text was replaced.
    press(Qt::Key_End);
    window().readOutAt(1, 0, 100, 0);
    for (const char *name : {"Time", "qq", "ii"})
        EXPECT_EQ(edit(name)->cursorPosition(), 0) << name;
    press(Qt::Key_Left);
    EXPECT_NE(edit("Time")->cursorPosition(), 0);
}

TEST_F(LabAccess, PicturesShowTheCursorOnlyWhenAsked)
{
    launch(13);
    plotEverything();
    auto *option = window().findChild<QAction *>("ExportCursor");
    ASSERT_NE(option, nullptr);
    EXPECT_EQ(option->text(), "Include Cursor in Pictures");
    EXPECT_TRUE(option->isCheckable());
    EXPECT_FALSE(option->isChecked());
    EXPECT_TRUE(window().findChild<QMenu *>("Export")->actions().contains(option));
    press(Qt::Key_Right); // the middle, t = 50
    const auto cursorPixels = [this] {
        const QImage picture = window().pictures().image(window().pictureScale());
        const int column = static_cast<int>(*graph()->cursorPixelX(picture.width()));
        int count = 0;
        for (int y = 0; y < picture.height(); ++y)
            count += (picture.pixel(column, y) & 0xFFFFFF) == 0x800080;
        return std::pair{count, picture.height()};
    };
    EXPECT_EQ(cursorPixels().first, 0);
    option->trigger();
    const auto [count, height] = cursorPixels();
    EXPECT_GT(count, height / 2);
}

} // namespace
} // namespace kel::testing
