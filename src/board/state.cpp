#include "board/board.h"

BoardState board;

const int blockStarts[9] = {0, 3, 6, 27, 30, 33, 54, 57, 60};
