#pragma once

#include "notes/noterecord.h"
#include "window/dockinghandler.h"
#include "window/notecommands.h"

#include <QWidget>

#include <memory>

class QLabel;
class QMenu;
class QFrame;

namespace jotlet {

class CTranslucentForm;
class NoteMenus;
class RichTextBox;

// One note on the desktop: a frameless window whose body is the rich-text box RTB1, with its own caption line,
// icon, close and help buttons, sub-caption and resize grip. Lengths in its interface are twips.
//
// A creator sets NoteFileName (and IsDirty) first; the load step runs on the first use of anything else and
// takes the look of new notes from the settings. The window deletes itself when it has closed.
class frmMain : public QWidget
{
    Q_OBJECT

public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // Every note window that is open, in the order they were created.
    static QList<frmMain*> openWindows();

    QString NoteFileName() const { return m_noteFileName; }
    void setNoteFileName(const QString& path) { m_noteFileName = path; }
    bool IsDirty() const { return m_isDirty; }
    void setIsDirty(bool dirty) { m_isDirty = dirty; }
    QString Tag();
    void setTag(const QString& path);

    RichTextBox* RTB1();
    QLabel* lblCaption();
    QLabel* lblSubCaption();
    QLabel* imgIcon();
    const NoteRecord& record() const { return m_record; }
    NoteRecord& record() { return m_record; }

    qint32 Height();
    qint32 Width();
    qint32 Left();
    qint32 Top();
    void setHeight(qint32 twips);
    void setWidth(qint32 twips);
    void setLeft(qint32 twips);
    void setTop(qint32 twips);

    // Sets the note's text from a record's rich text. A text past the reader's limits leaves the note as it was,
    // is logged naming where it came from, and gives false.
    bool setData(const QString& rtf, const QString& source = QString());
    QString data();

    // The colour name or decimal 0x00BBGGRR value; false when the text is neither (nothing changes).
    bool SetNoteColor(const QString& strColor, bool AllowForeColorChange);
    void ChangeForeColor(qint32 color);

    // 0 Save, 1 Save As, 2 Append To.
    void PerformSave(int mode);
    void NewNote();
    void OpenNoteFile();
    void Show();

    // The caption line ("Jotlet - a.not *"); the window title follows it.
    void setCaption(const QString& text);

    // The sub-caption type chosen by the user (0-3), and the two options.
    void setCaptionType(int type);
    int captionType() const { return m_captionType; }
    void setAutoSave(bool on);
    void setSaveNewNoteOnClose(bool on);
    bool saveSettingsChecked() const { return m_saveSettingsChecked; }
    void setSaveSettingsChecked(bool on) { m_saveSettingsChecked = on; }
    void setIsOnTop(bool on);

    // Roll-up to the icon and back.
    void ToggleMinimize();
    void MinimizeNote();
    void RestoreNote();
    bool minimizeEnabled() const { return m_minimizeEnabled; }
    void DefaultSize();
    void Reset();
    void StopSpecialNote();
    void refreshSubCaption();

    // Closes as the end of the session does: the note goes to the main note file, nothing is asked.
    void closeForSessionEnd();

    clsDockingHandler& dock() { return m_cDock; }

    // The note's four popup menus.
    NoteMenus& menus();
    // Runs the command of a menu item, as choosing it does ("mnuSave", 1).
    void runMenuCommand(const QString& control, int index);
    // Acts on a key released in the window, by the key table.
    void keyReleased(int key, Qt::KeyboardModifiers modifiers);
    // Puts the first readable text file of a drop into the note.
    void dropFiles(const QStringList& paths);
    // The colour commands, the on-top switch and the transparency levels.
    void mnuSetColor_Click(int index);
    void mnuTop_Click();
    void mnuTransparent_Click(int index);
    void SetTransparencyChecks();
    void SetFontSizeChecks(int size);
    void PastePlainText();
    // "Clear All": an empty, editable, plain note, or with Ctrl held a short text about the program.
    void clearAll(bool ctrlHeld);
    const StyleChecks& styleChecks() const { return m_styleChecks; }
    bool isTranslucent() const { return m_cTrans != nullptr; }

public slots:
    void RTB1_Change();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void ensureLoaded();
    void loadStep();
    void createControls();
    void layoutChrome();
    void applyActivation(bool active);
    void onApplicationStateChanged(Qt::ApplicationState state);
    bool chromeMouseEvent(QObject* watched, QEvent* event);
    void fillRecordForClose();
    bool askToSaveBeforeClose();
    void writeSettings();
    QString currentTimeText() const;
    void setSubCaption(const QString& text);
    void resizeByGrip(QMouseEvent* event);
    void createMenus();
    void applyMenuChecks();
    void popUp(QMenu* menu);
    void popUpForText();
    void onTextKeyDown(int key, Qt::KeyboardModifiers modifiers, bool* consume);
    bool runNoteCommand(const QString& control, int index);
    bool runFormatCommand(const QString& control, int index);
    bool runEditCommand(const QString& control, int index);
    void chooseFontFamily();
    void chooseForeColor();
    void setStyleChecks(const StyleChecks& checks);

    NoteRecord m_record;
    QString m_noteFileName;
    bool m_isDirty = false;
    QString m_tag;
    qint32 m_lWordCount = 0;
    int m_captionType = 0;
    bool m_saveSettingsChecked = false;
    bool m_minimizeEnabled = true;
    bool m_loaded = false;
    bool m_loading = false;
    bool m_sessionEnding = false;
    bool m_closing = false;
    clsDockingHandler m_cDock;
    std::unique_ptr<CTranslucentForm> m_cTrans;
    NoteMenus* m_menus = nullptr;
    StyleChecks m_styleChecks;
    int LastKeyDown = 0;
    // The twips last set on each axis, reported back while the window's pixels still match them, so that a size
    // or place that is no whole number of pixels (500 twips at 15 per pixel) reads back exactly.
    struct TwipsAxis
    {
        bool set = false;
        qint32 twips = 0;
        int pixels = 0;
    };
    qint32 twipsOf(TwipsAxis& axis, int pixels, double perPixel);
    QSize desktopTwips() const;
    int pixelsOf(TwipsAxis& axis, qint32 twips, double perPixel);
    TwipsAxis m_left, m_top, m_width, m_height;
    QPoint m_gripStart;
    QSize m_gripStartSize;

    RichTextBox* m_rtb = nullptr;
    QLabel* m_caption = nullptr;
    QLabel* m_subCaption = nullptr;
    QLabel* m_icon = nullptr;
    QLabel* m_iconReminder[2] = {nullptr, nullptr};
    QLabel* m_help = nullptr;
    QLabel* m_close = nullptr;
    QLabel* m_resize = nullptr;
    QFrame* m_line = nullptr;
};

} // namespace jotlet
