#pragma once

class GameHost;

// File ▸ "Copy Chall&enge": the game Check List just judged, as a challenge code on the
// clipboard. The player's name is asked for the first time and kept in the settings.
void CopyChallenge(GameHost& host);
// File ▸ "Play Challen&ge...": asks for a code and plays its board in its length; after
// Check List the Comparison window sets the two games side by side. A code made with
// another word list, language or dictionary is refused with a message that says so.
void PlayChallenge(GameHost& host);
