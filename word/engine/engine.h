#pragma once

// The built-in word processor: applications and documents that live in this process, with the selection
// behaviour of a desktop word processor, saved as .docx.

#include "word/word.h"

#include <memory>

namespace word::engine {

class Engine : public word::Provider {
public:
    Engine();
    ~Engine() override;

    word::Ref<word::Application> GetObject() override;
    word::Ref<word::Application> CreateApplication() override;
    word::Ref<word::Document> CreateDocument() override;
    word::Ref<word::Global> Global() override;

private:
    struct State;
    std::unique_ptr<State> state_;
};

} // namespace word::engine
