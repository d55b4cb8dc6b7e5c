// SPDX-License-Identifier: GPL-3.0-or-later
// Every caption of every window fits its control in every language, at the controls' fixed
// sizes: labels, buttons, check boxes, option buttons, the source-kind box and the menu bar.
#include "shell/languages.h"
#include "shell/mainmenu.h"
#include "support/scripteddialogs.h"
#include "translationtesting.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QToolButton>

namespace
{

using kel::testing::topLevel;

// The text as drawn: "&&" is an ampersand, a single "&" marks the access key.
QString drawnText(const QString &caption)
{
    QString text;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        text += caption[i];
    }
    return text;
}

QString describe(const QWidget *widget, const QString &text, int needed, int room)
{
    return QStringLiteral("%1/%2 \"%3\" needs %4 px, has %5")
        .arg(widget->window()->objectName(), widget->objectName(), text)
        .arg(needed)
        .arg(room);
}

// Where a caption is drawn inside a button of the style in use.
QRect captionRoom(const QAbstractButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    if (qobject_cast<const QCheckBox *>(button))
        return button->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, button);
    if (qobject_cast<const QRadioButton *>(button))
        return button->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, button);
    // A push button's frame is drawn inside its contents rectangle's edge: keep clear of it.
    return button->style()
        ->subElementRect(QStyle::SE_PushButtonContents, &option, button)
        .adjusted(2, 0, -2, 0);
}

void checkLabel(const QLabel *label, QStringList &clipped)
{
    if (label->text().trimmed().isEmpty() || !label->pixmap().isNull())
        return;
    const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(),
                                                      -label->margin(), -label->margin());
    const QFontMetrics metrics(label->font());
    if (label->wordWrap() || Qt::mightBeRichText(label->text())) {
        const int height = label->heightForWidth(label->width());
        const int width = label->wordWrap() ? 0 : label->sizeHint().width();
        if (height > label->height() || width > label->width())
            clipped << describe(label, label->text(), std::max(height, width),
                                width > label->width() ? label->width() : label->height());
        return;
    }
    const int needed = metrics.horizontalAdvance(label->text());
    if (needed > room.width() || metrics.height() > label->height())
        clipped << describe(label, label->text(), needed, room.width());
}

void checkButton(const QAbstractButton *button, QStringList &clipped)
{
    if (button->text().trimmed().isEmpty())
        return;
    const QString text = drawnText(button->text());
    const QFontMetrics metrics(button->font());
    const int needed = metrics.horizontalAdvance(text);
    const QRect room = captionRoom(button);
    if (needed > room.width() || metrics.height() > button->height())
        clipped << describe(button, text, needed, room.width());
}

// The source-kind box holds a caption the launchers write.
void checkCaptionBox(const QLineEdit *box, QStringList &clipped)
{
    const QFontMetrics metrics(box->font());
    const int needed = metrics.horizontalAdvance(box->text());
    const QMargins margins = box->textMargins();
    // The frame and the box's own two-pixel text margin on each side.
    const int room = box->width() - 2 * box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) -
                     4 - margins.left() - margins.right();
    if (needed > room)
        clipped << describe(box, box->text(), needed, room);
}

// Every entry of a menu bar stays in the bar rather than in its overflow button.
void checkMenuBar(const QMenuBar *bar, QStringList &clipped)
{
    for (QAction *action : bar->actions()) {
        if (!action->isVisible() || action->text().trimmed().isEmpty())
            continue;
        const QRect place = bar->actionGeometry(action);
        if (place.isEmpty() || !bar->rect().contains(place))
            clipped << QStringLiteral("%1/menu \"%2\" lies outside the menu bar")
                           .arg(bar->window()->objectName(), drawnText(action->text()));
    }
    for (const QToolButton *overflow : bar->findChildren<QToolButton *>())
        if (overflow->isVisible())
            clipped << QStringLiteral("%1/menu bar overflows").arg(bar->window()->objectName());
}

