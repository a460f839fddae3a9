#pragma once

#include "support/colors.h"

#include <QTextEdit>

class QSyntaxHighlighter;

namespace jotlet {

// The note's text box: rich text kept as rich-edit RTF, with the selection properties the
// note's commands use. With an empty selection the Sel* setters set the format of what is
// typed (or inserted with setSelText) next. Addresses in the text are shown as links while
// displayed; they are never written into the RTF.
class RichTextBox : public QTextEdit
{
    Q_OBJECT

public:
    explicit RichTextBox(QWidget* parent = nullptr);

    QByteArray TextRTF() const;
    // Replaces the content. Input over the reader's size limit leaves the content alone and
    // returns false with the reason in *error.
    bool setTextRTF(const QByteArray& rtf, QString* error = nullptr);

    // Paragraphs are separated by CR LF, as rich-edit controls give them.
    QString Text() const;
    void setText(const QString& text);

    int SelStart() const;
    void setSelStart(int start);
    int SelLength() const;
    void setSelLength(int length);
    QString SelText() const;
    void setSelText(const QString& text);

    bool SelBold() const;
    void setSelBold(bool on);
    bool SelItalic() const;
    void setSelItalic(bool on);
    bool SelUnderline() const;
    void setSelUnderline(bool on);
    bool SelStrikeThru() const;
    void setSelStrikeThru(bool on);
    bool SelBullet() const;
    void setSelBullet(bool on);
    double SelFontSize() const;
    void setSelFontSize(double points);
    quint32 SelColor() const; // 0x00BBGGRR
    void setSelColor(quint32 color);
    int SelIndent() const; // twips
    void setSelIndent(int twips);
    int SelAlignment() const; // 0 left, 1 right, 2 centre
    void setSelAlignment(int alignment);

    bool Locked() const { return isReadOnly(); }
    void setLocked(bool locked);

    QString FontName() const;
    void setFontName(const QString& name);
    double FontSize() const;
    void setFontSize(double points);
    quint32 BackColor() const;
    void setBackColor(quint32 color);

    // Opens the link at a document position when it is one the program may open.
    bool openLinkAt(int position);

signals:
    void Change();
    // Before the box handles a key; a receiver may set *consume to keep the box from handling it.
    void KeyDown(int key, Qt::KeyboardModifiers modifiers, bool* consume);
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);
    void FilesDropped(const QStringList& paths);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    void mergeSelectionFormat(const QTextCharFormat& format);
    void applyToSelectedBlocks(const std::function<void(QTextBlockFormat&)>& change);

    QSyntaxHighlighter* m_links;
    QPoint m_pressPosition;
};

} // namespace jotlet
