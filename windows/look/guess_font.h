#pragma once

class GameHost;

// "Word &Guess Font": the player picks the guess list's face and a size of 6 to 18
// points; the list shows it scaled to the window size.
void ChooseGuessFont(GameHost& host);
