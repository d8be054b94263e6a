#include "engine.h"

#include <QCoreApplication>

#include "objects.h"

namespace word::engine {

namespace {

[[noreturn]] void notRunning() {
    throw AutomationError(
        errors::CannotCreateObject,
        QCoreApplication::translate("Engine",
                                    "The word processor is not running, so there is nothing to attach to."));
}

std::shared_ptr<DocumentState> checkedState(const word::Ref<word::Document>& document) {
    if (document.isEmpty())
        throw AutomationError(errors::ObjectNotSet, QStringLiteral("Object variable not set."));
    auto state = stateOf(document);
    if (!state)
        throw AutomationError(errors::InvalidArgument,
                              QStringLiteral("The document is not the built-in engine's."));
    return state;
}

} // namespace

struct Engine::State {
    std::vector<std::shared_ptr<ApplicationState>> applications;
    PictureSource pictures;

    const std::shared_ptr<ApplicationState>& start() {
        applications.push_back(std::make_shared<ApplicationState>());
        applications.back()->pictures = pictures;
        return applications.back();
    }

    const std::shared_ptr<ApplicationState>& running() const {
        if (applications.empty())
            notRunning();
        return applications.front();
    }
};

Engine::Engine() : state_(std::make_unique<State>()) {}
Engine::~Engine() = default;

word::Ref<word::Application> Engine::GetObject() {
    return applicationObject(state_->running());
}

word::Ref<word::Application> Engine::CreateApplication() {
    return applicationObject(state_->start());
}

word::Ref<word::Document> Engine::CreateDocument() {
    if (state_->applications.empty())
        state_->start();
    return addDocument(state_->applications.front());
}

word::Ref<word::Global> Engine::Global() {
    return globalObject(state_->running());
}

std::vector<EngineDocument> Engine::documents() const {
    std::vector<EngineDocument> documents;
    for (const auto& application : state_->applications)
        for (const auto& document : application->all)
            documents.push_back(
                {documentObject(document), application->visible, document->closed, document->changed});
    return documents;
}

void Engine::takePicturesFrom(PictureSource source) {
    state_->pictures = std::move(source);
    for (const auto& application : state_->applications)
        application->pictures = state_->pictures;
}

const DocumentModel& modelOf(const word::Ref<word::Document>& document) {
    return checkedState(document)->editor.model();
}

SelectionState selectionOf(const word::Ref<word::Document>& document) {
    const Editor& editor = checkedState(document)->editor;
    SelectionState state;
    state.position = editor.insertionPoint();
    switch (editor.selected()) {
    case Editor::Selected::InsertionPoint:
        state.kind = SelectionState::Kind::InsertionPoint;
        break;
    case Editor::Selected::Cell:
        state.kind = SelectionState::Kind::Cell;
        break;
    case Editor::Selected::Shape:
        state.kind = SelectionState::Kind::Shape;
        state.shape = editor.selectedShape();
        break;
    }
    return state;
}

} // namespace word::engine
