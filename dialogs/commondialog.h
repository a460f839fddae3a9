#pragma once

#include <QString>

namespace jotlet {

// Option flags of the file dialogs, with the values stored settings and callers use.
enum FileDialogFlag : long {
    OFN_READONLY = 0x1,
    OFN_OVERWRITEPROMPT = 0x2,
    OFN_HIDEREADONLY = 0x4,
    OFN_NOCHANGEDIR = 0x8,
    OFN_ALLOWMULTISELECT = 0x200,
    OFN_PATHMUSTEXIST = 0x800,
    OFN_FILEMUSTEXIST = 0x1000,
    OFN_EXPLORER = 0x80000,
};

// The standard dialogs behind one small object: create one per use, set what the dialog needs, show it and read
// the result. Nothing survives from one use to the next, except the printer chosen in ShowPrinter, which is the
// program's current printer from then on.
class clsCommonDialog
{
public:
    void setOwnerHandle(long handle) { m_ownerHandle = handle; }

    QString InitDir() const { return m_initDir; }
    void setInitDir(const QString& folder) { m_initDir = folder; }
    QString DialogTitle() const { return m_dialogTitle; }
    void setDialogTitle(const QString& title) { m_dialogTitle = title; }

    // Pairs of a description and a pattern, every piece separated by "|": "Jotlet Note (*.not)|*.not".
    QString Filter() const { return m_filter; }
    void setFilter(const QString& filter);
    // The filter as the system dialogs take it: every piece followed by a NUL, and one more NUL at the end.
    QString systemFilter() const { return m_systemFilter; }
    // The filter as Qt's file dialog takes it: one "Description (patterns)" per pair.
    QStringList qtNameFilters() const;

    qint16 FilterIndex() const { return m_filterIndex; }
    void setFilterIndex(qint16 index) { m_filterIndex = index; }
    QString DefaultExt() const { return m_defaultExt; }
    void setDefaultExt(const QString& extension) { m_defaultExt = extension; }
    QString FileName() const;
    void setFileName(const QString& name) { m_fileName = name; }
    QString FontName() const { return m_fontName; }
    void setFontName(const QString& face) { m_fontName = face; }
    long flags() const { return m_flags; }
    void setFlags(long flags) { m_flags = flags; }
    qint16 MaxFileSize() const { return m_maxFileSize; }
    void setMaxFileSize(qint16 size) { m_maxFileSize = size; }

    // 1 when the user confirmed, 0 when cancelled. FileName is then the chosen full path.
    long ShowOpen();
    long ShowSave();
    // The chosen colour 0x00BBGGRR, or -1 when cancelled. InitColor may name a system colour (top bit set).
    long ShowColor(bool bFullOpen, long InitColor);
    // A confirmed dialog changes FontName; nothing else is given back.
    void ShowFont();
    // Whether the last ShowFont was confirmed (the chosen face may equal the preset).
    bool fontConfirmed() const { return m_fontConfirmed; }
    // Lets the user choose and set up the printer; true when confirmed.
    bool ShowPrinter(long PrintFlags);
    // Ends the current printer's document so that it prints when the last ShowPrinter was confirmed; discards it
    // otherwise.
    void PrintDoc();

private:
    long showFileDialog(bool save);

    long m_ownerHandle = 0;
    QString m_initDir;
    QString m_dialogTitle;
    QString m_filter;
    QString m_systemFilter;
    qint16 m_filterIndex = 0;
    QString m_defaultExt;
    QString m_fileName;
    QString m_fontName;
    long m_flags = 0;
    qint16 m_maxFileSize = 256;
    bool m_printerConfirmed = false;
    bool m_fontConfirmed = false;
};

} // namespace jotlet
