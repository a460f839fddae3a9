// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "manager/findwindow.h"

#include "note/note.h"
#include "window/windowhelpers.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPointer>
#include <QStyledItemDelegate>
#include <QTextDocument>
#include <QVBoxLayout>

namespace jotlet {

namespace {

QPointer<FindWindow> g_current;

constexpr int kHtmlRole = Qt::UserRole + 1;

// Where the note lives on the first line, its words with the matches marked on the second.
QString resultHtml(const SearchResult& result)
{
    QString words;
    int at = 0;
    for (const auto& [start, length] : result.hits) {
        words += result.words.mid(at, start - at).toHtmlEscaped();
        words
            += QStringLiteral("<b><u>") + result.words.mid(start, length).toHtmlEscaped() + QStringLiteral("</u></b>");
        at = start + length;
    }
    words += result.words.mid(at).toHtmlEscaped();
    return QStringLiteral("<small>%1</small><br>%2").arg(result.where.toHtmlEscaped(), words);
}

// Paints an item's rich text (the matches marked) in the colours of the item's state.
class ResultDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        item.text.clear();
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);
        QTextDocument document;
        document.setDefaultFont(option.font);
        document.setHtml(index.data(kHtmlRole).toString());
        document.setTextWidth(option.rect.width());
        QAbstractTextDocumentLayout::PaintContext context;
        const bool selected = option.state & QStyle::State_Selected;
        context.palette.setColor(QPalette::Text,
                                 option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter->save();
        painter->translate(option.rect.topLeft());
        painter->setClipRect(option.rect.translated(-option.rect.topLeft()));
        document.documentLayout()->draw(painter, context);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QTextDocument document;
        document.setDefaultFont(option.font);
        document.setHtml(index.data(kHtmlRole).toString());
        document.setTextWidth(option.rect.width() > 0 ? option.rect.width() : 400);
        return {int(document.idealWidth()), int(document.size().height())};
    }
};

} // namespace

FindWindow* FindWindow::open(Note* note, NoteBoard& board, SearchIndex& index)
{
    if (!g_current) {
        g_current = new FindWindow(board, index);
    }
    setStaysOnTop(g_current, note && note->isOnTop());
    index.setSources(NoteSearch::defaultSources());
    index.refresh();
    g_current->show();
    g_current->raise();
    g_current->activateWindow();
    g_current->m_field->setFocus();
    g_current->m_field->selectAll();
    return g_current;
}

FindWindow* FindWindow::current()
{
    return g_current;
}

FindWindow::FindWindow(NoteBoard& board, SearchIndex& index)
    : QWidget(nullptr, Qt::Window)
    , m_index(index)
    , m_search(board, index)
    , m_field(new QLineEdit(this))
    , m_state(new QLabel(this))
    , m_list(new QListWidget(this))
{
    setObjectName(QStringLiteral("frmFind"));
    setWindowTitle(tr("Find in Notes"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_field->setObjectName(QStringLiteral("txtFind"));
    m_field->setPlaceholderText(tr("Words to find, \"a phrase\" in quotes, reminder: for reminders"));
    m_field->setClearButtonEnabled(true);
    m_field->installEventFilter(this);
    m_field->setAccessibleName(tr("Words to find"));
    m_field->setAccessibleDescription(tr("Notes holding every word are listed as you type; Down goes to the list"));
    m_state->setObjectName(QStringLiteral("lblFound"));
    m_list->setObjectName(QStringLiteral("lstFound"));
    m_list->setAccessibleName(tr("Notes found"));
    m_list->setAccessibleDescription(tr("Enter opens the chosen note"));
    m_list->setItemDelegate(new ResultDelegate(m_list));
    m_list->setUniformItemSizes(true);
    m_list->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_field);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_state);
    connect(m_field, &QLineEdit::textChanged, &m_search, &NoteSearch::setQuery);
    connect(m_field, &QLineEdit::returnPressed, this, &FindWindow::chooseCurrent);
    connect(m_list, &QListWidget::itemActivated, this, &FindWindow::chooseCurrent);
    connect(&m_search, &NoteSearch::resultsChanged, this, &FindWindow::render);
    connect(&m_index, &SearchIndex::updatingChanged, this, &FindWindow::showState);
    closeOnEscape(this);
    resize(QSize(420, 460));
    render();
}

void FindWindow::render()
{
    m_list->clear();
    for (const SearchResult& result : m_search.results()) {
        auto* item = new QListWidgetItem(result.where + QLatin1Char('\n') + result.words, m_list);
        item->setData(kHtmlRole, resultHtml(result));
    }
    m_list->setCurrentRow(m_list->count() > 0 ? 0 : -1);
    showState();
}

void FindWindow::showState()
{
    QString state;
    if (!m_search.query().trimmed().isEmpty()) {
        state = m_search.matchCount() > m_search.results().size() ? tr("%1 notes found; the first %2 are listed.")
                                                                        .arg(m_search.matchCount())
                                                                        .arg(m_search.results().size())
                : m_search.matchCount() == 1 ? tr("One note found.")
                                             : tr("%1 notes found.").arg(m_search.matchCount());
    }
    if (m_index.isUpdating()) {
        state += (state.isEmpty() ? QString() : QStringLiteral(" ")) + tr("Reading stored notes\u2026");
    }
    m_state->setText(state);
}

void FindWindow::chooseCurrent()
{
    const int row = m_list->currentRow();
    if (row >= 0 && !m_search.choose(row)) {
        m_state->setText(tr("That note is no longer where it was; the list is being brought up to date."));
    }
}

bool FindWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The arrow keys move through the results while the field keeps the keyboard.
    if (watched == m_field && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Down || key == Qt::Key_Up || key == Qt::Key_PageDown || key == Qt::Key_PageUp) {
            QApplication::sendEvent(m_list, event);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FindWindow::changeEvent(QEvent* event)
{
    // Coming back to the window, the user finds the stored notes as they are now.
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        m_index.refresh();
    }
    QWidget::changeEvent(event);
}

} // namespace jotlet
