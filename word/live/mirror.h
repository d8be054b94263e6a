#pragma once

// A live letter written twice: every call made on a LibreOffice object is made, first, on the same object
// of a built-in engine document, its mirror. While LibreOffice answers, its results are the ones handed
// back and the mirror's failures do not count. When a call finds LibreOffice gone or not answering
// (errors::ApplicationUnavailable), the user is told once what happened, that call and every later one
// are answered by the mirror alone, and the mirrored letters are handed to the user at the program's end
// like any letter of the built-in engine.

#include "word/word.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace word::live {

using TellUser = std::function<void(const QString& message)>;

// What the objects of one LibreOffice connection share with their mirrors.
class MirrorState {
public:
    explicit MirrorState(TellUser tellUser) : tellUser_(std::move(tellUser)) {}

    bool isLost() const { return lost_; }
    // Switches every object of the connection to its mirror, telling the user why.
    void lose(const AutomationError& error);

    // The engine documents that mirror live ones, in the order they were made.
    std::vector<word::Ref<word::Document>> documents;

private:
    TellUser tellUser_;
    bool lost_ = false;
};

// The mirrored application, document and global object; the objects reached from them are mirrored in
// turn. Either side may be empty: an empty mirror is never asked, an empty live side means the mirror
// answers.
word::Ref<word::Application> mirroredApplication(std::shared_ptr<MirrorState> state,
                                                 word::Ref<word::Application> live,
                                                 word::Ref<word::Application> mirror);
word::Ref<word::Document> mirroredDocument(std::shared_ptr<MirrorState> state, word::Ref<word::Document> live,
                                           word::Ref<word::Document> mirror);
word::Ref<word::Global> mirroredGlobal(std::shared_ptr<MirrorState> state, word::Ref<word::Global> live,
                                       word::Ref<word::Global> mirror);

} // namespace word::live
