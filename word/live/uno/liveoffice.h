#pragma once

// The live backend on LibreOffice (see LiveOffice in word/live/office.h for the rules).

#include "session.h"
#include "word/live/office.h"

#include <memory>

namespace word::live {

class Office : public LiveOffice {
public:
    explicit Office(OfficeSettings settings);
    ~Office() override;

    word::Ref<word::Application> GetObject() override;
    word::Ref<word::Application> CreateApplication() override;
    word::Ref<word::Document> CreateDocument() override;
    word::Ref<word::Global> Global() override;

    int connectionNumber() const override { return connections_; }
    bool isConnected() const override { return session_ && !session_->isLost(); }
    QString lostReason() const override { return session_ ? session_->lostReason() : QString(); }
    void checkConnection() override;
    void prepareWriter() override;
    qint64 startedProcessId() const override { return processId_; }
    void shutDown() override;

private:
    // The session that answers, or a new connection to the LibreOffice on the pipe.
    std::shared_ptr<Session> connected();
    // A new connection to the LibreOffice on the pipe; throws errors::CannotCreateObject when none listens.
    std::shared_ptr<Session> newConnection();
    void useSession(std::shared_ptr<Session> session);
    // Starts LibreOffice on the pipe; throws errors::CannotCreateObject with the reason when it cannot.
    std::shared_ptr<Session> start();

    OfficeSettings settings_;
    std::shared_ptr<Session> session_;
    int connections_ = 0;
    qint64 processId_ = 0;
};

// Ends what the live backend started in this process (see LiveOfficePlugin::endProcess): a session still
// held is cut off from LibreOffice but not ended, and then the runtime is not disposed either.
bool endRuntime(std::chrono::milliseconds limit);

} // namespace word::live
