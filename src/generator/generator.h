// The generator: a random complete grid, then random clue removal under a uniqueness test.
#pragma once

/// Where the generator's random values come from: values 0..2147483647, like random().
/// Tests point it at a scripted source; everything else leaves it at random().
extern long (*randomSource)();

/// A uniform position in 0..n-1 for 1 <= n <= 9: a random value divided by 2147483647 / n,
/// drawn again while the quotient is n or more. Calls randomSource even for n = 1.
int drawCandidatePosition(int n);

/// A uniform cell 0..80 among the cells whose entry in `untried` is not -1; at least one
/// must be. A value that gives 81 or a tried cell is drawn again.
int drawUntriedCell(const int* untried);

/// Fills board.arrayFields with a random complete grid, row by row, restarting the current
/// row at a dead end. Returns 1 on success; 0 at the 16th dead end of the call, with the
/// rows above that dead end's row filled and every other cell 0.
int createGrid();

/// Candidate ratio: `candidateSum` / `emptiedCells` * 100 in single precision, truncated
/// (210 over 50 is 419). `emptiedCells` is at least 1.
int candidateRatio(int candidateSum, int emptiedCells);

/// What a difficulty target makes of a ratio: stop, go on removing, or fail the attempt.
enum DifficultyVerdict { targetMet, keepRemoving, overshot };
DifficultyVerdict judgeDifficulty(int ratio, int numberToHide);

/// Thins the complete grid in board.arrayFields into a puzzle with exactly one solution.
/// `numberToHide` up to 100 is a count of cells to empty; above 100 a candidate ratio to
/// meet within 9. A non-zero `numberOfGuesses` N also asks for more than N branchings of the
/// uniqueness tests in all. Returns 1 when the puzzle meets everything asked, 0 when the
/// attempt failed (arrayFields partly thinned). Resets board.guesses at entry.
int hideBlocks(int numberToHide, int numberOfGuesses);
