/* The bare peer of navisift's answer field: a plain curses program that shows
   two white fields on the dialog face and echoes typed characters into the
   focused one in black on white; Tab moves the caret to the other field, Esc
   ends. Built by bench/terminal_bench.py, not by CMake. */

#include <curses.h>
#include <locale.h>

enum { fieldWidth = 40 };
enum { facePair = 1, fieldPair = 2 };

int main(void) {
    setlocale(LC_ALL, "");
    initscr();
    cbreak();
    noecho();
    nonl();
    keypad(stdscr, TRUE);
    set_escdelay(25);
    if (has_colors()) {
        start_color();
        init_pair(facePair, COLORS >= 256 ? 16 : COLOR_BLACK, COLORS >= 256 ? 250 : COLOR_WHITE);
        init_pair(fieldPair, COLORS >= 256 ? 16 : COLOR_BLACK, COLORS >= 256 ? 231 : COLOR_WHITE);
    }
    wbkgd(stdscr, COLOR_PAIR(facePair) | ' ');
    erase();
    const int rows[2] = {8, 12};
    int length[2] = {0, 0};
    int focus = 0;
    attrset(COLOR_PAIR(fieldPair));
    for (int field = 0; field < 2; ++field)
        mvhline(rows[field], 20, ' ', fieldWidth);
    move(rows[focus], 20);
    refresh();
    for (;;) {
        const int key = getch();
        if (key == 27)
            break;
        if (key == '\t') {
            focus = 1 - focus;
        } else if (key >= ' ' && key < 127 && length[focus] < fieldWidth - 1) {
            mvaddch(rows[focus], 20 + length[focus], (chtype)key);
            ++length[focus];
        }
        move(rows[focus], 20 + length[focus]);
        refresh();
    }
    endwin();
    return 0;
}
