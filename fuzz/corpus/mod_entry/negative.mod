Arena
-2
maybe
TRUE


abc
-1
