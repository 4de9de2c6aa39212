/* The bare peer of navisift's start-up: a plain curses program that draws the
   splash's box (69 x 16 cells on the teal desktop, the dialog face inside) with
   its one line of text, then waits for Enter or Esc. Built by
   bench/terminal_bench.py, not by CMake. */

#include <curses.h>
#include <locale.h>

enum { boxWidth = 69, boxHeight = 16 };
enum { desktopPair = 1, facePair = 2 };

int main(void) {
    setlocale(LC_ALL, "");
    initscr();
    cbreak();
    noecho();
    keypad(stdscr, TRUE);
    curs_set(0);
    if (has_colors()) {
        start_color();
        init_pair(desktopPair, COLORS >= 256 ? 30 : COLOR_CYAN, COLORS >= 256 ? 30 : COLOR_CYAN);
        init_pair(facePair, COLORS >= 256 ? 16 : COLOR_BLACK, COLORS >= 256 ? 250 : COLOR_WHITE);
    }
    wbkgd(stdscr, COLOR_PAIR(desktopPair) | ' ');
    erase();
    const int top = (LINES - boxHeight) / 2;
    const int left = (COLS - boxWidth) / 2;
    WINDOW* box = newwin(boxHeight, boxWidth, top, left);
    wbkgd(box, COLOR_PAIR(facePair) | ' ');
    werase(box);
    box(box, 0, 0);
    mvwaddstr(box, boxHeight - 3, (boxWidth - 17) / 2, "Click To Continue");
    wnoutrefresh(stdscr);
    wnoutrefresh(box);
    doupdate();
    for (;;) {
        const int key = getch();
        if (key == '\r' || key == '\n' || key == 27)
            break;
    }
    delwin(box);
    endwin();
    return 0;
}
