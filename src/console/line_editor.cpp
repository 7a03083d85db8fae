// line_editor.cpp -- the keys of an answer's editing, each a short change of
// one LineEdit, and the drawing that shows it.
#include "console/line_editor.h"

#include "console/ansi_escapes.h"
#include "console/key_press.h"

#include <algorithm>
#include <array>

namespace {

// A terminal that the program edits on keeps a full row's cursor in its last
// column until the next character.
constexpr LastColumn DEFERRED = LastColumn::WRAP_DEFERRED;

std::size_t character_before(const LineEdit& e)
{
    std::size_t k = e.cursor - 1;
    while (k > 0 && is_continuation(e.text[k]))
        --k;
    return k;
}

std::size_t character_length_at(const LineEdit& e)
{
    return std::max<std::size_t>(key_length(std::string_view(e.text).substr(e.cursor)), 1);
}

void move_left(LineEdit& e)
{
    if (e.cursor > 0)
        e.cursor = character_before(e);
}

void move_right(LineEdit& e)
{
    if (e.cursor < e.text.size())
        e.cursor += character_length_at(e);
}

void move_home(LineEdit& e)
{
    e.cursor = 0;
}

void move_end(LineEdit& e)
{
    e.cursor = e.text.size();
}

void erase_before(LineEdit& e, std::size_t from)
{
    e.text.erase(from, e.cursor - from);
    e.cursor = from;
}

void erase_back(LineEdit& e)
{
    if (e.cursor > 0)
        erase_before(e, character_before(e));
}

void erase_under(LineEdit& e)
{
    if (e.cursor < e.text.size())
        e.text.erase(e.cursor, character_length_at(e));
}

// What the cut keys take is kept for Ctrl-Y; a cut of nothing keeps the last.
void cut(LineEdit& e, std::size_t from, std::size_t to)
{
    if (from == to)
        return;
    e.cut = e.text.substr(from, to - from);
    e.text.erase(from, to - from);
    e.cursor = from;
}

bool is_blank(char c)
{
    return c == ' ' || c == '\t';
}

// A word is a run of non-blanks, as bash's Ctrl-W counts it: its start before
// the cursor, past the blanks there, and its end after the cursor.
std::size_t word_start(const LineEdit& e)
{
    std::size_t at = e.cursor;
    while (at > 0 && is_blank(e.text[at - 1]))
        --at;
    while (at > 0 && !is_blank(e.text[at - 1]))
        --at;
    return at;
}

std::size_t word_end(const LineEdit& e)
{
    std::size_t at = e.cursor;
    while (at < e.text.size() && is_blank(e.text[at]))
        ++at;
    while (at < e.text.size() && !is_blank(e.text[at]))
        ++at;
    return at;
}

void cut_to_start(LineEdit& e)
{
    cut(e, 0, e.cursor);
}

void cut_to_end(LineEdit& e)
{
    cut(e, e.cursor, e.text.size());
}

void cut_word_before(LineEdit& e)
{
    cut(e, word_start(e), e.cursor);
}

void cut_word_after(LineEdit& e)
{
    cut(e, e.cursor, word_end(e));
}

void move_word_left(LineEdit& e)
{
    e.cursor = word_start(e);
}

void move_word_right(LineEdit& e)
{
    e.cursor = word_end(e);
}

void yank(LineEdit& e)
{
    e.text.insert(e.cursor, e.cut);
    e.cursor += e.cut.size();
}

void show_recalled(LineEdit& e)
{
    e.text = e.recalled == 0 ? e.typed : (*e.history)[e.history->size() - e.recalled];
    e.cursor = e.text.size();
}

void recall_older(LineEdit& e)
{
    if (e.history == nullptr || e.recalled == e.history->size())
        return;
    if (e.recalled == 0)
        e.typed = e.text;
    ++e.recalled;
    show_recalled(e);
}

void recall_newer(LineEdit& e)
{
    if (e.recalled == 0)
        return;
    --e.recalled;
    show_recalled(e);
}

struct Binding {
    std::string_view key;
    void (*act)(LineEdit&);
};

// The keys as terminals send them, in their normal and their application
// modes; Ctrl-D on an answer erases the character under the cursor.
constexpr std::array<Binding, 34> BINDINGS { {
    { "\x1b[D", move_left }, { "\x1bOD", move_left }, { "\x1b[C", move_right }, { "\x1bOC", move_right },
    { "\x1b[H", move_home }, { "\x1bOH", move_home }, { "\x1b[1~", move_home }, { "\x1b[7~", move_home },
    { "\x01", move_home }, { "\x1b[F", move_end }, { "\x1bOF", move_end }, { "\x1b[4~", move_end },
    { "\x1b[8~", move_end }, { "\x05", move_end }, { "\x7f", erase_back }, { "\b", erase_back },
    { "\x1b[3~", erase_under }, { "\x04", erase_under }, { "\x15", cut_to_start }, { "\x0b", cut_to_end },
    { "\x17", cut_word_before }, { "\x1b[A", recall_older }, { "\x1bOA", recall_older }, { "\x1b[B", recall_newer },
    { "\x1bOB", recall_newer }, { "\x1b[3;5~", erase_under }, { "\x1b" "b", move_word_left },
    { "\x1b[1;5D", move_word_left }, { "\x1b" "f", move_word_right }, { "\x1b[1;5C", move_word_right },
    { "\x1b\x7f", cut_word_before }, { "\x1b\b", cut_word_before }, { "\x1b" "d", cut_word_after }, { "\x19", yank },
} };

// The template's characters after the answer's columns.
std::string_view template_after(const LineEdit& e)
{
    const auto answer_columns = static_cast<std::size_t>(place_after(e.text, 1 << 30, DEFERRED).column);
    return e.answer_template.substr(std::min(answer_columns, e.answer_template.size()));
}

Place place_of(const LineEdit& e, std::string_view after_prompt)
{
    const Place start = place_after(e.prompt, e.columns, DEFERRED);
    return place_after(after_prompt, e.columns, DEFERRED, start);
}

Place cursor_place(const LineEdit& e)
{
    return place_of(e, std::string_view(e.text).substr(0, e.cursor));
}

// Nothing is drawn after the cursor.
bool at_end(const LineEdit& e)
{
    return e.cursor == e.text.size() && template_after(e).empty();
}

// Where the terminal's cursor is for a place: a full row's end shows on its
// last column just after it was written, else at the start of the row below.
Place on_screen(Place at, int columns, bool just_written)
{
    if (at.column < columns)
        return at;
    return just_written ? Place { at.row, columns - 1 } : Place { at.row + 1, 0 };
}

void append_move(std::string& out, Place from, Place to)
{
    if (to.row != from.row)
        out.append(cursor_move(std::abs(to.row - from.row), to.row < from.row ? CURSOR_UP : CURSOR_DOWN));
    if (to.column == from.column)
        return;
    out.push_back('\r');
    if (to.column > 0)
        out.append(cursor_move(to.column, CURSOR_FORWARD));
}

// The answer and the template's rest drawn from the answer's first place, the
// cursor then put at its place.
void draw_from_start(LineEdit& e)
{
    const std::string_view rest = template_after(e);
    e.drawn.append(e.text).append(rest);
    const Place end = place_after(rest, e.columns, DEFERRED, place_of(e, e.text));
    if (cursor_place(e) != end)
        append_move(e.drawn, on_screen(end, e.columns, true), on_screen(cursor_place(e), e.columns, false));
}

// The answer's rows drawn again from its first character, the cursor put back.
void redraw(LineEdit& e, const LineEdit& before)
{
    const Place start = place_of(e, "");
    if (cursor_place(before) != start)
        append_move(e.drawn, on_screen(cursor_place(before), e.columns, at_end(before)), on_screen(start, e.columns, false));
    if (!before.text.empty() || !template_after(before).empty())
        e.drawn.append(ERASE_TO_SCREEN_END);
    draw_from_start(e);
}

// Drawn down to as many rows below its first as the screen has rows, the
// answer scrolled that first row off, wherever it started: the cursor cannot
// go back up to it.
bool first_row_scrolled_off(const LineEdit& e)
{
    const Place end = place_after(template_after(e), e.columns, DEFERRED, place_of(e, e.text));
    return end.row - place_of(e, "").row >= e.rows;
}

// The cursor after the answer, before what is left of the template.
void move_to_answer_end(LineEdit& e)
{
    if (e.cursor != e.text.size())
        append_move(e.drawn, on_screen(cursor_place(e), e.columns, false),
            on_screen(place_of(e, e.text), e.columns, template_after(e).empty()));
}

}

