#pragma once

// The engine's state behind the interface's handles, and the handles that reach it. Handles share the
// state they refer to, so they stay safe to call after the Engine that made them is gone.
//
// - An application is running from its creation for as long as the Engine lives; it starts hidden.
// - A new or opened document becomes its application's active document; closing the active document
//   makes the most recently opened of the remaining ones active.
// - Calls on a closed document, or on any object reached from it, fail with errors::CommandFailed.
// - Every document has one window and one selection; the global object's selection is the active
//   document's.

#include "editor.h"
#include "engine.h"
#include "word/word.h"

#include <memory>
#include <vector>

namespace word::engine {

struct ApplicationState;

struct DocumentState {
    Editor editor;
    QString fullName; // absolute path of its file; empty until saved or when new
    bool changed = false;
    bool closed = false;
    std::weak_ptr<ApplicationState> application;
};

struct ApplicationState {
    bool visible = false;
    PictureSource pictures; // consulted by name before a picture file is read; may be empty
    std::vector<std::shared_ptr<DocumentState>> open; // in the order they were opened
    std::vector<std::shared_ptr<DocumentState>> all;  // every document it ever had, closed ones too
    std::shared_ptr<DocumentState> active;
};

// A new empty document on the page of the system's locale.
word::Ref<word::Document> addDocument(const std::shared_ptr<ApplicationState>& application);

word::Ref<word::Application> applicationObject(std::shared_ptr<ApplicationState> application);
word::Ref<word::Document> documentObject(std::shared_ptr<DocumentState> document);
word::Ref<word::Global> globalObject(std::shared_ptr<ApplicationState> application);

// The state behind a document handle; null for an empty handle or another implementation's document.
std::shared_ptr<DocumentState> stateOf(const word::Ref<word::Document>& document);

} // namespace word::engine
