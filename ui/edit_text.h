#pragma once

#include <algorithm>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The text of a one-line field and how a desktop edit box changes it: a
// caret, a selection running from an anchor to the caret, moves by character
// and by word, and one step of undo that a second undo takes back. It knows
// nothing of keys, mice or screens; the edit box maps those onto it. What the
// field may hold is the field's to say: every change that adds text asks it.

namespace ui {

class EditText {
  public:
    // Whether the field may hold this text. Assumed to hold for any text
    // shorter than one it holds, so taking characters away always fits.
    using Fits = std::function<bool(std::string_view)>;

    enum class Motion { characterLeft, characterRight, wordLeft, wordRight, home, end };
    enum class Deletion { before, after };  // Backspace, Delete

    const std::string& text() const { return text_; }
    std::size_t caret() const { return caret_; }
    std::size_t anchor() const { return anchor_; }
    bool hasSelection() const { return anchor_ != caret_; }
    std::size_t selectionStart() const { return std::min(anchor_, caret_); }
    std::size_t selectionEnd() const { return std::max(anchor_, caret_); }
    std::string_view selectedText() const;

    // A new text, as data exchange sets it: the caret at its end, nothing
    // selected, nothing to undo.
    void setText(std::string text);

    // Moves the caret. With `extend` (Shift held) the anchor stays, so the
    // selection grows or shrinks; without it the selection goes, and Left or
    // Right on a selection stops at its near edge.
    void move(Motion motion, bool extend);
    // The caret to an index, as a click puts it; `extend` as for `move`.
    void placeCaret(std::size_t index, bool extend);
    // From the anchor to the caret, each kept inside the text (EM_SETSEL).
    void select(std::size_t anchor, std::size_t caret);
    void selectAll();
    // The word at an index, or the run of spaces and punctuation there.
    void selectWordAt(std::size_t index);

    // Puts as much of `text` as fits in place of the selection (or at the
    // caret). False when some of it did not fit; when none did, nothing
    // changes, and the selection stays.
    bool replaceSelection(std::string_view text, const Fits& fits);
    // One typed character, as replaceSelection; a run of typing is undone
    // as one change.
    bool type(char character, const Fits& fits);
    // Backspace and Delete: the selection, else the character beside the caret.
    void erase(Deletion deletion);
    // Takes the selection out of the text and gives it back (Cut).
    std::string cutSelection();
    // Goes back to before the last change, or after an undo forward again.
    // False when that text would not fit the field now; nothing changes then.
    bool undo(const Fits& fits);

    // Letters, digits and '_' of Windows-1252 make words; the rest parts them.
    static bool isWordCharacter(char character);

  private:
    struct Snapshot {
        std::string text;
        std::size_t caret = 0;
        std::size_t anchor = 0;
    };
    // Changes that follow each other at the caret and undo as one.
    enum class Run { none, typing, deletingBefore, deletingAfter };

    bool replace(std::string_view text, const Fits& fits, Run run);
    void beginChange(Run run);
    std::size_t target(Motion motion) const;

    std::string text_;
    std::size_t caret_ = 0;
    std::size_t anchor_ = 0;
    std::optional<Snapshot> undo_;
    Run run_ = Run::none;
};

}  // namespace ui