void draw_answer(LineEdit& e)
{
    e.drawn.clear();
    draw_from_start(e);
}

void leave_answer(LineEdit& e)
{
    e.drawn.clear();
    move_to_answer_end(e);
    if (!template_after(e).empty())
        e.drawn.append(ERASE_TO_SCREEN_END);
}

EditStep edit_key(LineEdit& e, std::string_view key)
{
    e.drawn.clear();
    if (key == "\n" || key == "\r") {
        move_to_answer_end(e);
        return EditStep::TAKEN;
    }
    if (key.empty() || (key == "\x04" && e.text.empty())) {
        leave_answer(e);
        return EditStep::ENDED;
    }
    if (key == "\x0c")
        return EditStep::REPAINT;
    const auto binding = std::find_if(BINDINGS.begin(), BINDINGS.end(), [key](const Binding& b) { return b.key == key; });
    const bool typed = binding == BINDINGS.end();
    if (typed && is_control(static_cast<unsigned char>(key[0])) && key != "\t")
        return EditStep::GOING;
    if (typed && e.cursor == e.text.size()) {
        e.text.append(key);
        e.cursor = e.text.size();
        e.drawn = key;
        return EditStep::GOING;
    }
    const LineEdit before = e;
    if (typed) {
        e.text.insert(e.cursor, key);
        e.cursor += key.size();
    } else {
        binding->act(e);
    }
    if (e.text == before.text && e.cursor == before.cursor)
        return EditStep::GOING;
    if (first_row_scrolled_off(before))
        return EditStep::REPAINT;
    redraw(e, before);
    return EditStep::GOING;
}
