function sum(a, b) { return a + b; }
var x = sum(1, 2);
while (x < 10) { x++; }
try { x = x / 0; } except { x = 0; }
