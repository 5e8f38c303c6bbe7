#pragma once

class GameHost;

// The "&Match" menu. Each opens its lobby window; when the host starts the match and the
// count-down ends, the board goes on the host's board and the game begins there.
void HostMatch(GameHost& host);
void JoinMatch(GameHost& host);
