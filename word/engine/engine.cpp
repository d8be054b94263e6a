#include "engine.h"

namespace word::engine {

namespace {
[[noreturn]] void notRunning() {
    throw AutomationError(errors::CannotCreateObject, QStringLiteral("The word processor is not available."));
}
} // namespace

struct Engine::State {};

Engine::Engine() : state_(std::make_unique<State>()) {}
Engine::~Engine() = default;

word::Ref<word::Application> Engine::GetObject() {
    notRunning();
}
word::Ref<word::Application> Engine::CreateApplication() {
    notRunning();
}
word::Ref<word::Document> Engine::CreateDocument() {
    notRunning();
}
word::Ref<word::Global> Engine::Global() {
    notRunning();
}

} // namespace word::engine
