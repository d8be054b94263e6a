#pragma once

// What the live tests share: a LibreOffice of their own (headless, a private profile and pipe per test
// run), the choosing provider on it, and letters read back for comparison.

#include "builder/form1.h"
#include "tests/builder/styles/styledletter.h"
#include "word/engine/model.h"
#include "word/live/choosingprovider.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <optional>
#include <vector>

namespace tavrin::testing {

// Why the live tests cannot run here, or nothing when they can. LibreOffice missing is a reason only
// outside CI: CI installs it, so there its absence is a failure.
std::optional<QString> whyLiveTestsCannotRun();
bool runningInCi();

// Settings for a LibreOffice of the test's own: headless, a profile in a fresh folder, a pipe no other
// test run uses, short enough time limits to see a hang within a test.
word::live::ChooserSettings privateOfficeSettings(const QString& profileFolder, const QString& pipeName);

// A pipe name of this test run: unique per process and call.
QString uniquePipeName(const QString& purpose);

// The LibreOffice processes (soffice.bin) that accept connections on the pipe.
std::vector<qint64> officeProcessesOnPipe(const QString& pipeName);
// Ends them (SIGKILL), for the crash cases and as the last resort of clean-up.
void killOfficeProcesses(const QString& pipeName);
// Stops or continues them (SIGSTOP / SIGCONT), for a LibreOffice that does not answer.
void pauseOfficeProcesses(const QString& pipeName, bool paused);
// Starts LibreOffice headless with the profile, accepting on the pipe unless it is empty.
void startOfficeProcess(const QString& profileFolder, const QString& pipeName);

// For the end of a test program, after its last provider is gone: ends what the live word processor
// started in the process (endLiveOffice) and checks that the process is back to its one thread, so that
// nothing of it is still ending when the process exits (LeakSanitizer's check at exit cannot scan a
// thread that is ending at that moment). False, with the threads named on standard error, when not.
bool endLiveOfficeCleanly();

// A LibreOffice of the test's own, started on first use and ended with the object.
class PrivateOffice {
public:
    explicit PrivateOffice(const QString& purpose);
    ~PrivateOffice();
    PrivateOffice(const PrivateOffice&) = delete;
    PrivateOffice& operator=(const PrivateOffice&) = delete;

    const word::live::ChooserSettings& settings() const { return settings_; }
    const QString& pipeName() const { return settings_.office.pipeName; }
    const QString& profileFolder() const { return settings_.office.profileDirectory; }

private:
    QTemporaryDir profile_;
    word::live::ChooserSettings settings_;
};

// The messages a provider told the user.
struct ToldMessages {
    QStringList messages;
    word::live::TellUser teller() {
        return [this](const QString& message) { messages.append(message); };
    }
};

// A document read back through its .docx: saved by the backend's own writer (Writer's filter for a live
// document) into the folder, and read with the engine's reader.
word::engine::DocumentModel readBack(const word::Ref<word::Document>& document, const QString& folder,
                                     const QString& name);

// The differences between two documents, in what a .docx written by either word processor expresses:
// the page, the blocks in order, each paragraph's text, paragraph format (but for a page break before,
// which Writer's filter writes on the paragraph above), character formats character by character,
// paragraph mark of empty paragraphs, pictures (pixel and shown size), tables (shape and column widths)
// and lines. Empty when they match.
QStringList documentDifferences(const word::engine::DocumentModel& expected,
                                const word::engine::DocumentModel& actual);

} // namespace tavrin::testing
