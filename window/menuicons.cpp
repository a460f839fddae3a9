// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/menuicons.h"

#include <QPainter>
#include <QPainterPath>
#include <QStandardPaths>
#include <QStringList>

namespace jotlet {

namespace {

struct IconName
{
    const char* key;
    const char* themeName;
};

// Every key has an icon of its own meaning: Paste and Paste Plain Text, Save and Check Spelling differ.
constexpr IconName kIconNames[] = {
    {"Paste", "edit-paste"},
    {"PasteAsText", "insert-text"},
    {"Undo", "edit-undo"},
    {"Clear", "edit-clear"},
    {"Cut", "edit-cut"},
    {"Copy", "edit-copy"},
    {"NewNote", "document-new"},
    {"Email", "mail-message-new"},
    {"Open", "document-open"},
    {"Restore", "view-restore"},
    {"Minimize", "go-up"},
    {"Save", "document-save"},
    {"Print", "document-print"},
    {"FontStyle", "preferences-desktop-font"},
    {"Help", "help-contents"},
    {"About", "help-about"},
    {"Color", "preferences-desktop-theme"},
    {"Underline", "format-text-underline"},
    {"Bold", "format-text-bold"},
    {"Italic", "format-text-italic"},
    {"Strike", "format-text-strikethrough"},
    {"Font", "format-text-direction-ltr"},
    {"Options", "preferences-system"},
    {"Settings", "preferences-other"},
    {"Stop", "process-stop"},
    {"Bullets", "view-list-bullet-symbolic"},
    {"IncreaseIndent", "format-indent-more"},
    {"DecreaseIndent", "format-indent-less"},
    {"Spell", "tools-check-spelling"},
    {"Ontop", "go-top"},
    {"Normal", "go-bottom"},
};

constexpr int kMenuIconSizes[] = {16, 22, 24, 32};

QPixmap withCheckMark(QPixmap pixmap)
{
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal side = pixmap.width() / pixmap.devicePixelRatio();
    const QRectF badge(side * 0.4, side * 0.4, side * 0.6, side * 0.6);
    p.setPen(QPen(Qt::white, side / 16.0));
    p.setBrush(QColor(0x1c, 0x71, 0xd8));
    p.drawEllipse(badge.adjusted(0.5, 0.5, -0.5, -0.5));
    QPainterPath tick;
    tick.moveTo(badge.left() + badge.width() * 0.25, badge.top() + badge.height() * 0.52);
    tick.lineTo(badge.left() + badge.width() * 0.43, badge.top() + badge.height() * 0.70);
    tick.lineTo(badge.left() + badge.width() * 0.76, badge.top() + badge.height() * 0.32);
    p.setPen(QPen(Qt::white, qMax(1.5, side / 10.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
    return pixmap;
}

} // namespace

void setUpIconTheme()
{
    QStringList paths = QIcon::themeSearchPaths();
    for (const QString& folder : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        const QString icons = folder + QStringLiteral("/icons");
        if (!paths.contains(icons)) {
            paths << icons;
        }
    }
    QIcon::setThemeSearchPaths(paths);
    QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
    if (QIcon::themeName().isEmpty()) {
        QIcon::setThemeName(QStringLiteral("Adwaita"));
    }
}

QString menuIconName(const QString& key)
{
    for (const IconName& name : kIconNames) {
        if (key == QLatin1String(name.key)) {
            return QLatin1String(name.themeName);
        }
    }
    return QString();
}

QIcon menuIcon(const QString& key)
{
    const QString name = menuIconName(key);
    return name.isEmpty() ? QIcon() : QIcon::fromTheme(name);
}

QIcon iconWithCheckState(const QIcon& icon)
{
    if (icon.isNull()) {
        return icon;
    }
    QIcon result;
    for (const int size : kMenuIconSizes) {
        const QPixmap plain = icon.pixmap(size, size);
        result.addPixmap(plain, QIcon::Normal, QIcon::Off);
        result.addPixmap(withCheckMark(plain), QIcon::Normal, QIcon::On);
        result.addPixmap(withCheckMark(icon.pixmap(size, size, QIcon::Active)), QIcon::Active, QIcon::On);
        result.addPixmap(icon.pixmap(size, size, QIcon::Active), QIcon::Active, QIcon::Off);
    }
    return result;
}

} // namespace jotlet
