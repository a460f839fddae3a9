#include "modnote.h"

#include "appinfo.h"
#include "commondialog.h"
#include "errorlog.h"
#include "filefunctions.h"
#include "notefile.h"
#include "notesettings.h"

#include <QFile>
#include <QFileInfo>

namespace jotlet {

namespace {

const QString kLoadNote = QStringLiteral("modNote: LoadNote");
const QString kProcessXMLData = QStringLiteral("modNote: ProcessXMLData");
const QString kSaveNote = QStringLiteral("modNote: SaveNote");
const QString kAppendNote = QStringLiteral("modNote: AppendNote");
const QString kSaveMainNote = QStringLiteral("modNote: SaveMainNote");

void logError(const QString& location, const NoteFileError& error)
{
    LogError(location, error.number, error.description);
}

// Logs a writer's failure and hands its description to a caller that tells the user.
void reportFailure(const QString& location, const NoteFileError& error, QString* failure)
{
    logError(location, error);
    if (failure) {
        *failure = error.description;
    }
}

void prepareNoteFileDialog(clsCommonDialog& dialog)
{
    dialog.setDialogTitle(QStringLiteral("Select a file: "));
    dialog.setDefaultExt(QStringLiteral("not"));
    dialog.setFilter(QStringLiteral("Jotlet Note (*.not)|*.not"));
    dialog.setFlags(OFN_EXPLORER | OFN_HIDEREADONLY);
    dialog.setInitDir(readSetting(Setting::LastFolder));
}

// Asks for a note file in an open or save dialog and remembers its folder. Empty when the user cancelled or the
// dialog failed (then *result is negative).
QString askForNoteFile(bool save, long* result)
{
    clsCommonDialog dialog;
    prepareNoteFileDialog(dialog);
    *result = save ? dialog.ShowSave() : dialog.ShowOpen();
    if (*result != 1 || dialog.FileName().isEmpty()) {
        return QString();
    }
    writeSetting(Setting::LastFolder, GetFolderName(dialog.FileName()));
    return dialog.FileName();
}

// The path a writer writes to: the given one, or one the user picks. Empty when there is none.
QString writerTarget(const QString& path, const QString& location)
{
    if (!path.isEmpty()) {
        return path;
    }
    long result = 0;
    const QString chosen = askForNoteFile(true, &result);
    if (result < 0) {
        LogError(location, -result, QStringLiteral("The save dialog failed"));
    }
    return chosen;
}

bool readNoteFileBytes(const QString& path, QByteArray* bytes, NoteFileError* error)
{
    QFile file(path);
    if (!QFileInfo::exists(path)) {
        *error = {kErrFileNotFound, QStringLiteral("File not found: '%1'").arg(path)};
        return false;
    }
    if (QFileInfo(path).isDir()) {
        *error = {kErrPathFileAccess, QStringLiteral("Cannot open '%1': it is a folder").arg(path)};
        return false;
    }
    // A pipe or a device would block the program or never end; note files are plain files.
    if (!QFileInfo(path).isFile()) {
        *error = {kErrPathFileAccess, QStringLiteral("Cannot open '%1': it is not a regular file").arg(path)};
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        *error = {kErrPathFileAccess, QStringLiteral("Cannot open '%1': %2").arg(path, file.errorString())};
        return false;
    }
    *bytes = file.size() > kMaxNoteFileBytes ? QByteArray() : file.read(kMaxNoteFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        *error = {kErrPathFileAccess, QStringLiteral("Cannot read '%1': %2").arg(path, file.errorString())};
        return false;
    }
    if (file.size() > kMaxNoteFileBytes || bytes->size() > kMaxNoteFileBytes) {
        *error = {kErrPathFileAccess,
                  QStringLiteral("'%1' is larger than %2 MB, too large for a note file")
                      .arg(path)
                      .arg(kMaxNoteFileBytes / (1024 * 1024))};
        return false;
    }
    return true;
}

bool writeNoteBytes(const QString& path, const QByteArray& bytes, NoteFileError* error)
{
    QString message;
    QFileDevice::FileError code = QFileDevice::NoError;
    if (WriteFileAtomically(path, bytes, &message, &code)) {
        return true;
    }
    *error = {code == QFileDevice::ResourceError ? kErrDiskFull : kErrPathFileAccess, message};
    return false;
}

bool writeNoteFile(const QString& path, const QString& text, NoteFileError* error)
{
    return writeNoteBytes(path, text.toUtf8(), error);
}

bool appendNoteToFile(const NoteRecord& note, const QString& path, NoteFileError* error)
{
    QByteArray bytes;
    QByteArray appended;
    return readNoteFileBytes(path, &bytes, error) && appendNoteToBytes(bytes, note, &appended, error)
           && writeNoteBytes(path, appended, error);
}

} // namespace

NoteList LoadNote(bool mainFile, const QString& path)
{
    QString target = mainFile ? mainNoteFilePath() : path;
    if (target.isEmpty()) {
        long result = 0;
        target = askForNoteFile(false, &result);
        if (result < 0) {
            LogError(kLoadNote, -result, QStringLiteral("The open dialog failed"));
        }
        if (target.isEmpty()) {
            return {};
        }
    }
    QByteArray bytes;
    NoteFileError error;
    if (!readNoteFileBytes(target, &bytes, &error)) {
        logError(kLoadNote, error);
        return {};
    }
    NoteList notes;
    if (!readNoteFileContent(bytes, target, &notes, &error)) {
        error.description += QStringLiteral(" ('%1')").arg(target);
        logError(kProcessXMLData, error);
        return {};
    }
    return notes;
}

QString SaveNote(NoteRecord note, const QString& path, QString* failure)
{
    const QString target = writerTarget(path, kSaveNote);
    if (target.isEmpty()) {
        return QString::fromLatin1(kNoSave);
    }
    NoteFileError error;
    if (!writeNoteFile(target, oneNoteFileText(note, programVersion()), &error)) {
        reportFailure(kSaveNote, error, failure);
        return QString::fromLatin1(kNoSave);
    }
    return target;
}

bool AppendNote(NoteRecord note, const QString& path, QString* failure)
{
    const QString target = writerTarget(path, kAppendNote);
    if (target.isEmpty()) {
        return false;
    }
    NoteFileError error;
    const bool written = QFileInfo::exists(target)
                             ? appendNoteToFile(note, target, &error)
                             : writeNoteFile(target, oneNoteFileText(note, programVersion()), &error);
    if (!written) {
        reportFailure(kAppendNote, error, failure);
    }
    return written;
}

bool SaveMainNote(NoteRecord note, QString* failure)
{
    const QString target = mainNoteFilePath();
    if (FileExists(target)) {
        return AppendNote(std::move(note), target, failure);
    }
    NoteFileError error;
    if (!writeNoteFile(target, oneNoteFileText(note, programVersion()), &error)) {
        reportFailure(kSaveMainNote, error, failure);
        return false;
    }
    return true;
}

} // namespace jotlet