// A control that lies outside its window's client area, or under a sibling drawn over it,
// is never seen (the source-kind option buttons under the source box, the About box's System
// Info button below its bottom edge).
bool hidden(const QWidget *widget, const QWidget *window)
{
    const QRect onWindow(widget->mapTo(window, QPoint(0, 0)), widget->size());
    if (!window->rect().contains(onWindow))
        return true;
    const QWidget *parent = widget->parentWidget();
    const QObjectList &siblings = parent->children();
    for (qsizetype i = siblings.indexOf(const_cast<QWidget *>(widget)) + 1; i < siblings.size();
         ++i) {
        const auto *above = qobject_cast<const QWidget *>(siblings[i]);
        if (above && !above->isWindow() && above->isVisibleTo(window) &&
            above->geometry().contains(widget->geometry()))
            return true;
    }
    return false;
}

bool inStatusBar(const QWidget *widget)
{
    for (const QWidget *w = widget; w; w = w->parentWidget())
        if (qobject_cast<const QStatusBar *>(w))
            return true;
    return false;
}

// The captions of one window that a student can see and that do not fit.
void checkWindow(const QWidget *window, QStringList &clipped)
{
    for (const QWidget *widget : window->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(window) || inStatusBar(widget) || hidden(widget, window))
            continue;
        if (const auto *label = qobject_cast<const QLabel *>(widget))
            checkLabel(label, clipped);
        else if (const auto *button = qobject_cast<const QAbstractButton *>(widget);
                 button && !qobject_cast<const QToolButton *>(widget))
            checkButton(button, clipped);
        else if (const auto *bar = qobject_cast<const QMenuBar *>(widget))
            checkMenuBar(bar, clipped);
        else if (widget->objectName() == QLatin1String("VSource"))
            checkCaptionBox(static_cast<const QLineEdit *>(widget), clipped);
    }
}

constexpr int kLaunchers[] = {1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};

// Saves what a student sees, when a folder for screenshots is given.
void saveShots(const QString &language)
{
    const QString folder = qEnvironmentVariable("KEL_SHOTS");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    const QString scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1"));
    for (const char *name : {"kel_main", "rc", "Phasors", "AboutKel"})
        if (QWidget *window = topLevel(name))
            window->grab().save(QStringLiteral("%1/%2-%3-%4x.png")
                                    .arg(folder, language, QString::fromLatin1(name), scale));
}

class CaptionFit : public ::testing::TestWithParam<QString>
{
};

TEST_P(CaptionFit, EveryCaptionFitsItsControl)
{
    const QString language = GetParam();
    kel::shell::Languages languages;
    ASSERT_EQ(languages.install(language), language);
    kel::testing::ScriptedDialogs dialogs;
    kel::shell::MainMenu menu(dialogs);
    kel::testing::openEveryWindow(menu);

    QStringList clipped;
    for (const char *name : {"kel_main", "Phasors", "AboutKel"}) {
        const QWidget *window = topLevel(name);
        ASSERT_NE(window, nullptr) << name;
        checkWindow(window, clipped);
    }
    // Each launcher shows its own controls and writes its own source caption.
    const QWidget *lab = topLevel(QStringLiteral("rc"));
    ASSERT_NE(lab, nullptr);
    for (int command : kLaunchers) {
        auto *button = menu.findChild<QAbstractButton *>(QStringLiteral("Command%1").arg(command));
        ASSERT_NE(button, nullptr) << command;
        button->click();
        checkWindow(lab, clipped);
    }
    // With a plot on the graph, for the screenshots.
    if (auto *charge = lab->findChild<QCheckBox *>(QStringLiteral("Charge")))
        charge->setChecked(true);
    if (auto *current = lab->findChild<QCheckBox *>(QStringLiteral("Current")))
        current->setChecked(true);
    for (QAction *action : lab->findChildren<QAction *>(QStringLiteral("PlGraphs")))
        action->trigger();
    saveShots(language);

    clipped.removeDuplicates();
    EXPECT_TRUE(clipped.isEmpty())
        << language.toStdString() << ": " << clipped.size() << " clipped caption(s):\n  "
        << clipped.join(QStringLiteral("\n  ")).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, CaptionFit,
                         ::testing::Values(QStringLiteral("en"), QStringLiteral("de"),
                                           QStringLiteral("fr"), QStringLiteral("es"),
                                           QStringLiteral("pt_BR")),
                         [](const ::testing::TestParamInfo<QString> &info) {
                             return info.param.toStdString();
                         });

} // namespace
