#include "board/board.h"

int valueExistsInArray(const int* list, int length, int wanted) {
    if (wanted == 0) return -1;
    for (int k = 0; k < length; ++k)
        if (list[k] == wanted) return k;
    return -1;
}

int arraySplice(int* list, int length, int position) {
    if (position < 0) return length;
    int written = 0;
    for (int k = 0; k < length; ++k)
        if (k != position) list[written++] = list[k];
    return written;
}
