#include "ui/edit_text.h"

#include <utility>

namespace ui {

std::string_view EditText::selectedText() const {
    return std::string_view(text_).substr(selectionStart(), selectionEnd() - selectionStart());
}

void EditText::setText(std::string text) {
    text_ = std::move(text);
    caret_ = anchor_ = text_.size();
    undo_.reset();
    run_ = Run::none;
}

bool EditText::isWordCharacter(char character) {
    const auto byte = static_cast<unsigned char>(character);
    if ((byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') ||
        (byte >= 'a' && byte <= 'z') || byte == '_')
        return true;
    // Windows-1252's letters: the accented block less × and ÷, and the few
    // letters scattered below it (Š Œ Ž š œ ž Ÿ ª µ º).
    if (byte >= 0xC0)
        return byte != 0xD7 && byte != 0xF7;
    constexpr std::string_view scatteredLetters = "\x8A\x8C\x8E\x9A\x9C\x9E\x9F\xAA\xB5\xBA";
    return scatteredLetters.find(character) != std::string_view::npos;
}

std::size_t EditText::target(Motion motion) const {
    std::size_t at = caret_;
    switch (motion) {
        case Motion::characterLeft:
            return at > 0 ? at - 1 : 0;
        case Motion::characterRight:
            return std::min(at + 1, text_.size());
        case Motion::wordLeft:
            // Back over the gap, then to the start of the word before it.
            while (at > 0 && !isWordCharacter(text_[at - 1]))
                --at;
            while (at > 0 && isWordCharacter(text_[at - 1]))
                --at;
            return at;
        case Motion::wordRight:
            // To the end of this word, then over the gap to the next one's start.
            while (at < text_.size() && isWordCharacter(text_[at]))
                ++at;
            while (at < text_.size() && !isWordCharacter(text_[at]))
                ++at;
            return at;
        case Motion::home:
            return 0;
        case Motion::end:
            return text_.size();
    }
    return at;
}

void EditText::move(Motion motion, bool extend) {
    run_ = Run::none;
    if (!extend && hasSelection() && motion == Motion::characterLeft) {
        caret_ = anchor_ = selectionStart();
        return;
    }
    if (!extend && hasSelection() && motion == Motion::characterRight) {
        caret_ = anchor_ = selectionEnd();
        return;
    }
    placeCaret(target(motion), extend);
}

void EditText::placeCaret(std::size_t index, bool extend) {
    run_ = Run::none;
    caret_ = std::min(index, text_.size());
    if (!extend)
        anchor_ = caret_;
}

void EditText::select(std::size_t anchor, std::size_t caret) {
    run_ = Run::none;
    anchor_ = std::min(anchor, text_.size());
    caret_ = std::min(caret, text_.size());
}

void EditText::selectAll() {
    run_ = Run::none;
    anchor_ = 0;
    caret_ = text_.size();
}

void EditText::selectWordAt(std::size_t index) {
    run_ = Run::none;
    if (text_.empty())
        return;
    const std::size_t at = std::min(index, text_.size() - 1);
    const bool word = isWordCharacter(text_[at]);
    std::size_t start = at;
    while (start > 0 && isWordCharacter(text_[start - 1]) == word)
        --start;
    std::size_t end = at + 1;
    while (end < text_.size() && isWordCharacter(text_[end]) == word)
        ++end;
    anchor_ = start;
    caret_ = end;
}

void EditText::beginChange(Run run) {
    if (run == Run::none || run != run_)
        undo_ = Snapshot{text_, caret_, anchor_};
    run_ = run;
}

bool EditText::replace(std::string_view text, const Fits& fits, Run run) {
    const std::size_t start = selectionStart();
    const std::string before = text_.substr(0, start);
    const std::string after = text_.substr(selectionEnd());
    const auto withFirst = [&](std::size_t count) {
        return before + std::string(text.substr(0, count)) + after;
    };
    // The longest beginning of `text` that fits; a longer one never fits
    // where a shorter one did not.
    std::size_t taken = 0;
    std::size_t refused = text.size() + 1;
    while (refused - taken > 1) {
        const std::size_t middle = taken + (refused - taken) / 2;
        if (fits(withFirst(middle)))
            taken = middle;
        else
            refused = middle;
    }
    if (taken == 0 && (!text.empty() || !hasSelection()))
        return text.empty();
    beginChange(run);
    text_ = withFirst(taken);
    caret_ = anchor_ = start + taken;
    return taken == text.size();
}

bool EditText::replaceSelection(std::string_view text, const Fits& fits) {
    return replace(text, fits, Run::none);
}

bool EditText::type(char character, const Fits& fits) {
    // Typing over a selection starts a new run.
    if (hasSelection())
        run_ = Run::none;
    return replace(std::string_view(&character, 1), fits, Run::typing);
}

void EditText::erase(Deletion deletion) {
    if (hasSelection()) {
        cutSelection();
        return;
    }
    if (deletion == Deletion::before && caret_ > 0) {
        beginChange(Run::deletingBefore);
        text_.erase(--caret_, 1);
    } else if (deletion == Deletion::after && caret_ < text_.size()) {
        beginChange(Run::deletingAfter);
        text_.erase(caret_, 1);
    }
    anchor_ = caret_;
}

std::string EditText::cutSelection() {
    if (!hasSelection())
        return {};
    beginChange(Run::none);
    const std::size_t start = selectionStart();
    std::string taken(selectedText());
    text_.erase(start, taken.size());
    caret_ = anchor_ = start;
    return taken;
}

bool EditText::undo(const Fits& fits) {
    if (!undo_)
        return true;
    if (!fits(undo_->text))
        return false;
    Snapshot now{std::move(text_), caret_, anchor_};
    text_ = std::move(undo_->text);
    caret_ = undo_->caret;
    anchor_ = undo_->anchor;
    undo_ = std::move(now);
    run_ = Run::none;
    return true;
}

}  // namespace ui
