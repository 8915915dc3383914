// Random edit sessions: a project opened through the project commands, then a sequence of the
// user's commands chosen by a stream of bytes (data windows opened, items added, inserted,
// edited with good and bad text, deleted, the dialog's OK, Next and Cancel, the list's undo and
// redo, Close or Cancel of the window, the title changed, Analyze, Edit Data, and the Edit
// menu's undo and redo), all through the editor and command classes the windows use. The
// libFuzzer target and a test with fixed seeds share it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace stavelorn {

// Plays one session on the project file `path` (whose text is `fileText`) with commands chosen
// by `bytes`, checking after every step that nothing threw, that the model is either accepted
// by the model checks or refused with a named message for each problem, that its file text
// reads back to the same text, and at the end that undoing every step gives back `fileText`
// byte for byte and redoing them all the final text. Returns "" or the first broken promise.
std::string RunEditSession(const std::string& path, const std::string& fileText,
                           const std::uint8_t* bytes, std::size_t size);

// The examples a session starts from, in the order the first byte of a fuzz input chooses them.
inline constexpr const char* kSessionExamples[] = {"continuous-beam",   "roof-truss",
                                                   "portal-frame",      "grid-floor",
                                                   "space-truss-tower", "space-frame"};

// One fuzz input: its first byte chooses the example under `root`/examples, the rest the
// commands. "" for an empty input.
std::string RunEditSessionInput(const std::string& root, const std::string& input);

}  // namespace stavelorn
