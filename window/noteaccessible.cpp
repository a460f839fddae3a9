// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/noteaccessible.h"

#include "window/chromebutton.h"
#include "window/notewindow.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPointer>

#include <array>

namespace jotlet {

namespace {

constexpr std::array<ChromePart, 3> kParts = {ChromePart::Caption, ChromePart::SubCaption, ChromePart::Grip};

// One drawn part: named as its widget was, placed where it is drawn.
class ChromePartAccessible : public QAccessibleInterface
{
public:
    ChromePartAccessible(NoteWindow* window, ChromePart part)
        : m_window(window)
        , m_part(part)
    {
    }

    bool isValid() const override { return m_window; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_window ? m_window->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_window.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override { }

    QRect rect() const override
    {
        if (!m_window) {
            return {};
        }
        const QRect local = m_window->chrome().rect(m_part);
        return QRect(m_window->mapToGlobal(local.topLeft()), local.size());
    }

    QAccessible::Role role() const override
    {
        return m_part == ChromePart::Grip ? QAccessible::Graphic : QAccessible::StaticText;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = !m_window || !m_window->isVisible() || !m_window->chrome().isShown();
        return state;
    }

    QString text(QAccessible::Text t) const override
    {
        if (!m_window) {
            return {};
        }
        switch (t) {
        case QAccessible::Name:
            return name();
        case QAccessible::Description:
            return description();
        case QAccessible::Value:
            return m_part == ChromePart::Caption      ? m_window->chrome().title()
                   : m_part == ChromePart::SubCaption ? m_window->chrome().subCaption()
                                                      : QString();
        default:
            return {};
        }
    }

private:
    QString name() const
    {
        switch (m_part) {
        case ChromePart::Caption:
            return QCoreApplication::translate("jotlet::NoteWindow", "Note title");
        case ChromePart::SubCaption:
            return QCoreApplication::translate("jotlet::NoteWindow", "Note caption");
        default:
            return QCoreApplication::translate("jotlet::NoteWindow", "Resize note");
        }
    }

    QString description() const
    {
        switch (m_part) {
        case ChromePart::SubCaption:
            return QCoreApplication::translate("jotlet::NoteWindow", "Double-click to refresh the caption");
        case ChromePart::Grip:
            return QCoreApplication::translate("jotlet::NoteWindow",
                                               "Drag to resize the note; Alt+F8 sizes it with the arrow keys");
        default:
            return {};
        }
    }

    QPointer<NoteWindow> m_window;
    ChromePart m_part;
};

// The window: its widgets first, then the drawn parts.
class NoteWindowAccessible : public QAccessibleWidget
{
public:
    explicit NoteWindowAccessible(NoteWindow* window)
        : QAccessibleWidget(window, QAccessible::Client)
    {
    }

    ~NoteWindowAccessible() override
    {
        for (QAccessible::Id id : m_partIds) {
            if (id) {
                QAccessible::deleteAccessibleInterface(id);
            }
        }
    }

    int childCount() const override { return QAccessibleWidget::childCount() + int(kParts.size()); }

    QAccessibleInterface* child(int index) const override
    {
        const int widgets = QAccessibleWidget::childCount();
        if (index < widgets) {
            return QAccessibleWidget::child(index);
        }
        return index - widgets < int(kParts.size()) ? part(index - widgets) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (std::size_t i = 0; i < kParts.size(); ++i) {
            if (m_partIds[i] && QAccessible::accessibleInterface(m_partIds[i]) == child) {
                return QAccessibleWidget::childCount() + int(i);
            }
        }
        return QAccessibleWidget::indexOfChild(child);
    }

    QAccessibleInterface* childAt(int x, int y) const override
    {
        auto* window = static_cast<NoteWindow*>(widget());
        const ChromePart at = window->chrome().partAt(window->mapFromGlobal(QPoint(x, y)));
        for (std::size_t i = 0; i < kParts.size(); ++i) {
            if (kParts[i] == at) {
                return part(int(i));
            }
        }
        return QAccessibleWidget::childAt(x, y);
    }

private:
    QAccessibleInterface* part(int i) const
    {
        if (!m_partIds[i]) {
            auto* window = static_cast<NoteWindow*>(widget());
            m_partIds[i] = QAccessible::registerAccessibleInterface(new ChromePartAccessible(window, kParts[i]));
        }
        return QAccessible::accessibleInterface(m_partIds[i]);
    }

    mutable std::array<QAccessible::Id, kParts.size()> m_partIds {};
};

// The icon, help and close: push buttons with a press action, named by the button.
class ChromeButtonAccessible : public QAccessibleWidget
{
public:
    explicit ChromeButtonAccessible(ChromeButton* button)
        : QAccessibleWidget(button, QAccessible::Button)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        auto* button = static_cast<ChromeButton*>(widget());
        switch (t) {
        case QAccessible::Name:
            return button->name();
        case QAccessible::Description:
            return button->toolTip();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QStringList actionNames() const override { return QStringList(pressAction()) + QAccessibleWidget::actionNames(); }

    void doAction(const QString& action) override
    {
        if (action == pressAction()) {
            // Pressed a moment later, as Qt's own buttons are: what it opens (the save question) must not hold up
            // the answer to the screen reader.
            static_cast<ChromeButton*>(widget())->animateClick();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }
};

QAccessibleInterface* noteWindowInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String("jotlet::NoteWindow")) {
        if (auto* window = qobject_cast<NoteWindow*>(object)) {
            return new NoteWindowAccessible(window);
        }
    } else if (className == QLatin1String("jotlet::ChromeButton")) {
        if (auto* button = qobject_cast<ChromeButton*>(object)) {
            return new ChromeButtonAccessible(button);
        }
    }
    return nullptr;
}

} // namespace

void installNoteAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(noteWindowInterface);
        return true;
    }();
    Q_UNUSED(installed)
}

} // namespace jotlet
