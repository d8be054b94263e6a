// Saving a package whole or not at all, never through a planted link: see word/files.

#include "word/engine/docx.h"
#include "word/files/files.h"

#include <QDir>
#include <QFileInfo>

namespace word::engine {

using namespace Qt::Literals::StringLiterals;

namespace {

[[noreturn]] void cannotSave(const QString& path, const QString& reason) {
    throw AutomationError(errors::FileAccess,
                          u"The document could not be saved as %1: %2."_s.arg(path, reason));
}

void writeAtomically(const QString& path, const QByteArray& bytes) {
    const files::Written written = files::replaceFile(path, bytes);
    const QDir folder = QFileInfo(path).absoluteDir();
    switch (written.step) {
    case files::Step::Done:
        return;
    case files::Step::NoFileName:
        cannotSave(path, u"the path names no file"_s);
    case files::Step::NoFolder:
        throw AutomationError(errors::FileNotFound, u"The folder %1 does not exist."_s.arg(folder.path()));
    case files::Step::TargetIsFolder:
        cannotSave(path, u"a folder of that name exists"_s);
    case files::Step::Creating:
        cannotSave(folder.path(), written.reason());
    case files::Step::Writing:
    case files::Step::Placing:
    case files::Step::NamesTaken:
        break;
    }
    cannotSave(path, written.reason());
}

} // namespace

void saveDocx(const DocumentModel& model, const QString& path) {
    writeAtomically(path, docxBytes(model));
}

} // namespace word::engine
