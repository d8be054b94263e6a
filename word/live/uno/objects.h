#pragma once

// The interface's objects on a LibreOffice session. Each call is one Session::call; the objects hold only
// shared state, so a call that outlives its caller (after a time-out) finds everything it uses alive.
//
// - Documents.Add: a new Writer document, set up as the engine's new document is (font, page, paragraph
//   defaults); it becomes the active document. It is made hidden: in a visible application its window
//   shows once written, at showWaitingWindows, so that Writer makes, lays out and paints it once.
// - Documents.Open: a document already open from the same file is activated and returned; otherwise the
//   file is loaded. Count: the text documents open in LibreOffice.
// - Document.Activate: the active document of the interface (what the global object's ActiveDocument and
//   Selection reach), and its window to the front. Save and SaveAs write through Writer's filters (by the
//   file's extension: .doc, .odt, .rtf; anything else as .docx) into a temporary file in the same folder,
//   renamed over the target, so that an existing file is never left half written. Close never asks to
//   save: with SaveChanges false the changes are dropped, omitted it saves only a changed document that
//   has a file, true saves first (and fails, leaving it open, when it has none).
// - PrintPreview needs the document's window shown; PrintOut needs a printer: without them they fail with
//   errors::PrintingFailed.
// - Application.Visible: shows or hides the windows of the documents made through this session and
//   decides whether later ones open in a window.

#include "session.h"
#include "word/word.h"

#include <memory>

namespace word::live {

word::Ref<word::Application> applicationObject(const std::shared_ptr<Session>& session);
word::Ref<word::Global> globalObject(const std::shared_ptr<Session>& session);
// A new document in the session's LibreOffice.
word::Ref<word::Document> addDocument(const std::shared_ptr<Session>& session);
// Shows the windows of the new documents of a visible application that wait for theirs, the active one in
// front. On the call thread. Application.Visible and PrintPreview show them too.
void showWaitingWindows(Session& session);

} // namespace word::live
