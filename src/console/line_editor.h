// line_editor.h -- one answer typed at the terminal: each key changes the
// answer and gives the bytes that show the change, in the manner of a shell.
#pragma once

#include "console/screen_rows.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// All of one answer's editing. The prompt is what its row shows before the
// answer, as drawn; when the question has a template (the binary form's
// "________.________"), the prompt ends stepping back over it, typed
// characters overwrite it and erased ones give its characters back.
struct LineEdit {
    std::string prompt;
    std::string_view answer_template;
    int columns = 80; // the screen's width, set again before every key
    int rows = 1 << 30;  // the screen's height, set again with the width
    const std::vector<std::string>* history = nullptr; // earlier answers to this question, oldest first
    std::string text;         // the answer
    std::size_t cursor = 0;   // the cursor's byte in `text`
    std::size_t recalled = 0; // 0 for the answer being typed, k for the k-th newest earlier answer
    std::string typed;        // the answer being typed, kept while an earlier one is shown
    std::string cut;          // the last text cut, which Ctrl-Y puts back
    std::string drawn;        // what shows the last key's effect
};

enum class EditStep { GOING, TAKEN, ENDED, REPAINT };

// One key press, all of its bytes: Enter takes the answer (the cursor then
// at its end); Ctrl-D on an empty answer and the end of input (no bytes) end
// it as leave_answer does; Ctrl-L asks for the screen to be drawn again, as
// does a change once the answer's first row scrolled off the screen. Arrows,
// Home, End, Ctrl-A, Ctrl-E, Backspace, Delete, Ctrl-U, Ctrl-K and Ctrl-W
// edit, as do the word moves Alt-B, Alt-F, Ctrl-Left and Ctrl-Right, the word
// cuts Alt-Backspace and Alt-D, and Ctrl-Y; Up and Down recall; a tab is
// typed as itself; other control keys are ignored.
EditStep edit_key(LineEdit& edit, std::string_view key);

// The whole answer drawn from its first place and the cursor put at its
// place, once the screen was drawn again up to the question.
void draw_answer(LineEdit& edit);

// The cursor put after the answer and what is left of its template erased:
// the answer stays as drawn when the input ends or the program leaves.
void leave_answer(LineEdit& edit);
