Capture The Flag
2
Player
Other
TRUE
FALSE
q2ctf1
+set cheats 0
3
2
set timelimit 20
set fraglimit 30
