Arena
7
Player