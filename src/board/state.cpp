#include "board/board.h"

BoardState board;
