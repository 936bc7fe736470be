#pragma once
// What a name box lets through of a typed character: Backspace, digits, upper-case
// letters (lower-case ones are raised) and the eleven signs " .-/*#@():?" the panel's
// display shows. Every other code, control codes such as Enter, Escape and the
// clipboard keys included, gives 0, which drops the key.

int NameKeyFilter(int KeyAscii);
