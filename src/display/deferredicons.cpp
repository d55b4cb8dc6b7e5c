// SPDX-License-Identifier: GPL-3.0-or-later
#include "deferredicons.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>

#include <optional>

namespace kel::display
{

namespace
{

// The style's icon, asked for from the style underneath the application's at its first use.
class DeferredIconEngine final : public QIconEngine
{
public:
    explicit DeferredIconEngine(QStyle::StandardPixmap which) : m_which(which) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return icon().isNull(); }
    QIconEngine *clone() const override { return new DeferredIconEngine(m_which); }

private:
    const QIcon &icon()
    {
        if (!m_icon) {
            const QStyle *style = QApplication::style();
            if (const auto *deferring = qobject_cast<const DeferredIconStyle *>(style))
                style = deferring->baseStyle();
            m_icon = style->standardIcon(m_which);
        }
        return *m_icon;
    }

    QStyle::StandardPixmap m_which;
    std::optional<QIcon> m_icon;
};

} // namespace

QIcon DeferredIconStyle::standardIcon(StandardPixmap icon, const QStyleOption *option,
                                      const QWidget *widget) const
{
    if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton)
        return QIcon(new DeferredIconEngine(icon));
    return QProxyStyle::standardIcon(icon, option, widget);
}

QStyle *useDeferredIcons()
{
    auto *style = new DeferredIconStyle;
    QApplication::setStyle(style);
    return style;
}

} // namespace kel::display
