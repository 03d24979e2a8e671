Base
0
FALSE
TRUE
base1

6
